// The help window: one window however often it is asked for, the help text with its bold start,
// edits kept while it is open and gone once it is closed, and Window › Control.
#include "AppTest.h"

#include "experiment/ControlWnd.h"
#include "framework/detail/WindowRegistry.h"
#include "help/HelpText.h"
#include "help/helpWnd.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

constexpr const char* kHelp = "helpWnd.helpWnd";
constexpr const char* kExperiment = "ControlWnd.ControlWnd";

using HelpWindowTest = AppTest;

TEST_F(HelpWindowTest, OneWindowHoweverOftenAskedFor) {
    auto& first = kestrow::helpWnd();
    kestrow::helpWnd().Show();
    EXPECT_EQ(&kestrow::helpWnd(), &first);
    int open = 0;
    for (const fw::Window* window : fw::detail::OpenWindows()) open += window->ClassName() == kHelp ? 1 : 0;
    EXPECT_EQ(open, 1);
    EXPECT_TRUE(IsShown(kHelp));
    EXPECT_EQ(first.Widget()->windowTitle(), QStringLiteral("Info"));
    EXPECT_EQ(first.Content()->size(), QSize(550, 500));
    EXPECT_EQ(first.EditField1().Widget()->geometry(), QRect(-1, -1, 551, 498));
    EXPECT_EQ(first.EditField1().Text(), kestrow::HelpText());
}

struct BoldCase {
    std::int64_t position;
    bool bold;
};
void PrintTo(const BoldCase& c, std::ostream* out) { *out << "character " << c.position; }
class HelpBoldStartTest : public AppTest, public ::testing::WithParamInterface<BoldCase> {};

TEST_P(HelpBoldStartTest, CoversTheTitleAndItsTwoLineEnds) {
    EXPECT_EQ(kestrow::helpWnd().EditField1().StyledText().IsBold(GetParam().position), GetParam().bold);
}

INSTANTIATE_TEST_SUITE_P(Characters, HelpBoldStartTest,
                         ::testing::Values(BoldCase{0, true}, BoldCase{6, true}, BoldCase{7, true}, BoldCase{8, true},
                                           BoldCase{9, false}, BoldCase{10, false}, BoldCase{2000, false}));

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
    for (int round = 0; round < 2; ++round) {
        ASSERT_NO_FATAL_FAILURE(ShowActive(help));
        ASSERT_NE(help.MenuAction("ControlItem"), nullptr);
        help.MenuAction("ControlItem")->trigger();
        EXPECT_TRUE(QTest::qWaitFor([] { return IsActive(kExperiment); })) << "round " << round;
        EXPECT_TRUE(IsShown(kHelp));
    }
}

}  // namespace
