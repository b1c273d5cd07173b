// The window's menu commands as the user picks them: "?" and Window > Info bring up one help
// window, File > About Title the same hidden About window, and the Edit shortcuts edit the focused
// field. (File > Quit and its shortcut end the program: the start-up tests run them in a child.)
#include "ExperimentTest.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <tuple>

namespace {

using CommandTest = ExperimentTest;

TEST_F(CommandTest, HelpButtonAndInfoBringUpOneHelpWindow) {
    Press(Wnd(), "helpBtn");
    ASSERT_TRUE(WaitActive("helpWnd.helpWnd"));
    const fw::Window* help = OpenWindow("helpWnd.helpWnd");
    ASSERT_NO_FATAL_FAILURE(ShowActive(Wnd()));
    Pick(Wnd(), "Window", "Info");
    EXPECT_TRUE(WaitActive("helpWnd.helpWnd"));
    Press(Wnd(), "helpBtn");
    EXPECT_EQ(OpenCount("helpWnd.helpWnd"), 1);
    EXPECT_EQ(OpenWindow("helpWnd.helpWnd"), help);
}

TEST_F(CommandTest, AboutTitleShowsTheSameHiddenAboutWindow) {
    const fw::Window* about = OpenWindow("AboutWnd.AboutWnd");
    ASSERT_FALSE(IsShown("AboutWnd.AboutWnd"));
    Pick(Wnd(), "&File", "About Title");
    EXPECT_TRUE(WaitActive("AboutWnd.AboutWnd"));
    EXPECT_EQ(OpenWindow("AboutWnd.AboutWnd"), about);
    EXPECT_EQ(OpenCount("AboutWnd.AboutWnd"), 1);
}

// Each Edit shortcut, typed in the field that has the focus, runs its menu command; Delete has
// none and is picked from the menu.
TEST_F(CommandTest, EditShortcutsRunTheirCommandsOnTheFocusedField) {
    ASSERT_TRUE(WaitForFocus("totalFld"));
    QWidget* field = QApplication::focusWidget();
    const std::tuple<Qt::Key, const char*, const char*, const char*> steps[] = {
        // key, its command, the field's text and the clipboard after it
        {Qt::Key_A, "Select &All", "10", "x"},
        {Qt::Key_C, "&Copy", "10", "10"},
        {Qt::Key_X, "Cu&t", "", "10"},
        {Qt::Key_V, "&Paste", "10", "10"},
        {Qt::Key_Z, "&Undo", "", "10"}};
    QApplication::clipboard()->setText(QStringLiteral("x"));
    for (const auto& [key, caption, text, clipboard] : steps) {
        QSignalSpy ran(MenuCommand(Wnd(), QStringLiteral("&Edit"), QString::fromUtf8(caption)), &QAction::triggered);
        QTest::keyClick(field, key, Qt::ControlModifier);
        EXPECT_EQ(ran.count(), 1) << caption;
        EXPECT_EQ(Wnd().totalFld().Text(), text) << caption;
        EXPECT_EQ(QApplication::clipboard()->text(), clipboard) << caption;
    }
    Wnd().totalFld().SetText("10");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    Pick(Wnd(), "&Edit", "&Delete");
    EXPECT_EQ(Wnd().totalFld().Text(), "");
    EXPECT_EQ(beeps, 0); // no shortcut reached the key filter
}

} // namespace
