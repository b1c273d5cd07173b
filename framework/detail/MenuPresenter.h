// A menu tree on a Qt widget: on a QMenuBar, its menus with a QAction per item; on any other
// widget, only the items' actions with their shortcuts (for a window that shows no menu bar of its
// own). The actions are refreshed from the tree (caption, visibility, enabling) whenever a menu
// opens, the focus or the clipboard changes, or the owner asks. A menu's title is always enabled.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace fw {
class MenuBar;
class MenuItem;
} // namespace fw

namespace fw::detail {

class MenuPresenter {
public:
    struct Callbacks {
        std::function<bool(const MenuItem&)> enabled; // for a leaf item
        std::function<void(const MenuItem&)> choose;
    };

    // A QMenuBar host owns the actions; on any other host the presenter owns them.
    MenuPresenter(std::shared_ptr<MenuBar> tree, QWidget* host, Callbacks callbacks);
    MenuPresenter(const MenuPresenter&) = delete;
    MenuPresenter& operator=(const MenuPresenter&) = delete;
    ~MenuPresenter();

    void Refresh();
    bool Shows(const MenuBar& tree) const { return tree_.get() == &tree; }
    QAction* ActionFor(const std::string& itemName) const;
    // Whether an enabled, visible item has this shortcut (so the shortcut must reach the menu).
    bool ClaimsShortcut(const QKeySequence& sequence);

private:
    struct Entry {
        std::shared_ptr<MenuItem> item;
        QPointer<QAction> action;
    };
    void Build(const MenuItem& parent, QMenu* menu);
    void RefreshItem(const MenuItem& item);
    Entry* Find(const MenuItem& item);

    std::shared_ptr<MenuBar> tree_;
    QPointer<QWidget> host_;
    bool menus_ = false; // the host is a QMenuBar
    Callbacks callbacks_;
    std::vector<Entry> entries_;
    bool refreshing_ = false;
    // The context of every connection the presenter makes, so that none outlives it (the host,
    // its menus and the application's signals may all live on after a window replaces it).
    QObject connections_;
};

} // namespace fw::detail
