// The random source: a xoshiro256** generator behind ChanceSource, with exactly
// uniform ranges (Lemire's multiply-and-reject). SystemRandom() is the one
// process-wide instance, seeded from the system's entropy on first use.
#pragma once

#include "core/ChanceSource.h"

#include <array>
#include <cstdint>

namespace core {

class Random final : public ChanceSource {
public:
    // Seeded from std::random_device.
    Random();
    // A reproducible sequence, for tests and benchmarks.
    explicit Random(std::uint64_t seed);

    // Every value from lo to hi equally likely; any lo <= hi, the whole int64
    // range included. Throws std::invalid_argument when lo > hi.
    std::int64_t InRange(std::int64_t lo, std::int64_t hi) override;

    // The next 64 raw bits.
    std::uint64_t Next();

private:
    std::array<std::uint64_t, 4> state_{};
};

// The shared generator; not safe to use from more than one thread at a time.
Random& SystemRandom();

} // namespace core
