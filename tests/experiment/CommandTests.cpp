// The window's menu commands: "?" and Window > Info bring up one help window, About Title the same
// hidden About window, and the Edit menu's standard commands work in the filtered fields.
#include "ExperimentTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

namespace {

void Trigger(const fw::Window& window, const std::string& item) {
    QAction* action = window.MenuAction(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
}

using CommandTest = ExperimentTest;

TEST_F(CommandTest, HelpButtonAndInfoBringUpOneHelpWindow) {
    Press(Wnd(), "helpBtn");
    ASSERT_TRUE(WaitActive("helpWnd.helpWnd"));
    const fw::Window* help = OpenWindow("helpWnd.helpWnd");
    Trigger(Wnd(), "InfoItem");
    Press(Wnd(), "helpBtn");
    EXPECT_EQ(OpenCount("helpWnd.helpWnd"), 1);
    EXPECT_EQ(OpenWindow("helpWnd.helpWnd"), help);
}

TEST_F(CommandTest, AboutShowsTheSameHiddenAboutWindow) {
    const fw::Window* about = OpenWindow("AboutWnd.AboutWnd");
    ASSERT_FALSE(IsShown("AboutWnd.AboutWnd"));
    Trigger(Wnd(), "AboutItem");
    EXPECT_TRUE(WaitActive("AboutWnd.AboutWnd"));
    EXPECT_EQ(OpenWindow("AboutWnd.AboutWnd"), about);
    EXPECT_EQ(OpenCount("AboutWnd.AboutWnd"), 1);
}

// The Edit menu's items are the standard commands: without a handler they edit the focused field.
TEST_F(CommandTest, EditCommandsEditTheFocusedField) {
    ASSERT_TRUE(WaitForFocus("totalFld"));
    for (const auto& [item, text] : {std::pair{"EditSelectAll", "10"}, {"EditCut", ""}, {"EditPaste", "10"}, {"EditUndo", ""},
                                     {"EditPaste", "10"}, {"EditSelectAll", "10"}, {"EditCopy", "10"}, {"EditClear", ""}}) {
        Trigger(Wnd(), item);
        EXPECT_EQ(Wnd().totalFld().Text(), text) << item;
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10"));
    EXPECT_EQ(Wnd().FileQuit()->ClassName(), "QuitMenuItem");  // the standard kinds, checked on look-up
    EXPECT_EQ(Wnd().AboutItem()->ClassName(), "PrefsMenuItem");
}

}  // namespace
