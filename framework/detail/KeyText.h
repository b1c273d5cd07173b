// Keys as the program's KeyDown handlers see them: a printable key as its character, the editing
// and movement keys as the control characters of framework/KeyCodes.h. A key with the command
// modifier and a modifier alone give nothing.
#pragma once

#include <QEvent>
#include <QKeySequence>
#include <functional>
#include <optional>
#include <string>

class QKeyEvent;

namespace fw::detail {

std::optional<std::string> KeyText(const QKeyEvent& event);

struct KeyHooks {
    std::function<bool(const std::string&)> keyDown;         // true drops the key
    std::function<bool(const QKeySequence&)> claimsShortcut; // a menu item of the window owns it
};

// Called first in a widget's event(): raises KeyDown for key presses and lets menu shortcuts pass
// the widget's own shortcut handling. Returns true when the event is consumed.
bool FilterKeyEvent(QEvent* event, const KeyHooks& hooks);

// A Qt text widget that runs its control's key filter first and keeps the keys it had from its
// window: a key the widget ignores (Return, Escape) does not go on to the window's KeyDown.
template <class Widget>
class KeyFiltered : public Widget {
public:
    KeyHooks hooks;

protected:
    bool event(QEvent* event) override {
        if (FilterKeyEvent(event, hooks)) return true;
        const bool result = Widget::event(event);
        if (event->type() == QEvent::KeyPress) event->accept();
        return result;
    }
};

} // namespace fw::detail
