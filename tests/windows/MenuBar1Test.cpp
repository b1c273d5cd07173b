// The menu bar's exact contents, in display order: windows find items by these names, and the
// captions and shortcuts are what the user reads and types.
#include "windows/MenuBar1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
    std::string path;  // menu/item, or the menu's name alone
    std::string kind;
    std::string caption;
    std::string shortcut;
};

TEST(MenuBar1Test, MenusAndItemsInDisplayOrderBuiltOnce) {
    const std::vector<Row> expected = {
        {"FileMenu", "MenuItem", "&File", ""},
        {"FileMenu/FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
        {"FileMenu/AboutItem", "PrefsMenuItem", "About Title", ""},
        {"EditMenu", "MenuItem", "&Edit", ""},
        {"EditMenu/EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
        {"EditMenu/UntitledMenu1", "MenuItem", "-", ""},
        {"EditMenu/EditCut", "MenuItem", "Cu&t", "Cmd+X"},
        {"EditMenu/EditCopy", "MenuItem", "&Copy", "Cmd+C"},
        {"EditMenu/EditPaste", "MenuItem", "&Paste", "Cmd+V"},
        {"EditMenu/EditClear", "MenuItem", "&Delete", ""},
        {"EditMenu/UntitledMenu0", "MenuItem", "-", ""},
        {"EditMenu/EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
        {"InfoMenu", "MenuItem", "Window", ""},
        {"InfoMenu/ControlItem", "MenuItem", "Control", ""},
        {"InfoMenu/InfoItem", "MenuItem", "Info", ""},
    };
    const auto bar = kestrow::MenuBar1();
    EXPECT_EQ(bar, kestrow::MenuBar1());
    std::vector<Row> actual;
    for (std::size_t m = 0; m < bar->Count(); ++m) {
        const auto menu = bar->Item(m);
        actual.push_back({menu->Name(), menu->ClassName(), menu->Value(), menu->Shortcut()});
        for (std::size_t i = 0; i < menu->Count(); ++i) {
            const auto item = menu->Item(i);
            actual.push_back({menu->Name() + "/" + item->Name(), item->ClassName(), item->Value(), item->Shortcut()});
            EXPECT_TRUE(item->AutoEnabled() && item->Visible()) << item->Name();
        }
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].path, expected[i].path);
        EXPECT_EQ(actual[i].kind, expected[i].kind) << expected[i].path;
        EXPECT_EQ(actual[i].caption, expected[i].caption) << expected[i].path;
        EXPECT_EQ(actual[i].shortcut, expected[i].shortcut) << expected[i].path;
    }
}

}  // namespace
