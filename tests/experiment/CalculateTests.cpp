// The Calculate press: passing inputs replace the results text; the first failing check shows its
// message, puts the focus back into its field and leaves everything else alone.
#include "ExperimentTest.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace {

const std::string kHeader = "  Red         Green\r----------------------\r";

using CalculateTest = ExperimentTest;

TEST_F(CalculateTest, PassingInputsGiveTwoHeaderLinesAndOneLinePerTrial) {
    Press(Wnd(), "calcBtn");
    const std::string results = Wnd().outFld().Text();
    EXPECT_EQ(std::count(results.begin(), results.end(), '\r'), 102);
    EXPECT_EQ(results.rfind(kHeader + "6  (60%)     4 (40%)\r", 0), 0u) << results.substr(0, 80);
    // Each press replaces the whole text, also where the new text extends the one shown.
    for (const char* repetitions : {"1", "2"}) {
        SetFieldTexts({"100", "99", "1", "0", repetitions});
        Press(Wnd(), "calcBtn");
    }
    const std::string line = "99 (99%)     1 (1%)\r";
    EXPECT_EQ(Wnd().outFld().Editor()->toPlainText(),
              QString::fromStdString(kHeader + line + line).replace('\r', '\n'));
    EXPECT_TRUE(boxes.empty());
}

struct FailingCase {
    const char* label;
    ExperimentTest::Fields texts;
    const char* field;   // where the focus goes back
    const char* message; // what the box says
};
void PrintTo(const FailingCase& c, std::ostream* out) { *out << c.label; }

const char* const kTotal = "The total number of balls can range from 2-100.\r";
const char* const kRed = "The number of red balls can range from 1-99.\r";
const char* const kGreen =
    "The number of green balls can range from 1-99 but red + green must equal the total number of balls\r";
const char* const kAdd = "The number of balls to add  on each trial can range from 0-10.\r";
const char* const kReps = "The number of repetitions can range from 1-10,000.\r";

class FailingCheck : public ExperimentTest, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(FailingCheck, ShowsItsMessageFocusesItsFieldAndKeepsTheResults) {
    Press(Wnd(), "calcBtn");
    const std::string before = Wnd().outFld().Text();
    SetFieldTexts(GetParam().texts);
    Wnd().outFld().SetFocus();
    Press(Wnd(), "calcBtn");
    EXPECT_EQ(boxes, std::vector<std::string>{GetParam().message});
    EXPECT_TRUE(WaitForFocus(GetParam().field));
    EXPECT_EQ(Wnd().outFld().Text(), before);
    EXPECT_EQ(FieldTexts(), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FailingCheck,
    ::testing::Values(FailingCase{"total_101", {"101", "6", "4", "1", "100"}, "totalFld", kTotal},
                      FailingCase{"red_0", {"10", "0", "4", "1", "100"}, "redFld", kRed},
                      FailingCase{"sum_11_for_total_10", {"10", "6", "5", "1", "100"}, "greenFld", kGreen},
                      FailingCase{"add_11", {"10", "6", "4", "11", "100"}, "addFld", kAdd},
                      FailingCase{"reps_10001", {"10", "6", "4", "1", "10001"}, "repeatFld", kReps}),
    [](const auto& row) { return std::string(row.param.label); });

// A press runs the button's handler and still presses the button: it is drawn down until the
// release. A handler that shows a box leaves it up, as the box takes the release.
TEST_F(CalculateTest, APressRunsTheHandlerAndHoldsTheButtonDownUntilTheRelease) {
    for (const auto& [name, down] :
         {std::pair{"calcBtn", true}, {"clearBtn", true}, {"helpBtn", true}, {"calcBtn", false}}) {
        QPushButton* button = Wnd().ControlAs<fw::PushButton>(name).Button();
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        EXPECT_EQ(button->isDown(), down) << name;
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        EXPECT_FALSE(button->isDown()) << name;
    }
    EXPECT_EQ(boxes, std::vector<std::string>{kTotal}); // the last press: Calculate on the fields Clear emptied
}

} // namespace
