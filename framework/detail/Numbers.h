// Whole numbers from the API (64-bit) into Qt's int, clamped rather than wrapped.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace fw::detail {

inline int ClampToInt(std::int64_t value, int low = std::numeric_limits<int>::min(),
                      int high = std::numeric_limits<int>::max()) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

} // namespace fw::detail
