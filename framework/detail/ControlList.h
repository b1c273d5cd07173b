// The controls of one window in creation order, found again by name, and the tab order of those
// that Tab reaches (by TabIndex, ties in creation order). The window checks names as it adds and
// renames; the list owns the controls.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace fw {
class Control;
}

namespace fw::detail {

class ControlList {
public:
    Control& Add(std::unique_ptr<Control> control);
    // The first control of that name, or null.
    Control* Find(const std::string& name) const;
    bool Contains(const Control& control) const;
    // Whether a control other than `except` has the name.
    bool NameTaken(const std::string& name, const Control& except) const;
    // Creation order; the list grows while controls made after construction open.
    const std::vector<std::unique_ptr<Control>>& All() const noexcept { return controls_; }
    void Clear() noexcept { controls_.clear(); }

    // Chains the tab stops and, when nothing in `frame` has the focus, gives it to the first.
    void ApplyTabOrder(QWidget* frame) const;

private:
    std::vector<std::unique_ptr<Control>> controls_;
};

} // namespace fw::detail
