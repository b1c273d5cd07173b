// The Calculate press: passing inputs fill the results area; the first failing check shows its
// message, puts the focus back into its field and leaves everything else alone.
#include "ExperimentTest.h"

#include "core/InputChecks.h"

#include <algorithm>

namespace {

const std::string kHeader = "  Red         Green\r----------------------\r";

using CalculateTest = ExperimentTest;

TEST_F(CalculateTest, PassingInputsGiveTwoHeaderLinesAndOneLinePerTrial) {
    Press(Wnd(), "calcBtn");
    const std::string results = Wnd().outFld().Text();
    EXPECT_EQ(std::count(results.begin(), results.end(), '\r'), 102);
    EXPECT_EQ(results.rfind(kHeader + "6  (60%)     4 (40%)\r", 0), 0u) << results.substr(0, 80);
    // The next press replaces the whole text.
    SetFieldTexts({"100", "99", "1", "0", "2"});
    Press(Wnd(), "calcBtn");
    EXPECT_EQ(Wnd().outFld().Text(), kHeader + "99 (99%)     1 (1%)\r99 (99%)     1 (1%)\r");
    EXPECT_TRUE(boxes.empty());
}

struct FailingCase {
    const char* label;
    ExperimentTest::Fields texts;
    int check;  // 1 to 5: the field, and the message that core checks byte for byte
};
void PrintTo(const FailingCase& c, std::ostream* out) { *out << c.label; }

class FailingCheck : public ExperimentTest, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(FailingCheck, ShowsItsMessageFocusesItsFieldAndKeepsTheResults) {
    Press(Wnd(), "calcBtn");
    const std::string before = Wnd().outFld().Text();
    SetFieldTexts(GetParam().texts);
    Wnd().outFld().SetFocus();
    Press(Wnd(), "calcBtn");
    const auto failure = std::get<core::CheckFailure>(
        core::CheckInputs([](core::InputField field) { return GetParam().texts[static_cast<std::size_t>(field)]; }));
    ASSERT_EQ(failure.number, GetParam().check);
    EXPECT_EQ(boxes, std::vector<std::string>{failure.message});
    EXPECT_TRUE(WaitForFocus(kFieldNames[static_cast<std::size_t>(GetParam().check - 1)]));
    EXPECT_EQ(Wnd().outFld().Text(), before);
    EXPECT_EQ(FieldTexts(), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Checks, FailingCheck, ::testing::Values(
    FailingCase{"total_101", {"101", "6", "4", "1", "100"}, 1},
    FailingCase{"total_1_and_red_0_report_the_total_only", {"1", "0", "4", "1", "100"}, 1},
    FailingCase{"all_empty_as_Clear_leaves_them", {"", "", "", "", ""}, 1},
    FailingCase{"red_0", {"10", "0", "4", "1", "100"}, 2},
    FailingCase{"sum_11_for_total_10", {"10", "6", "5", "1", "100"}, 3},
    FailingCase{"add_11", {"10", "6", "4", "11", "100"}, 4},
    FailingCase{"reps_10001", {"10", "6", "4", "1", "10001"}, 5}),
    [](const auto& row) { return std::string(row.param.label); });

// The buttons are Default, yet only a mouse press runs them: Return, Enter and Space in the
// fields and the results area beep and are dropped.
TEST_F(CalculateTest, NoKeyRunsAButton) {
    for (const char* control : {"totalFld", "outFld"}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) Key(Wnd(), control, key);
    }
    EXPECT_EQ(Wnd().outFld().Text(), "");                           // not Calculate
    EXPECT_EQ(FieldTexts(), (Fields{"10", "6", "4", "1", "100"}));  // not Clear
    EXPECT_EQ(OpenCount("helpWnd.helpWnd"), 0);                     // not "?"
    EXPECT_EQ(beeps, 6);
}

}  // namespace
