// The menu accessors: each looks its item up by name below the window's menu bar on every call.
#include "windows/MenuBarWindow.h"

namespace kestrow {

std::shared_ptr<fw::MenuItem> MenuBarWindow::InfoMenu() const { return Item("InfoMenu"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::InfoItem() const { return Item("InfoItem"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::ControlItem() const { return Item("ControlItem"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditMenu() const { return Item("EditMenu"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditSelectAll() const { return Item("EditSelectAll"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::UntitledMenu0() const { return Item("UntitledMenu0"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditClear() const { return Item("EditClear"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditPaste() const { return Item("EditPaste"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditCopy() const { return Item("EditCopy"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditCut() const { return Item("EditCut"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::UntitledMenu1() const { return Item("UntitledMenu1"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::EditUndo() const { return Item("EditUndo"); }
std::shared_ptr<fw::MenuItem> MenuBarWindow::FileMenu() const { return Item("FileMenu"); }
std::shared_ptr<fw::PrefsMenuItem> MenuBarWindow::AboutItem() const { return Item<fw::PrefsMenuItem>("AboutItem"); }
std::shared_ptr<fw::QuitMenuItem> MenuBarWindow::FileQuit() const { return Item<fw::QuitMenuItem>("FileQuit"); }

} // namespace kestrow
