// Shortcut texts ("Cmd+Q") to Qt key sequences, and the rule that no two items of a tree share one.
#pragma once

#include <QKeySequence>
#include <string>

namespace fw {
class MenuItem;
}

namespace fw::detail {

// An empty sequence for ""; InvalidArgumentException for a text that names no key.
QKeySequence ParseShortcut(const std::string& text);
// InvalidArgumentException naming the two items when two items of the tree share a shortcut.
void CheckShortcutsUnique(const MenuItem& root);

} // namespace fw::detail
