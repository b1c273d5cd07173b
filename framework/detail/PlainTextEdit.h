// QPlainTextEdit that runs its TextArea's key filter first and keeps handled keys from its window.
#pragma once

#include "framework/detail/KeyText.h"

#include <QPlainTextEdit>

namespace fw::detail {

class PlainTextEdit : public QPlainTextEdit {
public:
    KeyHooks hooks;

protected:
    bool event(QEvent* event) override;
};

} // namespace fw::detail
