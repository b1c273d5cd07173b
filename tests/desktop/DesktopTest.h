// Fixture of the real-desktop tests: each test starts the real program (or the framework probe)
// on the desktop that the test main set up, drives it with real input and reads what the desktop
// shows: the window manager's titles and window states, the accessibility tree, the clipboard.
// Every wait is on a condition, with a time limit that only a fault reaches.
#pragma once

#include "AccessibleTree.h"
#include "Desktop.h"
#include "RunningProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class DesktopTest : public ::testing::Test {
public:
    static constexpr const char* kAbout = "AboutWnd.AboutWnd";
    static constexpr const char* kExperiment = "ControlWnd.ControlWnd";
    static constexpr const char* kHelp = "helpWnd.helpWnd";
    static constexpr int kWaitMs = 15000;

    static bool Eventually(const std::function<bool()>& condition, int timeoutMs = kWaitMs);

    void StartKestrow();
    void StartProbe(const QStringList& arguments);
    // Waits until the About window's timer has handed over: the About window hidden and the
    // experiment window active, with its accessibility tree registered.
    ::testing::AssertionResult HandedOver();
    // Reads the accessibility tree until `ready` holds for it (the last one read when it never does).
    AccessibleTree TreeWhere(const std::function<bool(const AccessibleTree&)>& ready, int timeoutMs = kWaitMs);

    // A window's node by what only that window holds: the push button "Calculate" (experiment),
    // a menu bar without it (help), the name label without a menu bar (About).
    static const AccessibleNode* WindowNode(const AccessibleTree& tree, const std::string& className);
    // The node of that role and name in the window of that class.
    static const AccessibleNode* NodeIn(const AccessibleTree& tree, const std::string& className,
                                        const std::string& role, const std::string& name);
    // Clicks the node of that role and name in the window once it is on the screen.
    ::testing::AssertionResult Click(const std::string& className, const std::string& role, const std::string& name);
    // Clicks the menu's title in the window's menu bar, then the item in the menu that opens.
    ::testing::AssertionResult ChooseMenuItem(const std::string& className, const std::string& menu,
                                              const std::string& item);
    // The window minimised as its minimise button does, and its window manager's answer awaited.
    ::testing::AssertionResult Minimised(const std::string& className);
    // The window shown (not minimised) and active.
    ::testing::AssertionResult InFront(const std::string& className);

    std::unique_ptr<RunningProgram> program;
};
