// The program's version data and its credit: the start-up hands them to the framework as the
// application's version data, the About and experiment windows show the name and the credit line,
// and the help text names them in its rights notice and its citation.
#pragma once

#include <cstdint>
#include <string>

namespace kestrow {

inline constexpr std::int64_t kMajorVersion = 1;
inline constexpr std::int64_t kMinorVersion = 0;
inline constexpr std::int64_t kBugVersion = 0;
inline constexpr std::int64_t kNonReleaseVersion = 0;
inline constexpr std::int64_t kStageCode = 0;
inline constexpr const char* kShortVersion = "1.0";
// The program's name as the user reads it: in window captions and as the application's name.
inline constexpr const char* kDisplayName = "Kestrow";
// Who holds the rights to the program, since when.
inline constexpr const char* kAuthor = "the Kestrow authors";
inline constexpr const char* kCopyrightYear = "2026";

// The one-line credit shown under the About window's picture, beside the experiment window's title
// and handed over as the application's long version. Kept short enough for one line of the
// experiment window's credit label.
const std::string& CreditLine();

} // namespace kestrow
