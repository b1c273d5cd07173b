// Key filtering for single-line fields.
#include "framework/detail/LineEdit.h"

#include <QEvent>

namespace fw::detail {

bool LineEdit::event(QEvent* event) {
    if (FilterKeyEvent(event, hooks)) return true;
    const bool result = QLineEdit::event(event);
    // The field had its KeyDown: a key it ignores (Return, Escape) does not go on to the window.
    if (event->type() == QEvent::KeyPress) event->accept();
    return result;
}

} // namespace fw::detail
