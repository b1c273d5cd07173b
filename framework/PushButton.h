// A push button that acts on the mouse press.
//
// MouseDown(button, x, y) runs when the left mouse button goes down on the button, before the
// button's own handling, with the press position in the button; true takes the press away, false
// lets the button go on. With TabStop false (the default) the button never takes the focus and no
// key activates it. Default does not make Return activate it: only the press is reported.
//
// Properties (besides RectControl's and the font ones): Caption: Text; TabStop: Boolean = false;
// Default, Cancel: Boolean; MacButtonStyle: Integer — kept.
#pragma once

#include "framework/Event.h"
#include "framework/RectControl.h"

#include <cstdint>

class QPushButton;

namespace fw {

namespace detail {
class PushButtonWidget;
}

class PushButton : public RectControl {
public:
    explicit PushButton(Window& owner);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    Event<bool(PushButton&, std::int64_t, std::int64_t)> MouseDown;

    std::string ClassName() const override { return "PushButton"; }
    QPushButton* Button() const noexcept;

protected:
    Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;
    void FocusPolicyChanged() override;

private:
    void ApplyCaption();

    detail::PushButtonWidget* button_;
};

} // namespace fw
