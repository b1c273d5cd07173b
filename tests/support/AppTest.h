// Fixture of the application's GUI tests. The test main has started the runtime and run the early
// start-up once (application object, menu bar); each test begins as the program does, with only
// the About window open, and drives the real windows through real Qt events. Message boxes and
// beeps are recorded instead of shown or sounded.
#pragma once

#include "framework/Window.h"
#include "framework/detail/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class AppTest : public ::testing::Test {
protected:
    // Records boxes and beeps, destroys any window left, then opens the About window (MakeDefaultView).
    void SetUp() override;
    // Destroys every window and restores the real box, sound and picture folder.
    void TearDown() override;

public:
    // Helpers, also for the rows of table-driven tests.
    // Shows the window and waits until it is exposed and active.
    static void ShowActive(fw::Window& window) {
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    }
    // The Qt widget of the window's control of that name (fails the test when there is none).
    static QWidget* WidgetOf(const fw::Window& window, const std::string& controlName);
    // A left mouse press, then its release, at the middle of the control (or at `at` in it).
    static void Press(const fw::Window& window, const std::string& controlName) {
        if (QWidget* widget = WidgetOf(window, controlName)) Press(widget);
    }
    static void Press(QWidget* widget, QPoint at = {});
    // The command that the window's menu bar shows under those captions ("&File", "About Title"),
    // or null; and picking it, as the user does with the mouse (it must be there and available).
    static QAction* MenuCommand(const fw::Window& window, const QString& menu, const QString& item);
    static void Pick(const fw::Window& window, const char* menu, const char* item) {
        QAction* action = MenuCommand(window, QString::fromUtf8(menu), QString::fromUtf8(item));
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    // The open window of the class, or null; whether it is on screen.
    static fw::Window* OpenWindow(const std::string& className) { return fw::detail::FindOpenWindow(className); }
    static bool IsShown(const std::string& className) {
        return OpenWindow(className) != nullptr && OpenWindow(className)->Widget()->isVisible();
    }
    // Stops the About window's timer, so that only the road under test can hand over.
    static void StopAboutTimer();
    // Waits until the window is the active one (keyboard input goes to it).
    static bool WaitActive(const std::string& className, int timeoutMs = 5000) {
        return QTest::qWaitFor(
            [&] { return IsShown(className) && QApplication::activeWindow() == OpenWindow(className)->Widget(); },
            timeoutMs);
    }

protected:
    // Gives the control the keyboard focus; its widget.
    static QWidget* Focused(const fw::Window& window, const std::string& controlName);

    std::vector<std::string> boxes;
    int beeps = 0;
};
