// The About window: what it shows, the hand-over to the experiment window by mouse press, key and
// timer, the timer's second hand-over after an early click, and a closed About window asked for again.
#include "AppTest.h"

#include "about/AboutWnd.h"
#include "help/helpWnd.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QWindow>

namespace {

// The accessor function hides the class name.
using About = class kestrow::AboutWnd;

constexpr const char* kAbout = "AboutWnd.AboutWnd";
constexpr const char* kExperiment = "ControlWnd.ControlWnd";
// Longer than the timer's 4000 ms, with room for a loaded machine; and a time short of it.
constexpr int kTimerWaitMs = 15000;
constexpr int kBeforeTheTimerMs = 3500;

using AboutTest = AppTest;

// The labels are tall enough for their type and free to wrap, and nothing in the window can take
// the focus, so every key reaches the window itself. (The layout tests check the rest of their look,
// the picture tests the picture.)
TEST_F(AboutTest, LabelsWrapWithinTheirHeightAndNothingTakesTheFocus) {
    auto& about = kestrow::AboutWnd();
    for (const fw::Label* label : {&about.StaticText1(), &about.StaticText2()}) {
        const auto* shown = qobject_cast<QLabel*>(label->Widget());
        EXPECT_LE(QFontMetrics(shown->font()).height(), shown->height()) << label->Text();
        EXPECT_TRUE(shown->wordWrap()) << label->Text();
    }
    for (const QWidget* child : about.Content()->findChildren<QWidget*>()) EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
}

struct HandOverCase {
    const char* name;
    std::function<void(About&)> act;
};
void PrintTo(const HandOverCase& c, std::ostream* out) { *out << c.name; }
class HandOverTest : public AppTest, public ::testing::WithParamInterface<HandOverCase> {};

void KeyToWindow(About& about, Qt::Key key) { QTest::keyClick(about.Widget()->windowHandle(), key); }

TEST_P(HandOverTest, HidesTheAboutWindowAndBringsTheExperimentWindowToTheFront) {
    auto& about = kestrow::AboutWnd();
    StopAboutTimer();
    ASSERT_NO_FATAL_FAILURE(ShowActive(about));
    ASSERT_EQ(OpenWindow(kExperiment), nullptr);
    GetParam().act(about);
    ASSERT_TRUE(WaitActive(kExperiment));
    EXPECT_EQ(OpenWindow(kAbout), &about); // hidden, not closed
    EXPECT_EQ(fw::detail::OpenWindows().size(), 2u);
    EXPECT_FALSE(IsShown(kAbout));
    EXPECT_FALSE(about.Event_KeyDown("k")); // the key is not consumed
}

INSTANTIATE_TEST_SUITE_P(
    Presses, HandOverTest,
    ::testing::Values(HandOverCase{"MouseOnTheWindow", [](About& a) { AppTest::Press(a.Content(), QPoint(10, 150)); }},
                      HandOverCase{"MouseOnThePicture", [](About& a) { AppTest::Press(a.Canvas1().Widget()); }},
                      HandOverCase{"Letter", [](About& a) { KeyToWindow(a, Qt::Key_K); }},
                      HandOverCase{"Escape", [](About& a) { KeyToWindow(a, Qt::Key_Escape); }}),
    [](const auto& row) { return std::string(row.param.name); });

// After an early click the timer still fires in the hidden window: shown again in front of the
// help window, it hides once more and the experiment window comes forward. Spent, it stays.
TEST_F(AboutTest, TimerHandsOverAgainAfterAnEarlyClick) {
    auto& about = kestrow::AboutWnd();
    ASSERT_NO_FATAL_FAILURE(ShowActive(about));
    Press(about.Content(), QPoint(10, 150));
    ASSERT_TRUE(WaitActive(kExperiment));
    ASSERT_NO_FATAL_FAILURE(ShowActive(kestrow::helpWnd()));
    ASSERT_NO_FATAL_FAILURE(ShowActive(kestrow::AboutWnd())); // the same window (command tests)

    ASSERT_TRUE(QTest::qWaitFor([] { return !IsShown(kAbout); }, kTimerWaitMs));
    EXPECT_TRUE(WaitActive(kExperiment));
    EXPECT_TRUE(IsShown("helpWnd.helpWnd"));
    EXPECT_EQ(about.Timer1().Property("RunMode"), fw::PropertyValue(0));

    ASSERT_NO_FATAL_FAILURE(ShowActive(kestrow::AboutWnd()));
    KeyToWindow(about, Qt::Key_Space);
    EXPECT_TRUE(WaitActive(kExperiment));
    EXPECT_FALSE(IsShown(kAbout));
}

// Closed by its close box, the About window hands over to nothing; asked for again it is a new
// window with the cached picture and a fresh timer that hands over by itself, not before its period
// (a lower bound holds on a loaded machine: load only delays a timer).
TEST_F(AboutTest, ClosedThenAskedForAgainIsNewAndHandsOverByItselfAfterItsPeriod) {
    const auto picture = kestrow::AboutWnd().Canvas1().Backdrop();
    kestrow::AboutWnd().Widget()->close();
    EXPECT_EQ(OpenWindow(kAbout), nullptr);
    EXPECT_EQ(OpenWindow(kExperiment), nullptr);

    auto& about = kestrow::AboutWnd();
    QElapsedTimer sinceBuilt;
    sinceBuilt.start();
    EXPECT_EQ(about.Canvas1().Backdrop(), picture);
    const auto handedOver = [] { return IsShown(kExperiment) || !IsShown(kAbout); };
    EXPECT_FALSE(QTest::qWaitFor(handedOver, static_cast<int>(kBeforeTheTimerMs - sinceBuilt.elapsed())));
    ASSERT_TRUE(QTest::qWaitFor(handedOver, kTimerWaitMs));
    EXPECT_TRUE(IsShown(kExperiment));
    EXPECT_FALSE(IsShown(kAbout));
    EXPECT_EQ(OpenWindow(kAbout), &about);
}

} // namespace
