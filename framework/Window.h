// A top-level window of the program. A program window derives from Window, is constructed with its
// registered run-time class name, and overrides the handlers of the events its class handles
// (RegisterWindowClass). The framework owns open windows: create them with ImplicitWindow and
// find them again with GetImplicitWindow. A window the user closes is gone with its controls.
//
// Window properties (PropertyHolder / SetProperties), name: type = default:
//   Width, Height: Integer = 300 — the content area below any menu bar, in pixels
//   MinimumWidth, MinimumHeight: Integer = 64; MaximumWidth, MaximumHeight: Integer = 32000
//   Type: Integer = kPlainType — kPlainType a top-level window, kDialogType a dialog-style one
//   Title: Text = ""; Resizeable: Boolean = true; FullScreen: Boolean = false
//   HasCloseButton, HasMinimizeButton, HasMaximizeButton: Boolean = true; HasFullScreenButton: Boolean = false
//   DefaultLocation: Integer = 0 — where the window first appears:
//       0 where the platform puts new windows, 1 centred on the active window,
//       2 centred on the main screen, 3 staggered from the active window
//   Visible: Boolean = true — during Constructor only recorded; the window shows at its end
//   HasBackgroundColor: Boolean = false; BackgroundColor: Color = &hFFFFFF
//   MenuBarVisible: Boolean = true
//   Composite, LiveResize: Boolean; MacProcID: Integer — kept only
#pragma once

#include "framework/Cast.h"
#include "framework/PropertyHolder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QKeySequence;
class QWidget;

namespace fw {

class Control;
class MenuBar;
class MenuItem;

class Window;

namespace detail {
class WindowFrame;
Window& ConstructAdopted(std::unique_ptr<Window> window);
} // namespace detail

class Window : public PropertyHolder {
public:
    // The values of Type. A dialog-style window shows no menu bar.
    static constexpr std::int64_t kPlainType = 0;
    static constexpr std::int64_t kDialogType = 2;

    // Throws InvalidArgumentException when the class is not registered.
    explicit Window(std::string className);
    ~Window() override;

    const std::string& ClassName() const noexcept;

    // Raises Layout, CreateControls, then the controls' Open events, then AddMenuHandlers — each
    // window event only when the class handles it — and shows the window when Visible is true.
    // Exceptions pass on to the caller.
    void Constructor();
    // Visible, in front and active.
    void Show();
    // Invisible, still open.
    void Hide();
    // As when the user closes it: the Close event (when handled), then the window is gone.
    void Close();

    // Installs a menu tree as this window's own menu bar (not shown by dialog-style windows). Throws
    // InvalidArgumentException when two items share a shortcut.
    void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);
    std::shared_ptr<fw::MenuBar> MenuBar() const;

    // Registers a control made for this window under `name`; InvalidArgumentException for an
    // empty or taken name or a control of another window.
    Control& AddControl(const std::string& name, std::unique_ptr<Control> control);
    template <class C>
    C& NewControl(const std::string& name) {
        auto control = std::make_unique<C>(*this);
        C& created = *control;
        AddControl(name, std::move(control));
        return created;
    }
    // The control of that name, or null.
    Control* ControlByName(const std::string& name) const;
    // Checked: NilObjectException when there is none, IllegalCastException for another class.
    template <class T>
    T& ControlAs(const std::string& name) const {
        return CheckedCast<T>(ControlByName(name));
    }

    // Choosing the menu item of that name in this window calls the handler; true means handled.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    // Whether choosing the item would do something here (its handler, or the standard command).
    bool MenuItemEnabled(const MenuItem& item) const;
    // What choosing the item does here: its handler, else (or when that returns false) the
    // standard command. The caller keeps the item alive for the call: the handler may replace the
    // bar it came from.
    void ChooseMenuItem(const MenuItem& item);

    // Whether the registered class handles the event (RuntimeIsEventHandled).
    virtual bool IsEventImplemented(const std::string& eventName) const;

    // Window events; the framework raises each only when IsEventImplemented says so.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }
    // The key as text (see KeyDown of TextField); true drops it.
    virtual bool Event_KeyDown(const std::string& key);
    // A press anywhere on the window not taken by a control; x and y in content coordinates.
    virtual bool Event_MouseDown(std::int64_t x, std::int64_t y);
    virtual void Event_Close() {}

    // Qt side, for tests and special needs.
    QWidget* Widget() const noexcept;                       // the top-level window
    QWidget* Content() const noexcept;                      // the area under the menu bar that holds the controls
    QAction* MenuAction(const std::string& itemName) const; // this window's action for the item, or null

    std::string Describe() const override;

private:
    friend class Control;
    friend class detail::WindowFrame;
    friend Window& detail::ConstructAdopted(std::unique_ptr<Window> window);
    struct Impl;

    void DeclareProperties();
    void UpdateMenuBarAndFitFrame();
    bool Handles(const char* eventName) const;
    void DeliverUserClose();
    void Discard();
    bool IsClosed() const noexcept;
    bool DeliverKey(const std::string& key);
    void DeliverMouseDown(std::int64_t x, std::int64_t y);
    void RefreshMenus();
    bool ClaimsShortcut(const QKeySequence& sequence);
    void RenameControl(Control& control, const std::string& newName);
    void TabOrderChanged();

    std::unique_ptr<Impl> d_;
};

// The open window of that class, hidden or not, else null.
Window* GetImplicitWindow(const std::string& className);

// The single-instance accessor: the open window of the class, else a new one built by the factory
// registered with the class (RegisterWindowClass) and constructed; when construction throws, the
// half-built window is discarded (never found) and the exception passes on. Throws
// InvalidArgumentException for a class without a factory, or whose factory builds a window of
// another class. Windows ask for one another by class name this way, without each other's types.
Window& ImplicitWindow(const std::string& className);
// The same, checked to be a W (IllegalCastException otherwise).
template <class W>
W& ImplicitWindow(const std::string& className) {
    return CheckedCast<W>(&ImplicitWindow(className));
}

} // namespace fw
