// What a menu item does when the window that shows it has no handler for it: the Edit items
// (by name: EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) edit the focused
// text control, a QuitMenuItem ends the application with 0, anything else does nothing (disabled).
#pragma once

class QWidget;

namespace fw {
class MenuItem;
}

namespace fw::detail {

bool DefaultMenuEnabled(const MenuItem& item, QWidget* focus);
// Returns whether the item had a default command.
bool PerformDefaultMenuCommand(const MenuItem& item, QWidget* focus);

} // namespace fw::detail
