// Fixture of the real-desktop tests: each test starts the real program (or the framework probe)
// on the desktop that the test main set up, drives it with real input and reads what the desktop
// shows: the window manager's windows, the accessibility tree, the clipboard. Windows are told
// apart by their X11 window role (the framework sets it to the window's class). Every wait is on
// a condition, with a time limit that only a fault reaches.
#pragma once

#include "Desktop.h"

#include <gtest/gtest.h>
#include <optional>

inline constexpr const char* kAbout = "AboutWnd.AboutWnd";
inline constexpr const char* kExperiment = "ControlWnd.ControlWnd";
inline constexpr const char* kHelp = "helpWnd.helpWnd";

class DesktopTest : public ::testing::Test {
public:
    // What to click in a window, one step after the other: (role, name), each below the one before.
    using Path = std::vector<std::pair<std::string, std::string>>;

    ~DesktopTest() override;
    static bool Eventually(const std::function<bool()>& condition);

    void Start(const QString& program, const QStringList& arguments = {});
    // Its exit status once it has ended by itself, else nothing; and what it has printed (its errors
    // go to the test's own).
    std::optional<int> Exit();
    std::string Output() { return program_.readAll().toStdString(); }

    // The program's one window of the class that the window manager manages (shown or minimised).
    std::optional<desktop::WindowId> Window(const char* className);
    // That window while it is the active one.
    std::optional<desktop::WindowId> Active(const char* className);
    // The window shown (not minimised), active and the only one of its class.
    ::testing::AssertionResult InFront(const char* className);
    ::testing::AssertionResult Minimised(const char* className);

    // Reads the program's tree until `ready` holds for it (the last one read when it never does).
    desktop::Tree TreeWhere(const std::function<bool(const desktop::Tree&)>& ready);
    // A window's node, told by what it holds: the push button "Calculate" (experiment), else a menu
    // bar (help), else the label "Kestrow" (About).
    static const desktop::Node* WindowNode(const desktop::Tree& tree, const char* className);
    ::testing::AssertionResult Click(const char* className, const Path& path);

private:
    QProcess program_;
};
