// What a screen reader sees of a program: its accessibility tree as AT-SPI gives it, read by
// accessible_tree.py (pyatspi) in one go. Nodes come in depth-first order; the application is
// the one node at depth 0 and its windows are at depth 1.
#pragma once

#include <QRect>
#include <functional>
#include <set>
#include <string>
#include <vector>

struct AccessibleNode {
    int depth = 0;
    std::string role; // as AT-SPI names it: "frame", "dialog", "menu item", "push button", "text" ...
    std::string name;
    std::set<std::string> states; // "enabled", "showing", "focused" ...
    QRect extents;                // on the screen
    std::string text;             // the contents of a text object

    bool Has(const char* state) const { return states.count(state) != 0; }
    QPoint Centre() const { return extents.center(); }
};

class AccessibleTree {
public:
    // Empty while the program is not on the accessibility bus (or the reader failed).
    static AccessibleTree Read(long long pid);

    bool Empty() const { return nodes_.empty(); }
    std::vector<const AccessibleNode*> Windows() const;
    // The first node, below `under` or anywhere, for which `match` holds; null when none does.
    const AccessibleNode* Find(const std::function<bool(const AccessibleNode&)>& match,
                               const AccessibleNode* under = nullptr) const;
    const AccessibleNode* Find(const std::string& role, const std::string& name,
                               const AccessibleNode* under = nullptr) const;
    // Every node below `node` for which `match` holds, in order.
    std::vector<const AccessibleNode*> Below(const AccessibleNode& node,
                                             const std::function<bool(const AccessibleNode&)>& match) const;

private:
    std::vector<AccessibleNode> nodes_;
};
