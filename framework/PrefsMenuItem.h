// The preferences item. It does only what a window's handler does (disabled without one); on
// macOS it is shown in the application menu.
#pragma once

#include "framework/MenuItem.h"

namespace fw {

class PrefsMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "PrefsMenuItem"; }
};

} // namespace fw
