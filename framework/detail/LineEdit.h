// QLineEdit that runs its TextField's key filter first and keeps handled keys from its window.
#pragma once

#include "framework/detail/KeyText.h"

#include <QLineEdit>

namespace fw::detail {

class LineEdit : public QLineEdit {
public:
    KeyHooks hooks;

protected:
    bool event(QEvent* event) override;
};

} // namespace fw::detail
