// Each menu is appended to the bar before its items, and each item is complete before the next is
// made, so a failure part-way leaves nothing half-built in a visible menu.
#include "windows/MenuBar1.h"

#include "framework/ClassRegistry.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"

#include <string>

namespace kestrow {

namespace {

std::shared_ptr<class MenuBar1> instance;

struct ItemSpec {
    const char* name;
    const char* caption;
    const char* shortcut; // null for a separator, which keeps the shortcut it was made with
};

template <class Item = fw::MenuItem>
std::shared_ptr<fw::MenuItem> MakeItem(const ItemSpec& spec) {
    auto item = std::make_shared<Item>();
    item->SetName(spec.name);
    item->SetAutoEnabled(true);
    item->SetValue(spec.caption);
    item->SetVisible(true);
    if (spec.shortcut != nullptr) item->SetShortcut(spec.shortcut);
    return item;
}

void AddItem(fw::MenuBar& bar, const char* menuName, std::shared_ptr<fw::MenuItem> item) {
    bar.ChildAs(menuName)->AddMenu(std::move(item));
}

} // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() {
    AddMenu(MakeItem({"FileMenu", "&File", ""}));
    AddItem(*this, "FileMenu", MakeItem<fw::QuitMenuItem>({"FileQuit", "&Quit", "Cmd+Q"}));
    AddItem(*this, "FileMenu", MakeItem<fw::PrefsMenuItem>({"AboutItem", "About Title", ""}));
}

void MenuBar1::Untitled1() {
    AddMenu(MakeItem({"EditMenu", "&Edit", ""}));
    for (const ItemSpec& spec :
         {ItemSpec{"EditUndo", "&Undo", "Cmd+Z"}, ItemSpec{"UntitledMenu1", "-", nullptr},
          ItemSpec{"EditCut", "Cu&t", "Cmd+X"}, ItemSpec{"EditCopy", "&Copy", "Cmd+C"},
          ItemSpec{"EditPaste", "&Paste", "Cmd+V"}, ItemSpec{"EditClear", "&Delete", ""},
          ItemSpec{"UntitledMenu0", "-", nullptr}, ItemSpec{"EditSelectAll", "Select &All", "Cmd+A"}}) {
        AddItem(*this, "EditMenu", MakeItem(spec));
    }
}

void MenuBar1::Untitled2() {
    AddMenu(MakeItem({"InfoMenu", "Window", ""}));
    AddItem(*this, "InfoMenu", MakeItem({"ControlItem", "Control", ""}));
    AddItem(*this, "InfoMenu", MakeItem({"InfoItem", "Info", ""}));
}

void MenuBar1::Register() { fw::RegisterClass(kClassName, "MenuBar", {}); }

std::shared_ptr<class MenuBar1> MenuBar1() {
    if (!instance) instance = std::make_shared<class MenuBar1>();
    return instance;
}

} // namespace kestrow
