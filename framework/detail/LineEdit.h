// The single-line field's Qt widget, with its key filter. Its selection outlasts the menu bar's
// keyboard focus, so that the Edit menu opened from the keyboard acts on it as from the mouse.
#pragma once

#include "framework/detail/KeyText.h"

#include <QLineEdit>

namespace fw::detail {

class LineEdit : public KeyFiltered<QLineEdit> {
public:
    LineEdit();
    ~LineEdit() override;
    LineEdit(const LineEdit&) = delete;
    LineEdit& operator=(const LineEdit&) = delete;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool heldForMenuBar_ = false; // the focus went to a menu bar and has not moved on since
    QMetaObject::Connection focusMoves_;
};

} // namespace fw::detail
