// The help window: resizeable around its text area's fixed place, the help text in its face and size
// with its bold start, one window however often it is asked for, so edits are kept while it is open
// and gone once it is closed; where it opens, and the roads between it and the experiment window.
#include "AppTest.h"

#include "help/HelpText.h"
#include "help/helpWnd.h"

#include <QFontInfo>
#include <QPlainTextEdit>

namespace {

constexpr const char* kHelp = "helpWnd.helpWnd";
constexpr const char* kAbout = "AboutWnd.AboutWnd";
constexpr const char* kExperiment = "ControlWnd.ControlWnd";

using HelpWindowTest = AppTest;

TEST_F(HelpWindowTest, ResizeableWithTheHelpTextInItsFaceAndBoldStartInAFixedPlace) {
    auto& first = kestrow::helpWnd();
    EXPECT_EQ(first.Widget()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    const QFontInfo face = first.EditField1().Editor()->fontInfo(); // "System" at 12
    EXPECT_EQ(face.family().toStdString(), "Liberation Sans");
    EXPECT_EQ(face.pixelSize(), 12);
    // The title and its two line ends.
    for (const std::int64_t at : {0, 6, 7, 8, 9, 10, 2000})
        EXPECT_EQ(first.EditField1().StyledText().IsBold(at), at < 9) << at;
    // One pixel past the left and top edges, short of the bottom; enlarging the window leaves it.
    EXPECT_EQ(first.Content()->size(), QSize(550, 500));
    QWidget* area = first.EditField1().Widget();
    EXPECT_EQ(area->geometry(), QRect(-1, -1, 551, 498));
    EXPECT_NE(first.EditField1().Editor()->frameShape(), QFrame::NoFrame); // its border
    first.Widget()->resize(first.Widget()->size() + QSize(100, 100));      // the user can resize it
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.Content()->size() == QSize(650, 600); }));
    EXPECT_EQ(area->geometry(), QRect(-1, -1, 551, 498));
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

// Opened by "?", the help window's frame stands 30 pixels right of and below the experiment
// window's, wherever the user has moved that one.
TEST_F(HelpWindowTest, OpensStaggeredFromTheActiveExperimentWindow) {
    StopAboutTimer();
    Press(OpenWindow(kAbout)->Content(), QPoint(10, 150));
    ASSERT_TRUE(WaitActive(kExperiment));
    QWidget* experiment = OpenWindow(kExperiment)->Widget();
    experiment->move(120, 40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return experiment->frameGeometry().topLeft() == QPoint(120, 40); }));
    Press(*OpenWindow(kExperiment), "helpBtn");
    ASSERT_TRUE(WaitActive(kHelp));
    const QPoint help = OpenWindow(kHelp)->Widget()->frameGeometry().topLeft();
    EXPECT_EQ(help, QPoint(150, 70)) << help.x() << ", " << help.y();
}

// Window › Control brings the experiment window forward, building it when there is none; "?" and
// Window › Info bring the open help window back in front of it. Each road opens no second window
// and leaves the other window open. (The About window's timer would bring the experiment window
// forward too.)
TEST_F(HelpWindowTest, WindowControlHelpButtonAndWindowInfoBringTheirWindowToTheFront) {
    StopAboutTimer();
    auto& help = kestrow::helpWnd();
    EXPECT_TRUE(help.MenuItemEnabled(*help.ControlItem()));
    EXPECT_FALSE(help.MenuItemEnabled(*help.InfoItem()));
    EXPECT_FALSE(help.MenuItemEnabled(*help.AboutItem()));
    ASSERT_NO_FATAL_FAILURE(ShowActive(help));
    ASSERT_EQ(OpenWindow(kExperiment), nullptr);
    Pick(help, "Window", "Control");
    ASSERT_TRUE(WaitActive(kExperiment));
    const fw::Window& experiment = *OpenWindow(kExperiment);

    const std::function<void()> roads[] = {
        [&] { Press(experiment, "helpBtn"); },
        [&] { Pick(help, "Window", "Control"); },
        [&] { Pick(experiment, "Window", "Info"); },
        [&] { Pick(help, "Window", "Control"); },
    };
    const char* front = kHelp;
    for (const auto& road : roads) {
        road();
        EXPECT_TRUE(WaitActive(front)) << front;
        EXPECT_EQ(OpenWindow(kExperiment), &experiment);
        EXPECT_EQ(OpenWindow(kHelp), &help);
        EXPECT_EQ(fw::detail::OpenWindows().size(), 3u); // with the About window
        EXPECT_TRUE(IsShown(kHelp) && IsShown(kExperiment));
        front = front == kHelp ? kExperiment : kHelp;
    }
}

} // namespace
