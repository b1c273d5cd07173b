// The menus of one window: its own menu tree shown in a QMenuBar above the content area, the
// application's shortcuts while it shows no bar of its own, the handlers registered by item name,
// and the control the standard Edit commands act on. The Qt actions call back through the window
// (MenuItemEnabled, ChooseMenuItem), which adds its closed state and runs handlers as program code.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QKeySequence;
class QMenuBar;
class QVBoxLayout;
class QWidget;

namespace fw {
class MenuBar;
class MenuItem;
class Window;
} // namespace fw

namespace fw::detail {

class MenuPresenter;

class WindowMenus {
public:
    // The bar goes into `layout` on `frame`.
    WindowMenus(Window& window, QWidget* frame, QVBoxLayout* layout);
    WindowMenus(const WindowMenus&) = delete;
    WindowMenus& operator=(const WindowMenus&) = delete;
    ~WindowMenus();

    const std::shared_ptr<MenuBar>& Tree() const noexcept { return tree_; }
    // The window's own tree (checked by the caller); Update shows it.
    void SetTree(std::shared_ptr<MenuBar> tree) noexcept { tree_ = std::move(tree); }
    // Builds, replaces or removes the bar and the application's shortcuts to match the trees: a bar
    // when the window has a tree and `barAllowed`, hidden unless `barVisible`.
    void Update(bool barAllowed, bool barVisible);

    // An empty handler removes the registration.
    void SetHandler(const std::string& itemName, std::function<bool()> handler);
    // A copy of the item's handler (which may replace its own registration), or an empty one.
    std::function<bool()> Handler(const std::string& itemName) const;
    // With a handler, or when not auto-enabled, always; else when the standard command applies.
    bool Enabled(const MenuItem& item) const;
    void PerformStandardCommand(const MenuItem& item) const;

    void Refresh();
    bool ClaimsShortcut(const QKeySequence& sequence);
    QAction* ActionFor(const std::string& itemName) const;

private:
    QWidget* EditTarget() const;
    std::unique_ptr<MenuPresenter> Present(std::shared_ptr<MenuBar> tree, QWidget* host);

    Window& window_;
    QWidget* frame_;
    QVBoxLayout* layout_;
    std::shared_ptr<MenuBar> tree_;
    QMenuBar* bar_ = nullptr; // child of the frame while shown
    std::unique_ptr<MenuPresenter> presenter_;
    std::unique_ptr<MenuPresenter> appShortcuts_; // the application's, while no bar of its own shows
    std::map<std::string, std::function<bool()>> handlers_;
    QPointer<QWidget> editFocus_; // the control that last had the focus, menu bar aside
    QObject connections_;         // the context of the focus tracking: it ends with these menus
};

} // namespace fw::detail
