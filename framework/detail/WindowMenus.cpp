// A window's menu bar widget, its presenters and its menu handlers. Refreshing and shortcut claims
// pass to both presenters; enabling and the standard commands look at the edit target.
#include "framework/detail/WindowMenus.h"

#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/detail/DefaultMenuCommands.h"
#include "framework/detail/MenuPresenter.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>

namespace fw::detail {

WindowMenus::WindowMenus(Window& window, QWidget* frame, QVBoxLayout* layout)
    : window_(window), frame_(frame), layout_(layout) {
    QObject::connect(qApp, &QApplication::focusChanged, &connections_, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == frame_ && qobject_cast<QMenuBar*>(now) == nullptr) editFocus_ = now;
    });
}

WindowMenus::~WindowMenus() {
    delete bar_; // with its menus, before the presenter that fills them
}

std::unique_ptr<MenuPresenter> WindowMenus::Present(std::shared_ptr<MenuBar> tree, QWidget* host) {
    MenuPresenter::Callbacks callbacks{[this](const MenuItem& item) { return window_.MenuItemEnabled(item); },
                                       [this](const MenuItem& item) { window_.ChooseMenuItem(item); }};
    return std::make_unique<MenuPresenter>(std::move(tree), host, std::move(callbacks));
}

void WindowMenus::Update(bool barAllowed, bool barVisible) {
    const bool wanted = tree_ && barAllowed;
    if (bar_ != nullptr && (!wanted || !presenter_->Shows(*tree_))) {
        layout_->setMenuBar(nullptr);
        delete bar_;
        bar_ = nullptr;
        presenter_.reset();
    }
    if (wanted && bar_ == nullptr) {
        bar_ = new QMenuBar(frame_);
        layout_->setMenuBar(bar_);
        presenter_ = Present(tree_, bar_);
    }
    if (bar_ != nullptr) bar_->setHidden(!barVisible);

#ifndef Q_OS_MACOS // where macOS shows the application's menu bar itself, shortcuts included
    // A window that shows no menu bar of its own answers the shortcuts of the application's.
    const Application* app = RuntimeAppObject();
    std::shared_ptr<MenuBar> shared;
    if (app != nullptr && (bar_ == nullptr || bar_->isHidden())) shared = app->MenuBar();
    if (!shared) {
        appShortcuts_.reset();
    } else if (!appShortcuts_ || !appShortcuts_->Shows(*shared)) {
        appShortcuts_.reset();
        appShortcuts_ = Present(shared, frame_);
    }
#endif
}

void WindowMenus::SetHandler(const std::string& itemName, std::function<bool()> handler) {
    if (handler) {
        handlers_[itemName] = std::move(handler);
    } else {
        handlers_.erase(itemName);
    }
}

std::function<bool()> WindowMenus::Handler(const std::string& itemName) const {
    const auto it = handlers_.find(itemName);
    return it != handlers_.end() ? it->second : std::function<bool()>();
}

bool WindowMenus::Enabled(const MenuItem& item) const {
    if (!item.AutoEnabled() || handlers_.count(item.Name()) != 0) return true;
    return DefaultMenuEnabled(item, EditTarget());
}

void WindowMenus::PerformStandardCommand(const MenuItem& item) const { PerformDefaultMenuCommand(item, EditTarget()); }

// The focused control, or, while the menu bar holds the focus for keyboard navigation, the control
// that had it before.
QWidget* WindowMenus::EditTarget() const {
    QWidget* focus = frame_->focusWidget();
    return qobject_cast<QMenuBar*>(focus) != nullptr ? editFocus_.data() : focus;
}

void WindowMenus::Refresh() {
    if (presenter_) presenter_->Refresh();
    if (appShortcuts_) appShortcuts_->Refresh();
}

bool WindowMenus::ClaimsShortcut(const QKeySequence& sequence) {
    return (presenter_ && presenter_->ClaimsShortcut(sequence)) ||
           (appShortcuts_ && appShortcuts_->ClaimsShortcut(sequence));
}

QAction* WindowMenus::ActionFor(const std::string& itemName) const {
    return presenter_ ? presenter_->ActionFor(itemName) : nullptr;
}

} // namespace fw::detail
