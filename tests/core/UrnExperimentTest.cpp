// The results text: trial lines, growth under scripted chance and the largest run. The fuzz target
// compares trial lines with a reference for any counts, and checks which counts are refused.
#include "core/UrnExperiment.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace core;

namespace {

// Answers from a script and records the ranges it was asked for.
struct Scripted final : ChanceSource {
    std::vector<std::int64_t> answers;
    std::vector<std::pair<std::int64_t, std::int64_t>> asked;
    std::int64_t InRange(std::int64_t lo, std::int64_t hi) override {
        asked.emplace_back(lo, hi);
        return answers.at(asked.size() - 1);
    }
};

// One and two digits of red; 23 of 40 is 57.49999999999999% in double; the halves 12.5% and 87.5%;
// 1 of 202 under a half per cent.
TEST(UrnExperiment, TrialLinesFollowTheSpacingAndRoundingRules) {
    const std::tuple<std::int64_t, std::int64_t, std::string> rows[] = {
        {6, 4, "6  (60%)     4 (40%)\r"}, {10, 1, "10 (91%)     1 (9%)\r"},     {23, 17, "23 (57%)     17 (43%)\r"},
        {1, 7, "1  (13%)     7 (88%)\r"}, {1, 201, "1  (0%)     201 (100%)\r"}, {209, 1, "209 (100%)     1 (0%)\r"},
    };
    for (const auto& [red, green, line] : rows) EXPECT_EQ(TrialLine(red, green), line);
}

// Each line shows the counts before its draw; k <= red draws red, and the drawn colour grows by `add`.
TEST(UrnExperiment, EachDrawGrowsTheDrawnColour) {
    Scripted chance;
    chance.answers = {2, 5, 4, 1};
    EXPECT_EQ(RunExperiment({5, 2, 3, 2, 4}, chance),
              "  Red         Green\r----------------------\r"
              "2  (40%)     3 (60%)\r4  (57%)     3 (43%)\r4  (44%)     5 (56%)\r6  (55%)     5 (45%)\r");
    using Range = std::pair<std::int64_t, std::int64_t>;
    EXPECT_EQ(chance.asked, (std::vector<Range>{{1, 5}, {1, 7}, {1, 9}, {1, 11}}));
}

TEST(UrnExperiment, TooManyRepetitionsAndChanceOutsideTheUrnAreRefused) {
    Scripted outside;
    outside.answers = {11}; // one past the urn of ten
    EXPECT_THROW(RunExperiment({10, 6, 4, 1, 10'001}, SystemRandom()), std::invalid_argument);
    EXPECT_THROW(RunExperiment({10, 6, 4, 1, 5}, outside), std::out_of_range);
}

TEST(UrnExperiment, LargestRunHasCarriageReturnLinesOnly) {
    Random random(1);
    int yields = 0;
    const std::string text = RunExperiment({100, 50, 50, 10, 10'000}, random, [&] { ++yields; });
    EXPECT_EQ(yields, 10'000);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 10'002);
    EXPECT_TRUE(text.find('\n') == std::string::npos && text.back() == '\r');
    EXPECT_LT(text.size(), 281'000U);
}

} // namespace
