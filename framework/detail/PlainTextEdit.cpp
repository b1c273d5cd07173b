// Key filtering for text areas.
#include "framework/detail/PlainTextEdit.h"

#include <QEvent>

namespace fw::detail {

bool PlainTextEdit::event(QEvent* event) {
    if (FilterKeyEvent(event, hooks)) return true;
    const bool result = QPlainTextEdit::event(event);
    if (event->type() == QEvent::KeyPress) event->accept();
    return result;
}

} // namespace fw::detail
