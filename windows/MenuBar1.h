// The program's one menu bar: File, Edit and Window. Built once by its accessor and shared by the
// application and the experiment and help windows; windows register their commands by item name.
#pragma once

#include "framework/MenuBar.h"

#include <memory>

namespace kestrow {

class MenuBar1 : public fw::MenuBar {
public:
    static constexpr const char* kClassName = "MenuBar1";

    // Builds the three menus, in display order.
    MenuBar1();
    std::string ClassName() const override { return kClassName; }

    void Untitled0(); // File
    void Untitled1(); // Edit
    void Untitled2(); // Window

    static void Register();
};

// The single instance, built on the first call; a failed build leaves none, so the next call
// starts afresh.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // named after its class on purpose
std::shared_ptr<class MenuBar1> MenuBar1();
#pragma GCC diagnostic pop

} // namespace kestrow
