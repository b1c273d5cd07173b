// The results text: trial lines, scripted chance, the largest run, agreement
// with a literal reference of the urn algorithm, and the urn's known law.
#include "core/Random.h"
#include "core/TextServices.h"
#include "core/UrnExperiment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace core;

namespace {

// Answers outside the urn.
struct Outside final : ChanceSource {
    std::int64_t InRange(std::int64_t, std::int64_t hi) override { return hi + 1; }
};

// The algorithm as first told: the urn rebuilt as an array of texts for every
// trial, each line put together from Str, Len and Format and appended with Chr(13).
std::string Reference(const UrnInputs& in, ChanceSource& chance) {
    std::string text = std::string("  Red         Green") + Chr(13) + "----------------------" + Chr(13);
    std::int64_t red = in.red, green = in.green;
    std::vector<std::string> urn;
    for (std::int64_t i = 1; i <= in.reps; ++i) {
        const std::int64_t all = red + green;
        urn.assign(static_cast<std::size_t>(all + 1), "");
        std::fill(urn.begin() + 1, urn.begin() + 1 + red, "R");
        std::fill(urn.begin() + 1 + red, urn.end(), "G");
        const bool drewRed = urn.at(static_cast<std::size_t>(chance.InRange(1, all))) == "R";
        const std::string redText = Str(red);
        text += redText + (Len(redText) == 1 ? "  (" : " (") + Format(double(red) / double(all) * 100, "##0") + "%)" +
                "     " + Str(green) + " (" + Format(double(green) / double(all) * 100, "##0") + "%)" + Chr(13);
        (drewRed ? red : green) += in.add;
    }
    return text;
}

TEST(UrnExperiment, TrialLinesFollowTheSpacingAndRoundingRules) {
    const std::tuple<std::int64_t, std::int64_t, std::string> rows[] = {
        {6, 4, "6  (60%)     4 (40%)\r"},   {9, 1, "9  (90%)     1 (10%)\r"},   {10, 1, "10 (91%)     1 (9%)\r"},
        {23, 17, "23 (57%)     17 (43%)\r"}, {1, 7, "1  (13%)     7 (88%)\r"},  {1, 201, "1  (0%)     201 (100%)\r"},
        {209, 1, "209 (100%)     1 (0%)\r"}, {100089, 1, "100089 (100%)     1 (0%)\r"},
        {50045, 50045, "50045 (50%)     50045 (50%)\r"}, {0, 3, "0  (0%)     3 (100%)\r"},
    };
    for (const auto& [red, green, line] : rows) {
        EXPECT_EQ(TrialLine(red, green), line);
    }
    EXPECT_THROW(TrialLine(0, 0), std::invalid_argument);
    EXPECT_THROW(TrialLine(-1, 5), std::invalid_argument);
}

// Growth by the drawn colour is checked against the reference below; here the refusals.
TEST(UrnExperiment, TooManyRepetitionsAndChanceOutsideTheUrnAreRefused) {
    Outside outside;
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
}

TEST(UrnExperiment, MatchesTheLiteralAlgorithmForTheSameChance) {
    Random pick(2024);
    for (int run = 0; run < 200; ++run) {
        const std::int64_t red = pick.InRange(1, 99), green = pick.InRange(1, 100 - red);
        const UrnInputs in{red + green, red, green, pick.InRange(0, 10), pick.InRange(1, run < 2 ? 2'000 : 200)};
        Random ours(static_cast<std::uint64_t>(run)), theirs(static_cast<std::uint64_t>(run));
        const std::string text = RunExperiment(in, ours);
        ASSERT_EQ(text, Reference(in, theirs)) << red << " " << green << " " << in.add << " " << in.reps;
        ASSERT_LE(text.size(), kResultsHeader.size() + kMaxTrialLineSize * static_cast<std::size_t>(in.reps));
    }
}

// From one red and one green ball, one ball added per draw, the number of red
// draws among the first n is uniform on 0..n (Polya's urn).
TEST(UrnExperiment, RedDrawsFollowTheUrnLaw) {
    Random random(99);
    constexpr int draws = 9, runs = 20'000;
    std::vector<int> counts(draws + 1);
    for (int run = 0; run < runs; ++run) {
        const std::string text = RunExperiment({2, 1, 1, 1, draws + 1}, random);
        ++counts[static_cast<std::size_t>(std::stoi(text.substr(text.rfind('\r', text.size() - 2) + 1)) - 1)];
    }
    double chiSquare = 0;
    for (const int count : counts) {
        chiSquare += (count - runs / 10.0) * (count - runs / 10.0) / (runs / 10.0);
    }
    EXPECT_LT(chiSquare, 40.0);  // 9 degrees of freedom; p < 1e-5
}

}  // namespace
