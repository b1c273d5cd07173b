// Building and refreshing a window's Qt menus from the shared menu tree.
#include "framework/detail/MenuPresenter.h"

#include "framework/MenuBar.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/detail/QtText.h"
#include "framework/detail/Shortcut.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

namespace fw::detail {
namespace {

QAction::MenuRole RoleOf(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) return QAction::QuitRole;
    if (dynamic_cast<const PrefsMenuItem*>(&item) != nullptr) return QAction::PreferencesRole;
    return QAction::NoRole;
}

} // namespace

MenuPresenter::MenuPresenter(std::shared_ptr<MenuBar> tree, QMenuBar* bar, Callbacks callbacks)
    : tree_(std::move(tree)), bar_(bar), callbacks_(std::move(callbacks)) {
    Build(*tree_, nullptr);
    QObject::connect(qApp, &QApplication::focusChanged, bar, [this] { Refresh(); });
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, bar, [this] { Refresh(); });
    Refresh();
}

MenuPresenter::~MenuPresenter() = default;

void MenuPresenter::Build(const MenuItem& parent, QMenu* menu) {
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        std::shared_ptr<MenuItem> item = parent.Item(i);
        QAction* action = nullptr;
        if (item->IsSeparator()) {
            action = menu != nullptr ? menu->addSeparator() : bar_->addSeparator();
        } else if (item->Count() > 0) {
            QMenu* sub = menu != nullptr ? menu->addMenu(ToQt(item->Value())) : bar_->addMenu(ToQt(item->Value()));
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this] { Refresh(); });
            action = sub->menuAction();
            Build(*item, sub);
        } else {
            action = menu != nullptr ? menu->addAction(ToQt(item->Value())) : bar_->addAction(ToQt(item->Value()));
            action->setShortcut(ParseShortcut(item->Shortcut()));
            action->setMenuRole(RoleOf(*item));
            // The tree keeps the item alive; the action is the connection's context.
            const MenuItem* raw = item.get();
            QObject::connect(action, &QAction::triggered, action, [this, raw] { callbacks_.choose(*raw); });
        }
        entries_.push_back({item, action});
    }
}

MenuPresenter::Entry* MenuPresenter::Find(const MenuItem& item) {
    for (auto& entry : entries_) {
        if (entry.item.get() == &item) return &entry;
    }
    return nullptr;
}

bool MenuPresenter::RefreshItem(const MenuItem& item) {
    Entry* entry = Find(item);
    if (entry == nullptr || entry->action.isNull()) return false;
    QAction* action = entry->action;
    action->setVisible(item.Visible());
    if (item.IsSeparator()) return false;
    action->setText(ToQt(item.Value()));
    bool enabled = false;
    if (item.Count() > 0) {
        // A menu is available when one of its visible items is.
        for (std::size_t i = 0; i < item.Count(); ++i) {
            auto child = item.Item(i);
            if (RefreshItem(*child) && child->Visible()) enabled = true;
        }
    } else {
        enabled = callbacks_.enabled(item);
    }
    action->setEnabled(enabled);
    return enabled;
}

void MenuPresenter::Refresh() {
    if (refreshing_ || bar_.isNull()) return;
    refreshing_ = true;
    for (std::size_t i = 0; i < tree_->Count(); ++i) RefreshItem(*tree_->Item(i));
    refreshing_ = false;
}

QAction* MenuPresenter::ActionFor(const std::string& itemName) const {
    for (const auto& entry : entries_) {
        if (entry.item->Name() == itemName) return entry.action;
    }
    return nullptr;
}

bool MenuPresenter::ClaimsShortcut(const QKeySequence& sequence) {
    Refresh();
    for (const auto& entry : entries_) {
        if (!entry.action.isNull() && entry.action->isEnabled() && entry.action->isVisible() &&
            !entry.action->shortcut().isEmpty() && entry.action->shortcut() == sequence) {
            return true;
        }
    }
    return false;
}

} // namespace fw::detail
