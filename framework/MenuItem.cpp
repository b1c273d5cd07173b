// The menu tree itself; it holds no Qt objects, so a tree can be built before any window exists.
#include "framework/MenuItem.h"

#include "framework/MenuBar.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/Shortcut.h"

namespace fw {

MenuItem::~MenuItem() {
    for (auto& child : children_) child->parent_ = nullptr;
}

void MenuItem::SetName(const std::string& name) {
    RequireUiThread();
    name_ = name;
}

void MenuItem::SetAutoEnabled(bool autoEnabled) {
    RequireUiThread();
    autoEnabled_ = autoEnabled;
}

void MenuItem::SetValue(const std::string& value) {
    RequireUiThread();
    value_ = value;
}

void MenuItem::SetVisible(bool visible) {
    RequireUiThread();
    visible_ = visible;
}

void MenuItem::SetShortcut(const std::string& shortcut) {
    RequireUiThread();
    detail::ParseShortcut(shortcut); // validates
    shortcut_ = shortcut;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    RequireUiThread();
    if (!item) throw NilObjectException("AddMenu was given a nil menu item.");
    if (dynamic_cast<const MenuBar*>(item.get()) != nullptr)
        throw InvalidArgumentException("A menu bar cannot be a child.");
    if (item->parent_ != nullptr)
        throw InvalidArgumentException("Menu item '" + item->name_ + "' already has a parent.");
    for (const MenuItem* up = this; up != nullptr; up = up->parent_) {
        if (up == item.get()) throw InvalidArgumentException("A menu item cannot contain its own ancestor.");
    }
    item->parent_ = this;
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(std::size_t index) const {
    RequireUiThread();
    if (index >= children_.size()) {
        throw OutOfBoundsException("Menu '" + name_ + "' has no item " + std::to_string(index) + ".");
    }
    return children_[index];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    RequireUiThread();
    for (const auto& child : children_) {
        if (child->name_ == name) return child;
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) const {
    RequireUiThread();
    for (const auto& child : children_) {
        if (child->name_ == name) return child;
        if (auto found = child->Lookup(name)) return found;
    }
    return nullptr;
}

} // namespace fw
