// Backdrop painting.
#include "framework/detail/CanvasWidget.h"

#include "framework/Picture.h"

#include <QPainter>

namespace fw::detail {

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (!backdrop) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), backdrop->Image());
}

} // namespace fw::detail
