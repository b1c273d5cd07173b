// The experiment window's design: its own property table and one table per control, as data.
// ControlWnd applies them while the framework constructs the window; nothing changes them later.
#pragma once

#include "framework/PropertyValue.h"

#include <string>

namespace kestrow {

// The window's own table.
fw::PropertyTable ControlWndTable();

// The table of the control of that name (one of the nineteen); InvalidArgumentException for
// another name.
fw::PropertyTable ControlWndControlTable(const std::string& name);

} // namespace kestrow
