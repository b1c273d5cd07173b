// The five checks: every bound, unsafe numbers, the order of reading. (The experiment window's
// tests read each check's message in its box.)
#include "core/InputChecks.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

using namespace core;

TEST(InputChecks, StopAtTheFirstFailedCheck) {
    // The number of the check that fails (0: none), and field texts that make it fail.
    const std::pair<int, std::vector<std::array<std::string, 5>>> rows[] = {
        {0,
         {{"10", "6", "4", "1", "100"},
          {"2", "1", "1", "0", "1"},
          {"100", "99", "1", "10", "10000"},
          {"100", "1", "99", "10", "10000"},
          {" +10", "\t6", "4abc", "+0", "100."}}},
        {1, {{"1", "0"}, {"101"}, {""}, {"1e999"}, {"99999999999999999999"}, {"-1e19"}, {"9223372036854775808"}}},
        {2, {{"10", "0"}, {"100", "100"}, {"10", "1e400"}}},
        {3, {{"10", "6", "0"}, {"10", "10", "0"}, {"100", "99", "100"}, {"10", "6", "5"}, {"10", "6", "3.9"}}},
        {4, {{"10", "6", "4", "-1"}, {"10", "6", "4", "11"}}},
        {5, {{"10", "6", "4", "1", "0"}, {"10", "6", "4", "1", "10001"}, {"10", "6", "4", "1", "-1e999"}}}};
    for (const auto& [failed, cases] : rows) {
        for (const auto& texts : cases) {
            SCOPED_TRACE(testing::PrintToString(texts));
            std::vector<InputField> asked;
            const CheckResult result = CheckInputs([&](InputField field) {
                asked.push_back(field);
                return texts[static_cast<std::size_t>(field)];
            });
            ASSERT_EQ(asked.size(), failed == 0 ? 5U : static_cast<std::size_t>(failed));
            for (std::size_t i = 0; i < asked.size(); ++i) EXPECT_EQ(asked[i], static_cast<InputField>(i));
            if (failed != 0) {
                EXPECT_EQ(std::get<CheckFailure>(result).number, failed);
                EXPECT_EQ(std::get<CheckFailure>(result).field, asked.back());
            } else {
                EXPECT_TRUE(std::holds_alternative<UrnInputs>(result));
            }
        }
    }
}

TEST(InputChecks, YieldTheNumbersTruncatedTowardZero) {
    const std::array<std::string, 5> texts{"2.9", "1.99", "1", "-0.5", "1e4"};
    const auto result = CheckInputs([&](InputField field) { return texts[static_cast<std::size_t>(field)]; });
    EXPECT_EQ(std::get<UrnInputs>(result), (UrnInputs{2, 1, 1, 0, 10'000}));
    EXPECT_EQ(WholeNumber("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(WholeNumber("9223372036854775807"), std::nullopt); // rounds to 2^63 as a double
}
