// Building and refreshing a window's Qt menus (or only its menu shortcuts) from the shared menu tree.
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

MenuPresenter::MenuPresenter(std::shared_ptr<MenuBar> tree, QWidget* host, Callbacks callbacks)
    : tree_(std::move(tree)), host_(host), menus_(qobject_cast<QMenuBar*>(host) != nullptr),
      callbacks_(std::move(callbacks)) {
    Build(*tree_, nullptr);
    QObject::connect(qApp, &QApplication::focusChanged, &connections_, [this] { Refresh(); });
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &connections_, [this] { Refresh(); });
    Refresh();
}

MenuPresenter::~MenuPresenter() {
    if (menus_) return;
    for (auto& entry : entries_) delete entry.action.data(); // else their shortcuts would stay on the host
}

void MenuPresenter::Build(const MenuItem& parent, QMenu* menu) {
    auto* bar = menus_ ? static_cast<QMenuBar*>(host_.data()) : nullptr;
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        std::shared_ptr<MenuItem> item = parent.Item(i);
        QAction* action = nullptr;
        if (item->IsSeparator()) {
            if (bar != nullptr) action = menu != nullptr ? menu->addSeparator() : bar->addSeparator();
        } else if (item->Count() > 0) {
            QMenu* sub = nullptr;
            if (bar != nullptr) {
                sub = menu != nullptr ? menu->addMenu(ToQt(item->Value())) : bar->addMenu(ToQt(item->Value()));
                QObject::connect(sub, &QMenu::aboutToShow, &connections_, [this] { Refresh(); });
                action = sub->menuAction();
            }
            Build(*item, sub);
        } else {
            if (bar != nullptr) {
                action = menu != nullptr ? menu->addAction(ToQt(item->Value())) : bar->addAction(ToQt(item->Value()));
            } else {
                action = new QAction(ToQt(item->Value()), host_);
                host_->addAction(action);
            }
            action->setShortcut(ParseShortcut(item->Shortcut()));
            action->setMenuRole(RoleOf(*item));
            // The choice may replace this presenter and its tree (a handler that installs another
            // bar): the item and the callback are held by the call itself until it returns.
            QObject::connect(action, &QAction::triggered, &connections_, [this, item] {
                const std::shared_ptr<MenuItem> chosen = item;
                const auto choose = callbacks_.choose;
                choose(*chosen);
            });
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

void MenuPresenter::RefreshItem(const MenuItem& item) {
    Entry* entry = Find(item);
    QAction* action = entry != nullptr ? entry->action.data() : nullptr; // none for a menu without a bar
    for (std::size_t i = 0; i < item.Count(); ++i) RefreshItem(*item.Item(i));
    if (action == nullptr) return;
    action->setVisible(item.Visible());
    if (item.IsSeparator()) return;
    action->setText(ToQt(item.Value()));
    // A menu's title stays available, so that its menu opens however the user reaches it; its
    // items show what can be done.
    action->setEnabled(item.Count() > 0 || callbacks_.enabled(item));
}

void MenuPresenter::Refresh() {
    if (refreshing_ || host_.isNull()) return;
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
