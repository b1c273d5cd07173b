// The desktop as a user's own tools see and drive it: xprop for what the window manager shows,
// xdotool for real keyboard and mouse input, xclip for the clipboard, and a screen reader's view
// of a program (its AT-SPI tree, read by accessible_tree.py). Every call runs the tool to its end.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace desktop {

using WindowId = unsigned long;

// The windows named by a property of the root window (_NET_CLIENT_LIST, _NET_ACTIVE_WINDOW ...).
std::vector<WindowId> RootWindows(const char* atom);
// A window's process, role, state and title, as xprop prints them ("_NET_WM_NAME = \"Info\"").
QByteArray Properties(WindowId window);

// Key presses as xdotool names them ("alt+e", "ctrl+v", "Escape"), one after the other.
void Keys(const QStringList& keys);
void ClickAt(QPoint onScreen);
// As the window's minimise button does.
void Minimise(WindowId window);

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

// Empty while the program is not on the accessibility bus.
Tree ReadTree(qint64 pid);
// The nodes below `under` (in the whole tree when null) that `match` holds for, in order.
std::vector<const Node*> Below(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match);
// The first of them, or null.
const Node* Find(const Tree& tree, const Node* under, const std::function<bool(const Node&)>& match);
const Node* Find(const Tree& tree, const Node* under, const std::string& role, const std::string& name);

} // namespace desktop
