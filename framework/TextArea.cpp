// TextArea on QPlainTextEdit, which lays out only what is visible and so takes large texts fast.
// Alignment applies to every line through the document's default text option.
#include "framework/TextArea.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/Numbers.h"
#include "framework/detail/PlainTextEdit.h"
#include "framework/detail/QtText.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace fw {
namespace {

struct InternalChange {
    explicit InternalChange(int& depth) : depth_(depth) { ++depth_; }
    ~InternalChange() { --depth_; }
    InternalChange(const InternalChange&) = delete;
    InternalChange& operator=(const InternalChange&) = delete;
    int& depth_;
};

} // namespace

TextArea::TextArea(Window& owner)
    : RectControl(owner, new detail::PlainTextEdit, true), edit_(static_cast<detail::PlainTextEdit*>(Widget())) {
    edit_->setTabChangesFocus(true);
    edit_->hooks.keyDown = [this](const std::string& key) { return RaiseKeyDown(KeyDown, *this, key); };
    edit_->hooks.claimsShortcut = [this](const QKeySequence& sequence) { return WindowClaimsShortcut(sequence); };
    QObject::connect(edit_->document(), &QTextDocument::contentsChange, edit_,
                     [this](int position, int, int added) { OnContentsChange(position, added); });
    for (auto signal : {&QPlainTextEdit::selectionChanged, &QPlainTextEdit::textChanged}) {
        QObject::connect(edit_, signal, edit_, [this] { EditStateChanged(); });
    }
    QObject::connect(edit_, &QPlainTextEdit::undoAvailable, edit_, [this] { EditStateChanged(); });

    Declare(
        "Value", "", [this](const PropertyValue& value) { SetText(value.As<std::string>()); },
        [this] { return PropertyValue(Text()); });
    Declare("ReadOnly", false, [this](const PropertyValue& value) { edit_->setReadOnly(value.As<bool>()); });
    Declare("HasBorder", true, [this](const PropertyValue& value) {
        edit_->setFrameShape(value.As<bool>() ? QFrame::StyledPanel : QFrame::NoFrame);
    });
    const Apply scrollbars = [this](const PropertyValue&) { ApplyWrapAndScrollbars(); };
    Declare("HasHorizontalScrollbar", false, scrollbars);
    Declare("HasVerticalScrollbar", true, scrollbars);
    Declare("MaximumCharactersAllowed", 0, [this](const PropertyValue& value) {
        if (value.As<std::int64_t>() < 0) {
            throw InvalidArgumentException(Describe() + ": MaximumCharactersAllowed cannot be negative.");
        }
    });
    Declare("AllowTabs", false, [this](const PropertyValue& value) { edit_->setTabChangesFocus(!value.As<bool>()); });
    Declare("AllowFocusRing", true,
            [this](const PropertyValue& value) { edit_->setAttribute(Qt::WA_MacShowFocusRect, value.As<bool>()); });
    DeclareColor("TextColor", QPalette::Text, Color{0x000000});
    DeclareColor("BackgroundColor", QPalette::Base, Color{0xFFFFFF});
    DeclareTextAlignment([this](Qt::Alignment horizontal) {
        QTextOption option = edit_->document()->defaultTextOption();
        option.setAlignment(horizontal);
        InternalChange internal(internalChange_);
        edit_->document()->setDefaultTextOption(option);
    });
    for (const char* kept : {"Multiline", "AllowStyledText", "HideSelection"}) Declare(kept, true);
    Declare("AllowSpellChecking", false);
    Declare("LineHeight", 0.0);
    Declare("LineSpacing", 1.0);
    for (const char* kept : {"ValidationMask", "Format", "DataField", "DataSource"}) Declare(kept, "");
    DeclareFont();
    ApplyWrapAndScrollbars();
    UpdateFocusPolicy();
}

void TextArea::ApplyWrapAndScrollbars() {
    const bool horizontal = Stored<bool>("HasHorizontalScrollbar");
    edit_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit_->setVerticalScrollBarPolicy(Stored<bool>("HasVerticalScrollbar") ? Qt::ScrollBarAsNeeded
                                                                           : Qt::ScrollBarAlwaysOff);
}

const std::string& TextArea::Text() const {
    RequireUiThread();
    if (!userEdited_) return lastSet_;
    QString text = edit_->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            c = QLatin1Char('\r');
    }
    edited_ = detail::FromQt(text);
    return edited_;
}

void TextArea::SetText(std::string text) {
    RequireUiThread();
    InternalChange internal(internalChange_);
    QTextDocument* document = edit_->document();
    const bool extends = !userEdited_ && !styled_ && !lastSet_.empty() && text.size() > lastSet_.size() &&
                         text.compare(0, lastSet_.size(), lastSet_) == 0;
    if (extends) {
        QTextCursor cursor(document);
        cursor.movePosition(QTextCursor::End);
        document->setUndoRedoEnabled(false); // like a whole set, a programmatic append is not undoable
        cursor.insertText(detail::ToQtLines(text.substr(lastSet_.size())), QTextCharFormat());
        document->setUndoRedoEnabled(true);
    } else {
        edit_->setPlainText(detail::ToQtLines(text));
        styled_ = false;
    }
    lastSet_ = std::move(text);
    userEdited_ = false;
    edited_.clear();
    // A limit also holds for texts set by the program.
    const auto maximum = Stored<std::int64_t>("MaximumCharactersAllowed");
    if (maximum > 0 && document->characterCount() - 1 > maximum) {
        QTextCursor cursor(document);
        cursor.setPosition(DocumentPosition(maximum));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        userEdited_ = true;
    }
}

void TextArea::OnContentsChange(int position, int added) {
    if (internalChange_ > 0) return;
    userEdited_ = true;
    const auto maximum = Stored<std::int64_t>("MaximumCharactersAllowed");
    QTextDocument* document = edit_->document();
    const int excess = document->characterCount() - 1 - detail::ClampToInt(maximum);
    if (maximum <= 0 || excess <= 0) return;
    // Keep the start of what was typed or pasted, up to the limit.
    InternalChange internal(internalChange_);
    QTextCursor cursor(document);
    cursor.setPosition(position + added - std::min(excess, added));
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

fw::StyledText TextArea::StyledText() {
    RequireUiThread();
    return fw::StyledText(*this);
}

QPlainTextEdit* TextArea::Editor() const noexcept { return edit_; }

void TextArea::Opened() {
    if (Open.IsBound()) Open.Raise(*this);
}

int TextArea::DocumentPosition(std::int64_t characters) const {
    // Document positions count UTF-16 units; a character beyond the BMP takes two.
    const QString text = edit_->document()->toRawText();
    qsizetype unit = 0;
    for (std::int64_t counted = 0; counted < characters && unit < text.size(); ++counted) {
        unit += text.at(unit).isHighSurrogate() && unit + 1 < text.size() ? 2 : 1;
    }
    return static_cast<int>(unit);
}

} // namespace fw
