// The application class. It adds nothing to the framework's Application but its run-time class
// name and the program's version data, which the start-up hands over once (NewAppInstance).
#pragma once

#include "framework/Application.h"

#include <cstdint>
#include <string>

namespace kestrow {

class Kestrow : public fw::Application {
public:
    static constexpr std::int64_t kMajorVersion = 1;
    static constexpr std::int64_t kMinorVersion = 0;
    static constexpr std::int64_t kBugVersion = 0;
    static constexpr std::int64_t kNonReleaseVersion = 0;
    static constexpr std::int64_t kStageCode = 0;
    static constexpr const char* kShortVersion = "1.0";
    static constexpr const char* kPackageInfo = "Kestrow";

    // Needs the class registered (Register).
    Kestrow();
    void Constructor() {}
    // Gives the framework the version data: the numbers above, the credit line as the long
    // version, then the short version and the display name.
    void SetVersionData();

    // Run-time class "Kestrow", base "Application"; it handles no event.
    static void Register();
};

}  // namespace kestrow
