// A one-line text field.
//
// KeyDown(field, key) runs before the field handles a typed key: the key comes as text (a printable
// key as its character, an editing or movement key as its code in framework/KeyCodes.h); true drops
// the key, false lets the field handle it (insert, move the caret, move the focus on Tab). Keys with
// the command modifier are menu shortcuts and a modifier alone raises nothing.
//
// Properties (besides RectControl's and the font ones): Value: Text — the text (as Text());
// TabStop: Boolean = true; MaximumCharactersAllowed: Integer = 0 (0 no limit);
// ValidationMask: Text = "" — "#" stands for one digit, so "###" accepts up to three digits ("" accepts
// anything). The limit and the mask hold for typed keys, which are dropped (silently, after KeyDown
// let them through) when they would break either; text that arrives otherwise (pasted, dropped, set
// by the program) goes in whole, for the program to judge. Password, ReadOnly: Boolean = false; HasBorder: Boolean = true;
// Hint: Text (placeholder); TextColor: Color = &h000000; BackgroundColor: Color = &hFFFFFF;
// TextAlignment: Integer = 0; AllowFocusRing: Boolean = true;
// AllowTabs, AllowSpellChecking: Boolean; Format, DataField, DataSource: Text — kept.
#pragma once

#include "framework/Event.h"
#include "framework/RectControl.h"

class QLineEdit;

namespace fw {

namespace detail {
class LineEdit;
}

class TextField : public RectControl {
public:
    explicit TextField(Window& owner);

    std::string Text() const;
    void SetText(const std::string& text);

    Event<bool(TextField&, const std::string&)> KeyDown;

    std::string ClassName() const override { return "TextField"; }
    QLineEdit* Editor() const noexcept;

private:
    // Whether typing `key` keeps the text within the limit and the mask.
    bool TypedKeyFits(const std::string& key) const;

    detail::LineEdit* edit_;
};

} // namespace fw
