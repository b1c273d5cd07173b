// The five checks: every bound, unsafe numbers, the order of reading, the messages.
#include "core/InputChecks.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

using namespace core;

TEST(InputChecks, StopAtTheFirstFailedCheckWithItsMessage) {
    struct Row {
        std::array<std::string, 5> texts;
        int failed;
    }; // failed: 0 when all pass
    const Row rows[] = {
        {{"10", "6", "4", "1", "100"}, 0},
        {{"2", "1", "1", "0", "1"}, 0},
        {{"100", "99", "1", "10", "10000"}, 0},
        {{"100", "1", "99", "10", "10000"}, 0},
        {{" +10", "\t6", "4abc", "+0", "100."}, 0},
        {{"1", "0"}, 1},
        {{"101"}, 1},
        {{""}, 1},
        {{"1e999"}, 1},
        {{"99999999999999999999"}, 1},
        {{"-1e19"}, 1},
        {{"9223372036854775808"}, 1},
        {{"10", "0"}, 2},
        {{"100", "100"}, 2},
        {{"10", "1e400"}, 2},
        {{"10", "6", "0"}, 3},
        {{"100", "99", "100"}, 3},
        {{"10", "6", "5"}, 3},
        {{"10", "6", "3.9"}, 3},
        {{"10", "6", "4", "-1"}, 4},
        {{"10", "6", "4", "11"}, 4},
        {{"10", "6", "4", "1", "0"}, 5},
        {{"10", "6", "4", "1", "10001"}, 5},
        {{"10", "6", "4", "1", "-1e999"}, 5},
    };
    const char* const messages[] = {
        "The total number of balls can range from 2-100.\r",
        "The number of red balls can range from 1-99.\r",
        "The number of green balls can range from 1-99 but red + green must equal the total number of balls\r",
        "The number of balls to add  on each trial can range from 0-10.\r",
        "The number of repetitions can range from 1-10,000.\r",
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.texts));
        std::vector<InputField> asked;
        const CheckResult result = CheckInputs([&](InputField field) {
            asked.push_back(field);
            return row.texts[static_cast<std::size_t>(field)];
        });
        ASSERT_EQ(asked.size(), row.failed == 0 ? 5U : static_cast<std::size_t>(row.failed));
        for (std::size_t i = 0; i < asked.size(); ++i) {
            EXPECT_EQ(asked[i], static_cast<InputField>(i));
        }
        if (row.failed != 0) {
            EXPECT_EQ(std::get<CheckFailure>(result),
                      (CheckFailure{row.failed, asked.back(), messages[row.failed - 1]}));
        } else {
            EXPECT_TRUE(std::holds_alternative<UrnInputs>(result));
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
