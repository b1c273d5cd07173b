// The one menu bar: its menus and items in display order with their kinds, captions and
// shortcuts, and one shared instance behind the application and both windows that install it.
#include "AppTest.h"

#include "experiment/ControlWnd.h"
#include "framework/Application.h"
#include "framework/Runtime.h"
#include "help/helpWnd.h"
#include "shell/MenuBar1.h"

namespace {

// "parent > name [kind] caption shortcut", with the flags when an item is not auto-enabled and visible.
void Walk(const fw::MenuItem& parent, std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        const auto item = parent.Item(i);
        rows.push_back((parent.Name().empty() ? "bar" : parent.Name()) + " > " + item->Name() + " [" + item->ClassName() +
                       "] " + item->Value() + " " + item->Shortcut() +
                       (item->AutoEnabled() && item->Visible() ? "" : " (flags)"));
        Walk(*item, rows);
    }
}

using MenuBarTest = AppTest;

TEST_F(MenuBarTest, ShowsTheMenusAndItemsInOrder) {
    const std::vector<std::string> expected = {
        "bar > FileMenu [MenuItem] &File ",
        "FileMenu > FileQuit [QuitMenuItem] &Quit Cmd+Q",
        "FileMenu > AboutItem [PrefsMenuItem] About Title ",
        "bar > EditMenu [MenuItem] &Edit ",
        "EditMenu > EditUndo [MenuItem] &Undo Cmd+Z",
        "EditMenu > UntitledMenu1 [MenuItem] - ",
        "EditMenu > EditCut [MenuItem] Cu&t Cmd+X",
        "EditMenu > EditCopy [MenuItem] &Copy Cmd+C",
        "EditMenu > EditPaste [MenuItem] &Paste Cmd+V",
        "EditMenu > EditClear [MenuItem] &Delete ",
        "EditMenu > UntitledMenu0 [MenuItem] - ",
        "EditMenu > EditSelectAll [MenuItem] Select &All Cmd+A",
        "bar > InfoMenu [MenuItem] Window ",
        "InfoMenu > ControlItem [MenuItem] Control ",
        "InfoMenu > InfoItem [MenuItem] Info ",
    };
    std::vector<std::string> rows;
    Walk(*kestrow::MenuBar1(), rows);
    EXPECT_EQ(rows, expected);
}

TEST_F(MenuBarTest, IsOneInstanceForTheApplicationAndBothWindows) {
    const auto bar = kestrow::MenuBar1();
    EXPECT_EQ(kestrow::MenuBar1(), bar);
    EXPECT_EQ(fw::RuntimeAppObject()->MenuBar(), bar);
    EXPECT_EQ(kestrow::ControlWnd().MenuBar(), bar);
    EXPECT_EQ(kestrow::helpWnd().MenuBar(), bar);
    EXPECT_EQ(bar->Count(), 3u); // installing it again built nothing more
}

}  // namespace
