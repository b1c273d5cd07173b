// The experiment window as the user sees it, read back from the Qt widgets after the hand-over:
// each control's place, text, face, size, weight, alignment and colours; the window and its place;
// tab order.
#include "ExperimentTest.h"

#include "ShownLook.h"
#include "windows/Pictures.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

using namespace looks;

constexpr QRgb Credit = 0x073F80;

const Look kLooks[] = {
    {"totalFld", {20, 126, 80, 22}, "10", Face::Sans, 12, false, Centre, Black, White},
    {"totalText", {20, 101, 80, 20}, "Total Balls", Face::Sans, 12, true, Left, Black, None},
    {"clearBtn", {265, 652, 80, 40}, "Clear", Face::Sans, 12, false, NoAlign, None, None},
    {"helpBtn", {468, 652, 80, 40}, "?", Face::Sans, 16, true, NoAlign, None, None},
    {"calcBtn", {20, 652, 80, 40}, "Calculate", Face::Sans, 12, false, NoAlign, None, None},
    {"redText", {144, 101, 80, 20}, "Red Balls", Face::Sans, 12, true, Left, Black, None},
    {"redFld", {144, 126, 80, 22}, "6", Face::Sans, 12, false, Centre, Black, White},
    {"Label1", {100, 9, 263, 69}, "Kestrow", Face::Sans, 48, true, Left, Navy, None},
    {"greenText", {255, 101, 80, 20}, "Green Balls", Face::Sans, 12, true, Left, Black, None},
    {"greenFld", {255, 126, 80, 22}, "4", Face::Sans, 12, false, Centre, Black, White},
    {"addText", {360, 101, 80, 20}, "Balls to Add", Face::Sans, 12, true, Left, Black, None},
    {"addFld", {360, 126, 80, 22}, "1", Face::Sans, 12, false, Centre, Black, White},
    {"repeatText", {468, 101, 80, 20}, "# Repetitions", Face::Sans, 12, true, Left, Black, None},
    {"repeatFld", {468, 126, 80, 22}, "100", Face::Sans, 12, false, Centre, Black, White},
    {"Label3", {104, 127, 39, 20}, "=", Face::Sans, 12, true, Centre, Black, None},
    {"Label4", {225, 127, 28, 20}, "+", Face::Sans, 12, true, Centre, Black, None},
    {"outFld", {100, 165, 375, 475}, "", Face::Mono, 11, false, Centre, Black, White},
    {"Label2", {347, 36, 147, 15}, "© the Kestrow authors", Face::Sans, 11, false, Centre, Credit, None},
    {"Canvas1", {20, 4, 65, 65}, "", Face::None, 0, false, NoAlign, None, None},
};

class ControlLook : public ExperimentTest, public ::testing::WithParamInterface<Look> {};

TEST_P(ControlLook, MatchesTheDesign) { ExpectShownAs(WidgetOf(Wnd(), GetParam().name), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Controls, ControlLook, ::testing::ValuesIn(kLooks),
                         [](const auto& row) { return std::string(row.param.name); });

using LayoutTest = ExperimentTest;

// Placed where the platform puts new windows: the program never moves it.
TEST_F(LayoutTest, IsOneFixedWhiteWindowUnderItsMenuBarWhereThePlatformPutsIt) {
    QWidget* frame = Wnd().Widget();
    EXPECT_FALSE(frame->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(Wnd().Content()->size(), QSize(575, 700)); // below the menu bar
    EXPECT_EQ(Wnd().Content()->y(), frame->findChild<QMenuBar*>()->height());
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                      Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_TRUE(Wnd().Content()->autoFillBackground()); // painted white, not left to the frame's grey
    EXPECT_EQ(Wnd().Content()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Wnd().Content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 19);
    EXPECT_NE(Wnd().outFld().Editor()->frameShape(), QFrame::NoFrame); // the results are boxed
    ASSERT_NE(Wnd().Canvas1().Backdrop(), nullptr);
    EXPECT_EQ(Wnd().Canvas1().Backdrop(), kestrow::icon_64());
}

// Tab walks the five fields only, wrapping round: buttons, results area and icon are skipped.
TEST_F(LayoutTest, TabMovesFromTheTotalThroughTheFiveFieldsOnly) {
    ASSERT_TRUE(WaitForFocus("totalFld"));
    for (std::size_t step = 1; step <= 2 * kFieldNames.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(WaitForFocus(kFieldNames[step % kFieldNames.size()])) << "after Tab " << step;
    }
    EXPECT_EQ(beeps, 0);
}

} // namespace
