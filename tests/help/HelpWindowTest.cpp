// The help window: resizeable, the help text with its bold start, one window however often it is
// asked for, so edits are kept while it is open and gone once it is closed, and Window › Control.
#include "AppTest.h"

#include "help/HelpText.h"
#include "help/helpWnd.h"

#include <QPlainTextEdit>

namespace {

constexpr const char* kHelp = "helpWnd.helpWnd";
constexpr const char* kExperiment = "ControlWnd.ControlWnd";

using HelpWindowTest = AppTest;

TEST_F(HelpWindowTest, ResizeableWithTheHelpTextsBoldStart) {
    auto& first = kestrow::helpWnd();
    EXPECT_LT(first.Widget()->minimumWidth(), first.Widget()->maximumWidth()); // the user can resize it
    EXPECT_EQ(first.Widget()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    // The title and its two line ends.
    for (const std::int64_t at : {0, 6, 7, 8, 9, 10, 2000})
        EXPECT_EQ(first.EditField1().StyledText().IsBold(at), at < 9) << at;
}

TEST_F(HelpWindowTest, EditsStayWhileOpenAndAreGoneOnceClosed) {
    auto& help = kestrow::helpWnd();
    ASSERT_NO_FATAL_FAILURE(ShowActive(help));
    QPlainTextEdit* editor = help.EditField1().Editor();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral(" Noted."));
    EXPECT_EQ(help.EditField1().Text(), kestrow::HelpText() + " Noted.");
    kestrow::helpWnd().Show();
    EXPECT_EQ(kestrow::helpWnd().EditField1().Text(), kestrow::HelpText() + " Noted.");

    help.Widget()->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return OpenWindow(kHelp) == nullptr; }));
    auto& fresh = kestrow::helpWnd();
    EXPECT_EQ(fresh.EditField1().Text(), kestrow::HelpText());
    EXPECT_TRUE(fresh.EditField1().StyledText().IsBold(8));
    EXPECT_FALSE(fresh.EditField1().StyledText().IsBold(9));
}

// Window › Control brings the experiment window forward, building it when there is none, and
// leaves the help window open behind it. It is the one command this window handles itself.
TEST_F(HelpWindowTest, WindowControlBringsTheExperimentWindowToTheFront) {
    auto& help = kestrow::helpWnd();
    EXPECT_TRUE(help.MenuItemEnabled(*help.ControlItem()));
    EXPECT_FALSE(help.MenuItemEnabled(*help.InfoItem()));
    EXPECT_FALSE(help.MenuItemEnabled(*help.AboutItem()));
    ASSERT_EQ(OpenWindow(kExperiment), nullptr);
    const fw::Window* experiment = nullptr;
    for (int round = 0; round < 2; ++round) { // built the first time, the same window the second
        ASSERT_NO_FATAL_FAILURE(ShowActive(help));
        Pick(help, "Window", "Control");
        EXPECT_TRUE(WaitActive(kExperiment)) << "round " << round;
        if (round == 0) experiment = OpenWindow(kExperiment);
        EXPECT_EQ(OpenWindow(kExperiment), experiment);
        EXPECT_EQ(fw::detail::OpenWindows().size(), 3u); // no second experiment window; About and help
        EXPECT_TRUE(IsShown(kHelp));
    }
}

} // namespace
