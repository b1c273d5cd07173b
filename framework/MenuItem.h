// Menu trees: a menu bar's children are its menus, their children the items. Items are found by
// name; windows register handlers under those names (Window::AddMenuHandler). A window that
// installs a tree builds its own Qt menus from it then (items added later are not shown there)
// and reads captions and visibility from the tree whenever its menus are refreshed.
#pragma once

#include "framework/Cast.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    virtual std::string ClassName() const { return "MenuItem"; }

    const std::string& Name() const noexcept { return name_; }
    void SetName(const std::string& name);
    // An auto-enabled item is enabled exactly when choosing it would do something; an item that is
    // not auto-enabled is always enabled.
    bool AutoEnabled() const noexcept { return autoEnabled_; }
    void SetAutoEnabled(bool autoEnabled);
    // The caption: "&" marks the mnemonic letter ("&&" a literal ampersand); "-" makes a separator.
    const std::string& Value() const noexcept { return value_; }
    void SetValue(const std::string& value);
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);
    // "Cmd+Q": the platform's command key (Ctrl here, Command on macOS) with Q. Also "Shift+",
    // "Alt+"/"Option+" and named keys ("Cmd+F5"); "" for none. Throws InvalidArgumentException.
    const std::string& Shortcut() const noexcept { return shortcut_; }
    void SetShortcut(const std::string& shortcut);
    bool IsSeparator() const noexcept { return value_ == "-"; }

    // Appends a child. Throws for a null item, one that already has a parent, a menu bar, or this
    // item's own ancestor.
    void AddMenu(std::shared_ptr<MenuItem> item);
    std::size_t Count() const noexcept { return children_.size(); }
    // OutOfBoundsException past the end.
    std::shared_ptr<MenuItem> Item(std::size_t index) const;
    const MenuItem* Parent() const noexcept { return parent_; }

    // The direct child of that name, or null.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The first item of that name anywhere below this one (depth first, in order), or null.
    std::shared_ptr<MenuItem> Lookup(const std::string& name) const;

    // Checked forms: NilObjectException when absent, IllegalCastException for another class.
    template <class T = MenuItem>
    std::shared_ptr<T> ChildAs(const std::string& name) const {
        return CheckedPointerCast<T>(Child(name));
    }
    template <class T = MenuItem>
    std::shared_ptr<T> LookupAs(const std::string& name) const {
        return CheckedPointerCast<T>(Lookup(name));
    }

private:
    std::string name_;
    std::string value_;
    std::string shortcut_;
    bool autoEnabled_ = true;
    bool visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
};

} // namespace fw
