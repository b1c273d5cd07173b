// Random: bounds over extreme ranges, no modulo bias, one shared instance.
#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

using namespace core;

static constexpr std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
static constexpr std::int64_t max64 = std::numeric_limits<std::int64_t>::max();

TEST(Random, StaysWithinEveryRangeAndReachesBothEnds) {
    const std::pair<std::int64_t, std::int64_t> ranges[] = {
        {5, 5}, {1, 2}, {-3, -1}, {min64, min64 + 1}, {max64 - 1, max64}, {min64, max64}};
    Random random(7);
    for (const auto& [lo, hi] : ranges) {
        std::int64_t least = max64, most = min64;
        for (int i = 0; i < 200; ++i) {
            const std::int64_t k = random.InRange(lo, hi);
            least = std::min(least, k);
            most = std::max(most, k);
        }
        EXPECT_TRUE(least >= lo && most <= hi) << lo << ".." << hi;
        const bool wholeRange = lo == min64 && hi == max64;
        EXPECT_TRUE(wholeRange ? least < 0 && most > 0 : least == lo && most == hi) << lo << ".." << hi;
    }
    EXPECT_THROW(random.InRange(2, 1), std::invalid_argument);
}

// A span of two thirds of 2^64: reducing by modulo would put two thirds of the
// draws into the lower half of the range.
TEST(Random, HasNoModuloBias) {
    Random random(11);
    const auto hi = static_cast<std::int64_t>(0xAAAAAAAAAAAAAAAAULL - (1ULL << 63));  // min64 + span
    const std::int64_t middle = min64 + 0x5555555555555555LL;
    int lower = 0;
    for (int i = 0; i < 10'000; ++i) {
        lower += random.InRange(min64, hi) <= middle ? 1 : 0;
    }
    EXPECT_NEAR(lower, 5'000, 300);
}

TEST(Random, SharedInstanceIsMadeOnceAndEntropySeeded) {
    EXPECT_EQ(&SystemRandom(), &SystemRandom());
    EXPECT_NE(Random().Next(), Random().Next());
    EXPECT_EQ(Random(42).Next(), Random(42).Next());
}
