// The text area's Qt widget, with its key filter.
#pragma once

#include "framework/detail/KeyText.h"

#include <QPlainTextEdit>

namespace fw::detail {

class PlainTextEdit : public KeyFiltered<QPlainTextEdit> {};

} // namespace fw::detail
