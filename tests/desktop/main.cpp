// Test main of the real-desktop tests: sets up the desktop (X server, window manager, session bus)
// before the tests and takes it down after them. Listing the tests needs no desktop.
#include "DesktopSession.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <iostream>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    DesktopSession session;
    if (const std::string failure = session.Start(); !failure.empty()) {
        std::cerr << "The test desktop could not be set up: " << failure << std::endl;
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    session.Stop();
    return result;
}
