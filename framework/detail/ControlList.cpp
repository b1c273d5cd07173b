// A window's controls by name and their tab chain.
#include "framework/detail/ControlList.h"

#include "framework/Control.h"
#include "framework/RectControl.h"

#include <QWidget>
#include <algorithm>

namespace fw::detail {

Control& ControlList::Add(std::unique_ptr<Control> control) {
    controls_.push_back(std::move(control));
    return *controls_.back();
}

Control* ControlList::Find(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

bool ControlList::Contains(const Control& control) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [&](const auto& candidate) { return candidate.get() == &control; });
}

bool ControlList::NameTaken(const std::string& name, const Control& except) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [&](const auto& other) { return other.get() != &except && other->Name() == name; });
}

void ControlList::ApplyTabOrder(QWidget* frame) const {
    std::vector<RectControl*> stops;
    for (const auto& control : controls_) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect != nullptr && (rect->Widget()->focusPolicy() & Qt::TabFocus) != 0) stops.push_back(rect);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const RectControl* a, const RectControl* b) {
        return a->Property("TabIndex").As<std::int64_t>() < b->Property("TabIndex").As<std::int64_t>();
    });
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
    if (!stops.empty() && frame->focusWidget() == nullptr) stops.front()->Widget()->setFocus(Qt::TabFocusReason);
}

} // namespace fw::detail
