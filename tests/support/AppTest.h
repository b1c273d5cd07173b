// Fixture of the application's GUI tests. The test main has started the runtime and run the early
// start-up once (application object, menu bar); each test begins as the program does, with only
// the About window open, and drives the real windows through real Qt events. Message boxes and
// beeps are recorded instead of shown or sounded.
#pragma once

#include "framework/Window.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class QWidget;

class AppTest : public ::testing::Test {
protected:
    // Records boxes and beeps, destroys any window left, then opens the About window (MakeDefaultView).
    void SetUp() override;
    // Destroys every window and restores the real box, sound and picture folder.
    void TearDown() override;

public:
    // Helpers, also for the rows of table-driven tests.
    // Shows the window and waits until it is exposed and active.
    static void ShowActive(fw::Window& window);
    // The Qt widget of the window's control of that name (fails the test when there is none).
    static QWidget* WidgetOf(const fw::Window& window, const std::string& controlName);
    // A left mouse press, then its release, at the middle of the control (or at `at` in it).
    static void Press(const fw::Window& window, const std::string& controlName);
    static void Press(QWidget* widget, QPoint at = {});
    // Gives the control the focus and types the text, one key click per character.
    static void Type(const fw::Window& window, const std::string& controlName, const std::string& text);
    // Gives the control the focus and clicks one key.
    static void Key(const fw::Window& window, const std::string& controlName, Qt::Key key);
    // The open window of the class, or null; whether it is on screen.
    static fw::Window* OpenWindow(const std::string& className);
    static bool IsShown(const std::string& className);
    // The class names of the open windows that are on screen, in opening order.
    static std::vector<std::string> ShownWindows();
    // Whether the window is the active one (keyboard input goes to it).
    static bool IsActive(const std::string& className);

protected:
    std::vector<std::string> boxes;
    int beeps = 0;
};
