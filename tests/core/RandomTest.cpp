// Random: known answers from a fixed seed, over small and extreme ranges; an entropy-seeded default. The
// known answers come from a separate implementation of splitmix64, xoshiro256** and Lemire's bounded
// draw, so a wrong constant, shift or reduction in any of them changes the sequence. Over the whole
// int64 range a draw is the generator's raw output shifted by 2^63.
#include "core/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <stdexcept>

using namespace core;

namespace {

constexpr std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t max64 = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t seed = 2024;

struct RangeCase {
    const char* name;
    std::int64_t lo, hi;
    std::array<std::int64_t, 8> draws; // from a fresh Random(seed)
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

class RandomKnownRange : public ::testing::TestWithParam<RangeCase> {};

} // namespace

TEST_P(RandomKnownRange, DrawsTheKnownValues) {
    const RangeCase& c = GetParam();
    Random random(seed);
    std::array<std::int64_t, 8> drawn{};
    for (auto& value : drawn) value = random.InRange(c.lo, c.hi);
    EXPECT_EQ(drawn, c.draws);
}

// The two-thirds span rejects three of its first eleven raw draws.
INSTANTIATE_TEST_SUITE_P(
    Ranges, RandomKnownRange,
    ::testing::Values(
        RangeCase{"LargestUrn", 1, 100099, {5585, 78288, 7213, 15988, 77442, 24512, 39473, 25727}},
        RangeCase{"Negative", -3, -1, {-3, -1, -3, -3, -1, -3, -2, -3}},
        RangeCase{"Single", 5, 5, {5, 5, 5, 5, 5, 5, 5, 5}},
        RangeCase{"LowestPair", min64, min64 + 1, {min64, min64 + 1, min64, min64, min64 + 1, min64, min64, min64}},
        RangeCase{"HighestPair",
                  max64 - 1,
                  max64,
                  {max64 - 1, max64, max64 - 1, max64 - 1, max64, max64 - 1, max64 - 1, max64 - 1}},
        RangeCase{"WholeInt64",
                  min64,
                  max64,
                  {-8194174890306734290, 5203896100300918885, -7894192998266810367, -6277134256869038997,
                   5047958704815999655, -4706278626242374411, -1949160658001041496, -4482424874948527252}},
        RangeCase{"TwoThirdsOfTwoTo64",
                  min64,
                  3074457345618258602,
                  {-8537240605822748130, -8337252677796132181, -7259213516864284601, -6211976429779841544,
                   -6062740595583943438, -2376122023489490632, -8600271263479153726, -364694055098689558}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Random, EmptyRangeThrowsAndTheDefaultIsEntropySeeded) {
    EXPECT_THROW(Random(seed).InRange(2, 1), std::invalid_argument);
    EXPECT_NE(Random().Next(), Random().Next());
}
