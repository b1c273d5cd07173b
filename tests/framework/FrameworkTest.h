// Fixture of the framework tests: message boxes and beeps are recorded instead of shown, and every
// window is closed and destroyed after the test.
#pragma once

#include "ProbeWindow.h"
#include "framework/detail/WindowRegistry.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        fw::SetMsgBoxHook([this](const std::string& text) { boxes.push_back(text); });
        fw::SetBeepHook([this] { ++beeps; });
    }
    void TearDown() override {
        for (fw::Window* window : fw::detail::OpenWindows()) window->Close();
        fw::detail::DestroyAllWindows();
        fw::RuntimeAppObject()->SetMenuBar(nullptr);
        fw::SetMsgBoxHook([](const std::string& text) { ADD_FAILURE() << "Unexpected message box: " << text; });
        fw::SetBeepHook(nullptr);
        fw::Picture::SetResourceFolder("");
    }
    // Shows the window and waits until it is exposed and active.
    static void ShowActive(fw::Window& window) {
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    }

    std::vector<std::string> boxes;
    int beeps = 0;
};
