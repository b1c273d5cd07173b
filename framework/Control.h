// Base of everything a window holds by name: the owner window, the name, and the route by which
// the control's events run program code (exceptions reported, never thrown into Qt).
//
// Properties of every control: Name: Text (the registered name; renaming keeps names unique),
// Index: Integer = -2147483648 (kept).
#pragma once

#include "framework/Event.h"
#include "framework/PropertyHolder.h"

#include <functional>
#include <string>

class QKeySequence;

namespace fw {

class Window;

class Control : public PropertyHolder {
public:
    ~Control() override;

    Window& Owner() const noexcept { return owner_; }
    const std::string& Name() const;
    virtual std::string ClassName() const = 0;
    std::string Describe() const override;

protected:
    // Must run on the UI thread. The control is not registered until Window::AddControl.
    explicit Control(Window& owner);

    // Runs program code for one of this control's events; false when it failed (already reported)
    // or the window is closed.
    bool RunEventHandler(const std::function<void()>& handler) const;
    // Raises a KeyDown event of this control; true when its handler dropped the key.
    template <class Self>
    bool RaiseKeyDown(const Event<bool(Self&, const std::string&)>& keyDown, Self& self, const std::string& key) const {
        if (!keyDown.IsBound()) return false;
        bool dropped = false;
        RunEventHandler([&] { dropped = keyDown.Raise(self, key); });
        return dropped;
    }
    // The window's Edit menu may have changed (focus, selection, text, undo).
    void EditStateChanged() const;
    // Whether an available menu item of the window owns this shortcut.
    bool WindowClaimsShortcut(const QKeySequence& sequence) const;
    // TabIndex or the ability to take the focus changed.
    void TabOrderChanged() const;

private:
    friend class Window;
    // After the window's CreateControls (its table applied): raise the control's Open event.
    virtual void Opened() {}
    // The window is gone: stop anything that could call back (timers).
    virtual void Closing() {}

    Window& owner_;
};

} // namespace fw
