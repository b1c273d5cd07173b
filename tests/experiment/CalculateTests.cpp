// The Calculate press: passing inputs fill the results area; the first failing check shows its
// message, puts the focus back into its field and leaves everything else alone.
#include "ExperimentTest.h"

#include <algorithm>

namespace {

const std::string kHeader = "  Red         Green\r----------------------\r";

std::int64_t Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\r'); }

using CalculateTest = ExperimentTest;

TEST_F(CalculateTest, PassingInputsGiveTwoHeaderLinesAndOneLinePerTrial) {
    Press(Wnd(), "calcBtn");
    const std::string results = Wnd().outFld().Text();
    EXPECT_EQ(Lines(results), 102);
    EXPECT_EQ(results.rfind(kHeader + "6  (60%)     4 (40%)\r", 0), 0u) << results.substr(0, 80);
    // The lowest and highest bounds pass, and the next press replaces the whole text.
    SetFieldTexts({"100", "99", "1", "0", "2"});
    Press(Wnd(), "calcBtn");
    EXPECT_EQ(Wnd().outFld().Text(), kHeader + "99 (99%)     1 (1%)\r99 (99%)     1 (1%)\r");
    SetFieldTexts({"2", "1", "1", "0", "1"});
    Press(Wnd(), "calcBtn");
    EXPECT_EQ(Wnd().outFld().Text(), kHeader + "1  (50%)     1 (50%)\r");
    EXPECT_TRUE(boxes.empty());
}

struct FailingCase {
    const char* label;
    ExperimentTest::Fields texts;
    int check;  // 1 to 5: the message and the field
};

const char* const kMessages[] = {
    "The total number of balls can range from 2-100.\r",
    "The number of red balls can range from 1-99.\r",
    "The number of green balls can range from 1-99 but red + green must equal the total number of balls\r",
    "The number of balls to add  on each trial can range from 0-10.\r",
    "The number of repetitions can range from 1-10,000.\r",
};

const FailingCase kFailing[] = {
    {"total_1", {"1", "6", "4", "1", "100"}, 1},
    {"total_101", {"101", "6", "4", "1", "100"}, 1},
    {"total_1_and_red_0_report_the_total_only", {"1", "0", "4", "1", "100"}, 1},
    {"all_empty_as_Clear_leaves_them", {"", "", "", "", ""}, 1},
    {"red_0", {"10", "0", "4", "1", "100"}, 2},
    {"green_0", {"10", "6", "0", "1", "100"}, 3},
    {"sum_11_for_total_10", {"10", "6", "5", "1", "100"}, 3},
    {"add_11", {"10", "6", "4", "11", "100"}, 4},
    {"reps_0", {"10", "6", "4", "1", "0"}, 5},
    {"reps_10001", {"10", "6", "4", "1", "10001"}, 5},
};

class FailingCheck : public ExperimentTest, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(FailingCheck, ShowsItsMessageFocusesItsFieldAndKeepsTheResults) {
    Press(Wnd(), "calcBtn");
    const std::string before = Wnd().outFld().Text();
    SetFieldTexts(GetParam().texts);
    Wnd().outFld().SetFocus();
    Press(Wnd(), "calcBtn");
    const auto check = static_cast<std::size_t>(GetParam().check - 1);
    EXPECT_EQ(boxes, std::vector<std::string>{kMessages[check]});
    EXPECT_TRUE(WaitForFocus(kFieldNames[check]));
    EXPECT_EQ(Wnd().outFld().Text(), before);
    EXPECT_EQ(FieldTexts(), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Checks, FailingCheck, ::testing::ValuesIn(kFailing),
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
