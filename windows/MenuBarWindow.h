// Base of the windows that show the shared menu bar: one accessor per menu and item of MenuBar1,
// each a checked look-up by name below the window's own menu bar on every call.
#pragma once

#include "framework/MenuBar.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/Window.h"

#include <memory>
#include <string>

namespace kestrow {

class MenuBarWindow : public fw::Window {
public:
    using fw::Window::Window;

    // Every menu and item has its accessor, whether or not the program calls it: kept on purpose.
    std::shared_ptr<fw::MenuItem> InfoMenu() const;
    std::shared_ptr<fw::MenuItem> InfoItem() const;
    std::shared_ptr<fw::MenuItem> ControlItem() const;
    std::shared_ptr<fw::MenuItem> EditMenu() const;
    std::shared_ptr<fw::MenuItem> EditSelectAll() const;
    std::shared_ptr<fw::MenuItem> UntitledMenu0() const;
    std::shared_ptr<fw::MenuItem> EditClear() const;
    std::shared_ptr<fw::MenuItem> EditPaste() const;
    std::shared_ptr<fw::MenuItem> EditCopy() const;
    std::shared_ptr<fw::MenuItem> EditCut() const;
    std::shared_ptr<fw::MenuItem> UntitledMenu1() const;
    std::shared_ptr<fw::MenuItem> EditUndo() const;
    std::shared_ptr<fw::MenuItem> FileMenu() const;
    std::shared_ptr<fw::PrefsMenuItem> AboutItem() const;
    std::shared_ptr<fw::QuitMenuItem> FileQuit() const;

private:
    // NilObjectException without a menu bar or item, IllegalCastException for another class.
    template <class T = fw::MenuItem>
    std::shared_ptr<T> Item(const std::string& name) const {
        return fw::NotNil(MenuBar()).LookupAs<T>(name);
    }
};

} // namespace kestrow
