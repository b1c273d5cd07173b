// Fixture of the framework tests: message boxes and beeps are recorded instead of shown, and every
// window is closed and destroyed after the test.
#pragma once

#include "ProbeWindow.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window and waits until it is exposed and active.
    static void ShowActive(fw::Window& window);

    std::vector<std::string> boxes;
    int beeps = 0;
};
