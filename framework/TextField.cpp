// TextField on QLineEdit. The validation mask becomes a validator, which QLineEdit applies to
// typing and pasting alike.
#include "framework/TextField.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/LineEdit.h"
#include "framework/detail/Numbers.h"
#include "framework/detail/QtText.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace fw {

TextField::TextField(Window& owner)
    : RectControl(owner, new detail::LineEdit, true), edit_(static_cast<detail::LineEdit*>(Widget())) {
    edit_->hooks.keyDown = [this](const std::string& key) { return RaiseKeyDown(KeyDown, *this, key); };
    edit_->hooks.claimsShortcut = [this](const QKeySequence& sequence) { return WindowClaimsShortcut(sequence); };
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { EditStateChanged(); });
    QObject::connect(edit_, &QLineEdit::selectionChanged, edit_, [this] { EditStateChanged(); });

    Declare("Value", "", [this](const PropertyValue& value) { edit_->setText(detail::ToQt(value.As<std::string>())); },
            [this] { return PropertyValue(Text()); });
    Declare("MaximumCharactersAllowed", 0, [this](const PropertyValue& value) {
        const auto maximum = value.As<std::int64_t>();
        if (maximum < 0) throw InvalidArgumentException(Describe() + ": MaximumCharactersAllowed cannot be negative.");
        edit_->setMaxLength(maximum == 0 ? 32767 : detail::ClampToInt(maximum, 1, 32767));
    });
    Declare("ValidationMask", "", [this](const PropertyValue& value) { ApplyMask(value.As<std::string>()); });
    Declare("Password", false, [this](const PropertyValue& value) {
        edit_->setEchoMode(value.As<bool>() ? QLineEdit::Password : QLineEdit::Normal);
    });
    Declare("ReadOnly", false, [this](const PropertyValue& value) { edit_->setReadOnly(value.As<bool>()); });
    Declare("HasBorder", true, [this](const PropertyValue& value) { edit_->setFrame(value.As<bool>()); });
    Declare("Hint", "", [this](const PropertyValue& value) { edit_->setPlaceholderText(detail::ToQt(value.As<std::string>())); });
    Declare("AllowFocusRing", true, [this](const PropertyValue& value) {
        edit_->setAttribute(Qt::WA_MacShowFocusRect, value.As<bool>());
    });
    DeclareColor("TextColor", QPalette::Text, Color{0x000000});
    DeclareColor("BackgroundColor", QPalette::Base, Color{0xFFFFFF});
    DeclareTextAlignment([this](Qt::Alignment horizontal) { edit_->setAlignment(horizontal | Qt::AlignVCenter); });
    Declare("AllowTabs", false);
    Declare("AllowSpellChecking", false);
    for (const char* kept : {"Format", "DataField", "DataSource"}) Declare(kept, "");
    DeclareFont();
    UpdateFocusPolicy();
}

void TextField::ApplyMask(const std::string& mask) {
    if (!std::all_of(mask.begin(), mask.end(), [](char c) { return c == '#'; })) {
        throw InvalidArgumentException(Describe() + ": a ValidationMask may only hold '#' (one digit each).");
    }
    const QValidator* old = edit_->validator();
    if (mask.empty()) {
        edit_->setValidator(nullptr);
    } else {
        const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(mask.size()));
        edit_->setValidator(new QRegularExpressionValidator(digits, edit_));
    }
    delete old;
}

std::string TextField::Text() const {
    RequireUiThread();
    return detail::FromQt(edit_->text());
}

void TextField::SetText(const std::string& text) { SetProperty("Value", text); }

QLineEdit* TextField::Editor() const noexcept { return edit_; }

} // namespace fw
