// The window's ways to the other windows: "?" and Window > Info, About Title, and back by
// Window > Control from the help window.
#include "ExperimentTest.h"

#include <QAction>

namespace {

void Trigger(const fw::Window& window, const std::string& item) {
    QAction* action = window.MenuAction(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
}

bool WaitActive(const char* className) {
    return QTest::qWaitFor([className] { return ExperimentTest::IsActive(className); });
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

TEST_F(CommandTest, ControlInTheHelpWindowBringsBackTheSameExperimentWindow) {
    Press(Wnd(), "calcBtn");
    const std::string results = Wnd().outFld().Text();
    const fw::Window* experiment = &Wnd();
    Press(Wnd(), "helpBtn");
    ASSERT_TRUE(WaitActive("helpWnd.helpWnd"));
    Trigger(*OpenWindow("helpWnd.helpWnd"), "ControlItem");
    EXPECT_TRUE(WaitActive("ControlWnd.ControlWnd"));
    EXPECT_EQ(&Wnd(), experiment);
    EXPECT_EQ(Wnd().outFld().Text(), results);
}

}  // namespace
