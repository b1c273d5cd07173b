// Key mapping and the shared key filter of text controls and window frames.
#include "framework/detail/KeyText.h"

#include "framework/KeyCodes.h"

#include <QKeyEvent>

namespace fw::detail {
namespace {

std::optional<char> ControlCode(int key) {
    switch (key) {
    case Qt::Key_Backspace: return key::kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return key::kTab;
    case Qt::Key_Return: return key::kReturn;
    case Qt::Key_Enter: return key::kEnter;
    case Qt::Key_Escape: return key::kEscape;
    case Qt::Key_Delete: return key::kDelete;
    case Qt::Key_Left: return key::kLeft;
    case Qt::Key_Right: return key::kRight;
    case Qt::Key_Up: return key::kUp;
    case Qt::Key_Down: return key::kDown;
    case Qt::Key_Home: return key::kHome;
    case Qt::Key_End: return key::kEnd;
    case Qt::Key_PageUp: return key::kPageUp;
    case Qt::Key_PageDown: return key::kPageDown;
    default: return std::nullopt;
    }
}

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R: return true;
    default: return false;
    }
}

} // namespace

std::optional<std::string> KeyText(const QKeyEvent& event) {
    // ControlModifier is Ctrl here and Command on macOS: such a key is a menu shortcut.
    if (event.modifiers().testFlag(Qt::ControlModifier) || IsModifierKey(event.key())) return std::nullopt;
    if (auto code = ControlCode(event.key())) return std::string(1, *code);
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const char32_t first = text.at(0).isHighSurrogate() && text.size() > 1
                               ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                               : text.at(0).unicode();
    if (!QChar::isPrint(first)) return std::nullopt;
    return text.toStdString();
}

bool FilterKeyEvent(QEvent* event, const KeyHooks& hooks) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination combination = key->keyCombination();
        const QKeySequence sequence(
            QKeyCombination(combination.keyboardModifiers() & ~Qt::KeypadModifier, combination.key()));
        if (hooks.claimsShortcut && hooks.claimsShortcut(sequence)) {
            event->ignore(); // not overridden: the shortcut goes to the menu
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || !hooks.keyDown) return false;
    auto text = KeyText(*static_cast<QKeyEvent*>(event));
    if (!text || !hooks.keyDown(*text)) return false;
    event->accept();
    return true;
}

} // namespace fw::detail
