// The text area's Qt widget, with its key filter. Where Tab changes the focus, Tab never writes a
// tab: Qt's QPlainTextEdit inserts one when no other control of its window takes the focus.
#pragma once

#include "framework/detail/KeyText.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace fw::detail {

class PlainTextEdit : public KeyFiltered<QPlainTextEdit> {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (tab && tabChangesFocus()) return;
        KeyFiltered::keyPressEvent(event);
    }
};

} // namespace fw::detail
