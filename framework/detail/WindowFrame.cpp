// Event routing from the Qt frame to its Window. Presses on labels and pictures reach the frame
// because those widgets ignore them; keys reach it when no control of the window has the focus.
#include "framework/detail/WindowFrame.h"

#include "framework/Window.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace fw::detail {

WindowFrame::WindowFrame(Window& owner)
    : QWidget(nullptr), owner_(owner), hooks_{[this](const std::string& key) { return owner_.DeliverKey(key); }, {}} {}

bool WindowFrame::event(QEvent* event) {
    if (FilterKeyEvent(event, hooks_)) return true;
    return QWidget::event(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    owner_.DeliverUserClose();
}

void WindowFrame::mousePressEvent(QMouseEvent* event) {
    const QPoint at = owner_.Content()->mapFrom(this, event->position().toPoint());
    event->accept();
    owner_.DeliverMouseDown(at.x(), at.y());
}

} // namespace fw::detail
