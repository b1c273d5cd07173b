// A source of chance: the experiment asks it for a whole number in a range.
// The application hands in the shared Random; tests hand in scripted sources.
#pragma once

#include <cstdint>

namespace core {

class ChanceSource {
public:
    ChanceSource() = default;
    ChanceSource(const ChanceSource&) = default;
    ChanceSource& operator=(const ChanceSource&) = default;
    virtual ~ChanceSource();

    // A whole number from lo to hi, both included.
    virtual std::int64_t InRange(std::int64_t lo, std::int64_t hi) = 0;
};

} // namespace core
