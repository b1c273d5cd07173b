// Shortcut parsing. "Cmd" is Qt's CTRL, which Qt itself shows and handles as Command on macOS.
#include "framework/detail/Shortcut.h"

#include "framework/MenuItem.h"
#include "framework/RuntimeException.h"
#include "framework/detail/QtText.h"

#include <QStringList>
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
    const QStringList parts = ToQt(text).split(QLatin1Char('+'));
    Qt::KeyboardModifiers modifiers;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString part = parts[i].trimmed().toLower();
        if (part == QLatin1String("cmd") || part == QLatin1String("command")) {
            modifiers |= Qt::ControlModifier;
        } else if (part == QLatin1String("ctrl") || part == QLatin1String("control")) {
#ifdef Q_OS_MACOS
            modifiers |= Qt::MetaModifier;
#else
            modifiers |= Qt::ControlModifier;
#endif
        } else if (part == QLatin1String("shift")) {
            modifiers |= Qt::ShiftModifier;
        } else if (part == QLatin1String("alt") || part == QLatin1String("option")) {
            modifiers |= Qt::AltModifier;
        } else {
            throw InvalidArgumentException("Unknown modifier '" + FromQt(parts[i]) + "' in shortcut '" + text + "'.");
        }
    }
    const QString keyName = parts.last().trimmed();
    const QKeySequence key = QKeySequence::fromString(keyName, QKeySequence::PortableText);
    // A name Qt does not know parses to something else; it must read back as written.
    if (key.count() != 1 || key[0].keyboardModifiers() != Qt::NoModifier || key[0].key() == Qt::Key_unknown ||
        key.toString(QKeySequence::PortableText).compare(keyName, Qt::CaseInsensitive) != 0) {
        throw InvalidArgumentException("Shortcut '" + text + "' names no single key.");
    }
    return QKeySequence(QKeyCombination(modifiers, key[0].key()));
}

void CheckShortcutsUnique(const MenuItem& root) {
    std::map<QKeySequence, std::string> seen;
    Collect(root, seen);
}

} // namespace fw::detail
