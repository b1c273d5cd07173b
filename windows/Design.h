// The colours, the face and the alignments that the windows' layout tables share.
#pragma once

#include "framework/PropertyValue.h"

#include <cstdint>

namespace kestrow {

inline constexpr fw::Color kBlack{0x000000};
inline constexpr fw::Color kWhite{0xFFFFFF};
// The program's name and its About credit are set in it.
inline constexpr fw::Color kNavy{0x000080};

// The interface face, the framework's name for it.
inline constexpr const char* kSystemFace = "System";

// The framework's TextAlignment numbers.
inline constexpr std::int64_t kLeading = 0;
inline constexpr std::int64_t kCentred = 2;

} // namespace kestrow
