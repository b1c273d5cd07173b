// A multi-line, scrolling text area. Text uses CR line ends: Text() returns exactly what was last
// set until the user edits it, and then the edited text with a CR ending each line. Setting a text
// that extends the current one only appends the new part, so a text grown line by line stays cheap.
//
// KeyDown(area, key): as for TextField. Open(area): raised once, after the window's CreateControls
// step (so after the table applied there), before the window first shows.
//
// Properties (besides RectControl's and the font ones): Value: Text — the text (as Text());
// TabStop: Boolean = true; ReadOnly: Boolean = false; HasBorder: Boolean = true;
// HasHorizontalScrollbar: Boolean = false — true keeps lines unwrapped and scrolls sideways;
// HasVerticalScrollbar: Boolean = true; MaximumCharactersAllowed: Integer = 0 (0 no limit);
// AllowTabs: Boolean = false — true makes Tab insert a tab instead of moving the focus;
// TextColor: Color = &h000000; BackgroundColor: Color = &hFFFFFF; TextAlignment: Integer = 0;
// AllowFocusRing: Boolean = true; Multiline, AllowStyledText, HideSelection, AllowSpellChecking:
// Boolean; LineHeight, LineSpacing: Double; ValidationMask, Format, DataField, DataSource: Text — kept.
#pragma once

#include "framework/Event.h"
#include "framework/RectControl.h"
#include "framework/StyledText.h"

#include <string>

class QPlainTextEdit;

namespace fw {

namespace detail {
class PlainTextEdit;
}

class TextArea : public RectControl {
public:
    explicit TextArea(Window& owner);

    // The reference stays valid until the text next changes.
    const std::string& Text() const;
    void SetText(std::string text);
    // Character styles of the text; positions count characters, each line end as one.
    fw::StyledText StyledText();

    Event<bool(TextArea&, const std::string&)> KeyDown;
    Event<void(TextArea&)> Open;

    std::string ClassName() const override { return "TextArea"; }
    QPlainTextEdit* Editor() const noexcept;

private:
    friend class fw::StyledText;
    void Opened() override;
    void ApplyWrapAndScrollbars();
    void OnContentsChange(int position, int added);
    // The document position of the character at `characters` (counted in code points).
    int DocumentPosition(std::int64_t characters) const;

    detail::PlainTextEdit* edit_;
    std::string lastSet_;
    mutable std::string edited_; // the user's edited text, as last read
    bool userEdited_ = false;    // the document no longer holds lastSet_
    bool styled_ = false;        // styles were set, so appending must not extend them
    int internalChange_ = 0;     // our own changes are not the user's edits
};

} // namespace fw
