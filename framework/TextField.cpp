// TextField on QLineEdit. The limit and the mask are checked on each typed key, never given to
// QLineEdit, whose length limit and validator would cut or refuse a paste without a word.
#include "framework/TextField.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/LineEdit.h"
#include "framework/detail/QtText.h"

#include <algorithm>
#include <limits>

namespace fw {

TextField::TextField(Window& owner)
    : RectControl(owner, new detail::LineEdit, true), edit_(static_cast<detail::LineEdit*>(Widget())) {
    edit_->setMaxLength(std::numeric_limits<int>::max()); // not QLineEdit's own 32767: a paste goes in whole
    edit_->hooks.keyDown = [this](const std::string& key) {
        return RaiseKeyDown(KeyDown, *this, key) || !TypedKeyFits(key);
    };
    edit_->hooks.claimsShortcut = [this](const QKeySequence& sequence) { return WindowClaimsShortcut(sequence); };
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { EditStateChanged(); });
    QObject::connect(edit_, &QLineEdit::selectionChanged, edit_, [this] { EditStateChanged(); });

    Declare(
        "Value", "", [this](const PropertyValue& value) { edit_->setText(detail::ToQt(value.As<std::string>())); },
        [this] { return PropertyValue(Text()); });
    Declare("MaximumCharactersAllowed", 0, [this](const PropertyValue& value) {
        if (value.As<std::int64_t>() < 0) {
            throw InvalidArgumentException(Describe() + ": MaximumCharactersAllowed cannot be negative.");
        }
    });
    Declare("ValidationMask", "", [this](const PropertyValue& value) {
        const auto& mask = value.As<std::string>();
        if (!std::all_of(mask.begin(), mask.end(), [](char c) { return c == '#'; })) {
            throw InvalidArgumentException(Describe() + ": a ValidationMask may only hold '#' (one digit each).");
        }
    });
    Declare("Password", false, [this](const PropertyValue& value) {
        edit_->setEchoMode(value.As<bool>() ? QLineEdit::Password : QLineEdit::Normal);
    });
    Declare("ReadOnly", false, [this](const PropertyValue& value) { edit_->setReadOnly(value.As<bool>()); });
    Declare("HasBorder", true, [this](const PropertyValue& value) { edit_->setFrame(value.As<bool>()); });
    Declare("Hint", "",
            [this](const PropertyValue& value) { edit_->setPlaceholderText(detail::ToQt(value.As<std::string>())); });
    Declare("AllowFocusRing", true,
            [this](const PropertyValue& value) { edit_->setAttribute(Qt::WA_MacShowFocusRect, value.As<bool>()); });
    DeclareColor("TextColor", QPalette::Text, Color{0x000000});
    DeclareColor("BackgroundColor", QPalette::Base, Color{0xFFFFFF});
    DeclareTextAlignment([this](Qt::Alignment horizontal) { edit_->setAlignment(horizontal | Qt::AlignVCenter); });
    Declare("AllowTabs", false);
    Declare("AllowSpellChecking", false);
    for (const char* kept : {"Format", "DataField", "DataSource"}) Declare(kept, "");
    DeclareFont();
    UpdateFocusPolicy();
}

bool TextField::TypedKeyFits(const std::string& key) const {
    const QString typed = detail::ToQt(key);
    if (typed.isEmpty() || typed.front() < QLatin1Char(' ') || typed.front() == QChar(0x7F))
        return true; // editing keys
    QString after = edit_->text();
    if (edit_->hasSelectedText()) {
        after.replace(edit_->selectionStart(), edit_->selectedText().size(), typed);
    } else {
        after.insert(edit_->cursorPosition(), typed);
    }
    const auto characters = static_cast<std::int64_t>(after.toUcs4().size());
    const auto maximum = Stored<std::int64_t>("MaximumCharactersAllowed");
    const auto& mask = Stored<std::string>("ValidationMask");
    if (maximum > 0 && characters > maximum) return false;
    if (mask.empty()) return true;
    return characters <= static_cast<std::int64_t>(mask.size()) && std::all_of(after.begin(), after.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

std::string TextField::Text() const {
    RequireUiThread();
    return detail::FromQt(edit_->text());
}

void TextField::SetText(const std::string& text) { SetProperty("Value", text); }

QLineEdit* TextField::Editor() const noexcept { return edit_; }

} // namespace fw
