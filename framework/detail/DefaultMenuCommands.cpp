// Standard editing on QLineEdit and QPlainTextEdit, enabled exactly when it would change something.
#include "framework/detail/DefaultMenuCommands.h"

#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <string_view>

namespace fw::detail {
namespace {

enum class Edit { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

Edit EditOf(const MenuItem& item) {
    static const std::pair<std::string_view, Edit> names[] = {
        {"EditUndo", Edit::Undo},   {"EditCut", Edit::Cut},     {"EditCopy", Edit::Copy},
        {"EditPaste", Edit::Paste}, {"EditClear", Edit::Clear}, {"EditSelectAll", Edit::SelectAll}};
    for (const auto& [name, edit] : names) {
        if (item.Name() == name) return edit;
    }
    return Edit::None;
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() && !data->text().isEmpty();
}

bool CanEdit(Edit edit, const QLineEdit& field) {
    const bool plain = field.echoMode() == QLineEdit::Normal;
    const bool writable = !field.isReadOnly();
    switch (edit) {
    case Edit::Undo: return writable && field.isUndoAvailable();
    case Edit::Cut: return writable && plain && field.hasSelectedText();
    case Edit::Copy: return plain && field.hasSelectedText();
    case Edit::Paste: return writable && ClipboardHasText();
    case Edit::Clear: return writable && field.hasSelectedText();
    case Edit::SelectAll: return field.selectedText().size() < field.text().size();
    case Edit::None: break;
    }
    return false;
}

bool CanEdit(Edit edit, const QPlainTextEdit& area) {
    const bool writable = !area.isReadOnly();
    const QTextCursor cursor = area.textCursor();
    switch (edit) {
    case Edit::Undo: return writable && area.document()->isUndoAvailable();
    case Edit::Cut: return writable && cursor.hasSelection();
    case Edit::Copy: return cursor.hasSelection();
    case Edit::Paste: return writable && ClipboardHasText();
    case Edit::Clear: return writable && cursor.hasSelection();
    case Edit::SelectAll:
        return cursor.selectionEnd() - cursor.selectionStart() < area.document()->characterCount() - 1;
    case Edit::None: break;
    }
    return false;
}

void DoEdit(Edit edit, QLineEdit& field) {
    switch (edit) {
    case Edit::Undo: field.undo(); break;
    case Edit::Cut: field.cut(); break;
    case Edit::Copy: field.copy(); break;
    case Edit::Paste: field.paste(); break;
    case Edit::Clear: field.del(); break;
    case Edit::SelectAll: field.selectAll(); break;
    case Edit::None: break;
    }
}

void DoEdit(Edit edit, QPlainTextEdit& area) {
    switch (edit) {
    case Edit::Undo: area.undo(); break;
    case Edit::Cut: area.cut(); break;
    case Edit::Copy: area.copy(); break;
    case Edit::Paste: area.paste(); break;
    case Edit::Clear: area.textCursor().removeSelectedText(); break;
    case Edit::SelectAll: area.selectAll(); break;
    case Edit::None: break;
    }
}

} // namespace

bool DefaultMenuEnabled(const MenuItem& item, QWidget* focus) {
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) return true;
    const Edit edit = EditOf(item);
    if (edit == Edit::None) return false;
    if (auto* field = qobject_cast<QLineEdit*>(focus)) return CanEdit(edit, *field);
    if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) return CanEdit(edit, *area);
    return false;
}

bool PerformDefaultMenuCommand(const MenuItem& item, QWidget* focus) {
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        Quit(0);
        return true;
    }
    const Edit edit = EditOf(item);
    if (edit == Edit::None || !DefaultMenuEnabled(item, focus)) return false;
    if (auto* field = qobject_cast<QLineEdit*>(focus)) DoEdit(edit, *field);
    if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) DoEdit(edit, *area);
    return true;
}

} // namespace fw::detail
