// Fixture of the real-desktop tests: each test starts the real program (or the framework probe)
// on the desktop that the test main set up, drives it with real input and reads what the desktop
// shows, as a user's own tools see it: xprop for the window manager's windows, xdotool for real
// keyboard and mouse input, xclip for the clipboard, and a screen reader's view of the program
// (its AT-SPI tree, read by accessible_tree.py), and the X server's bell events, which the bell
// watcher reports. Windows are told apart by their X11 window role (the framework sets it to the
// window's class). Every wait is on a condition, with a time limit that only a fault reaches.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kAbout = "AboutWnd.AboutWnd";
inline constexpr const char* kExperiment = "ControlWnd.ControlWnd";
inline constexpr const char* kHelp = "helpWnd.helpWnd";

// The desktop's tools; every call runs its tool to its end.
namespace desktop {

using WindowId = unsigned long;

// The windows named by a property of the root window (_NET_CLIENT_LIST, _NET_ACTIVE_WINDOW ...).
std::vector<WindowId> RootWindows(const char* atom);
// A window's process, role, state, title and size hints, as xprop prints them
// ("_NET_WM_NAME = \"Info\"", "user specified location: 381, 172").
QByteArray Properties(WindowId window);
// The top-left corner of the window's frame on the screen, where the window manager shows it.
std::optional<QPoint> FrameCorner(WindowId window);
// Key presses as xdotool names them ("alt+e", "ctrl+v", "Escape"), one after the other.
void Keys(const QStringList& keys);
void ClickAt(QPoint onScreen);
std::string Clipboard();
// A program that holds `text` on the clipboard until it is destroyed.
std::unique_ptr<QProcess> OfferOnClipboard(const std::string& text);

// One accessible object; a tree lists them depth first, the application at depth 0.
struct Node {
    int depth = 0;
    std::string role; // "frame", "dialog", "alert", "menu item", "push button", "text" ...
    std::string name;
    std::string text;   // the contents of a text object
    QStringList states; // "enabled", "showing", "focused", "multi line" ...
    QRect box;          // on the screen
    bool Has(const char* state) const { return states.contains(QLatin1String(state)); }
};
using Tree = std::vector<Node>;

// The nodes below `under` (in the whole tree when null) that `match` holds for, in order.
std::vector<const Node*> Below(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match);
// The first of them, or null.
const Node* Find(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match);
const Node* Find(const Tree& tree, const Node* under, const std::string& role, const std::string& name);

} // namespace desktop

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
    // Eventually: the window shown (not minimised), active and the only one of its class.
    bool InFront(const char* className);
    // Minimises the window as its minimise button does, and waits until it is.
    bool Minimised(const char* className);

    // Reads the program's tree until `ready` holds for it (the last one read when it never does).
    desktop::Tree TreeWhere(const std::function<bool(const desktop::Tree&)>& ready);
    // A window's node, told by what it holds: the push button "Calculate" (experiment), else a menu
    // bar (help), else the label "Kestrow" (About).
    static const desktop::Node* WindowNode(const desktop::Tree& tree, const char* className);
    ::testing::AssertionResult Click(const char* className, const Path& path);

    // Starts counting the bells rung on the desktop; true once the count has begun.
    bool WatchBells();
    // The bells rung since, every one rung before this call counted; nothing when the count fails.
    std::optional<int> BellsRung();

private:
    QProcess program_;
    QProcess bells_; // the bell watcher
    QByteArray heard_;
    int marks_ = 0;
};
