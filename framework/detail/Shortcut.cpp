// Shortcut parsing by Qt's portable key-sequence text. "Cmd" is Qt's Ctrl, which Qt itself shows
// and handles as Command on macOS (where "Ctrl" is the Control key, Qt's Meta).
#include "framework/detail/Shortcut.h"

#include "framework/MenuItem.h"
#include "framework/RuntimeException.h"
#include "framework/detail/QtText.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <map>

namespace fw::detail {
namespace {

void Collect(const MenuItem& item, std::map<QKeySequence, std::string>& seen) {
    for (std::size_t i = 0; i < item.Count(); ++i) {
        auto child = item.Item(i);
        const QKeySequence sequence = ParseShortcut(child->Shortcut());
        if (!sequence.isEmpty()) {
            auto [it, inserted] = seen.emplace(sequence, child->Name());
            if (!inserted) {
                throw InvalidArgumentException("Menu items '" + it->second + "' and '" + child->Name() +
                                               "' share the shortcut '" + child->Shortcut() + "'.");
            }
        }
        Collect(*child, seen);
    }
}

} // namespace

QKeySequence ParseShortcut(const std::string& text) {
    if (text.empty()) return {};
    QString portable = ToQt(text);
#ifdef Q_OS_MACOS
    portable.replace(
        QRegularExpression(QStringLiteral("\\b(?:Ctrl|Control)\\+"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("Meta+"));
#endif
    portable.replace(
        QRegularExpression(QStringLiteral("\\b(?:Cmd|Command)\\+"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("Ctrl+"));
    const QKeySequence sequence = QKeySequence::fromString(portable, QKeySequence::PortableText);
    // What Qt cannot read comes back as an unknown key; a modifier alone is no key either.
    static const Qt::Key modifiers[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta, Qt::Key_Alt, Qt::Key_AltGr};
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown ||
        std::find(std::begin(modifiers), std::end(modifiers), sequence[0].key()) != std::end(modifiers)) {
        throw InvalidArgumentException("Shortcut '" + text + "' names no single key.");
    }
    return sequence;
}

void CheckShortcutsUnique(const MenuItem& root) {
    std::map<QKeySequence, std::string> seen;
    Collect(root, seen);
}

} // namespace fw::detail
