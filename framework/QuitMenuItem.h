// The Quit command's item. With no handler in the window, choosing it ends the application with 0;
// on macOS it is shown in the application menu.
#pragma once

#include "framework/MenuItem.h"

namespace fw {

class QuitMenuItem : public MenuItem {
public:
    std::string ClassName() const override { return "QuitMenuItem"; }
};

} // namespace fw
