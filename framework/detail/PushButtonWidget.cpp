// The press goes to the program first. If the handler ran a modal box, that box took the release
// of this press, so the button is not pressed down now (it would stay looking pressed).
#include "framework/detail/PushButtonWidget.h"

#include "framework/Alerts.h"

#include <QMouseEvent>

namespace fw::detail {

void PushButtonWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onPress) {
        const unsigned modalSessions = ModalSessionCount();
        const bool taken = onPress(event->position().toPoint());
        if (taken || ModalSessionCount() != modalSessions || !isVisible() || !isEnabled()) {
            event->accept();
            return;
        }
    }
    QPushButton::mousePressEvent(event);
}

} // namespace fw::detail
