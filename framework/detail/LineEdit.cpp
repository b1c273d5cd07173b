// QLineEdit drops its selection on focus out unless a popup or another window takes the focus.
// To a menu bar the field keeps it; once the focus moves on to another control of the window, the
// field drops it then, as it would have had that control taken the focus from it directly.
#include "framework/detail/LineEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>

namespace fw::detail {

LineEdit::LineEdit() {
    focusMoves_ = QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!heldForMenuBar_ || now == nullptr || qobject_cast<QMenuBar*>(now) != nullptr) return;
        heldForMenuBar_ = false;
        if (now != this && now->window() == window()) deselect();
    });
}

// Before QWidget's destructor, whose focus change would otherwise reach a field already gone.
LineEdit::~LineEdit() { QObject::disconnect(focusMoves_); }

void LineEdit::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::MenuBarFocusReason) {
        KeyFiltered::focusOutEvent(event);
        return;
    }
    heldForMenuBar_ = true;
    QFocusEvent keepsSelection(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    KeyFiltered::focusOutEvent(&keepsSelection);
}

} // namespace fw::detail
