// QPushButton that reports the mouse press to its PushButton before handling it itself.
#pragma once

#include <QPushButton>
#include <functional>

namespace fw::detail {

class PushButtonWidget : public QPushButton {
public:
    // Called with the press position; true takes the press away from the button.
    std::function<bool(const QPoint&)> onPress;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace fw::detail
