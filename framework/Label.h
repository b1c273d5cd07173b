// A static text. Presses on a label go on to the window (its MouseDown); a label never takes the focus.
//
// Properties (besides RectControl's and the font ones): Value: Text — the text, CR ends a line;
// Multiline: Boolean = false — wraps long lines; Selectable: Boolean = false; TextColor: Color =
// &h000000; TextAlignment: Integer = 0; DataField, DataSource: Text — kept.
#pragma once

#include "framework/RectControl.h"

class QLabel;

namespace fw {

class Label : public RectControl {
public:
    explicit Label(Window& owner);

    std::string Text() const;
    void SetText(const std::string& text);

    std::string ClassName() const override { return "Label"; }

protected:
    Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;

private:
    QLabel* label_;
};

} // namespace fw
