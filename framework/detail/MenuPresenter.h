// One QMenuBar built from a menu tree: a QAction per item, refreshed from the tree (caption,
// visibility, enabling) whenever a menu opens, the focus or the clipboard changes, or the owner asks.
#pragma once

#include <QKeySequence>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

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

    // `bar` must outlive the presenter's use; its actions are owned by it.
    MenuPresenter(std::shared_ptr<MenuBar> tree, QMenuBar* bar, Callbacks callbacks);
    MenuPresenter(const MenuPresenter&) = delete;
    MenuPresenter& operator=(const MenuPresenter&) = delete;
    ~MenuPresenter();

    void Refresh();
    QAction* ActionFor(const std::string& itemName) const;
    // Whether an enabled, visible item has this shortcut (so the shortcut must reach the menu).
    bool ClaimsShortcut(const QKeySequence& sequence);

private:
    struct Entry {
        std::shared_ptr<MenuItem> item;
        QPointer<QAction> action;
    };
    void Build(const MenuItem& parent, QMenu* menu);
    bool RefreshItem(const MenuItem& item); // returns whether it ended up enabled
    Entry* Find(const MenuItem& item);

    std::shared_ptr<MenuBar> tree_;
    QPointer<QMenuBar> bar_;
    Callbacks callbacks_;
    std::vector<Entry> entries_;
    bool refreshing_ = false;
};

} // namespace fw::detail
