// The single-line field's Qt widget, with its key filter.
#pragma once

#include "framework/detail/KeyText.h"

#include <QLineEdit>

namespace fw::detail {

class LineEdit : public KeyFiltered<QLineEdit> {};

} // namespace fw::detail
