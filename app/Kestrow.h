// The application class. It adds nothing to the framework's Application but its run-time class
// name and the program's version data (windows/Version.h), which the start-up hands over once
// (NewAppInstance).
#pragma once

#include "framework/Application.h"

namespace kestrow {

class Kestrow : public fw::Application {
public:
    static constexpr const char* kClassName = "Kestrow";

    // Needs the class registered (Register).
    Kestrow();
    // The start-up calls it as it calls every application's; this one has nothing to add. Kept on
    // purpose.
    void Constructor() {}
    // Gives the framework the version data: the version numbers, the credit line as the long
    // version, then the short version and the display name.
    void SetVersionData();

    // Run-time class "Kestrow", base "Application"; it handles no event.
    static void Register();
};

} // namespace kestrow
