// A drawing area that shows its backdrop picture, unscaled at its top-left corner.
//
// Properties (besides RectControl's): TabStop: Boolean = true; AllowFocus: Boolean = false — only
// a canvas that allows the focus takes it; AllowFocusRing, AllowTabs, DoubleBuffer: Boolean — kept.
#pragma once

#include "framework/RectControl.h"

#include <memory>

namespace fw {

class Picture;

namespace detail {
class CanvasWidget;
}

class Canvas : public RectControl {
public:
    explicit Canvas(Window& owner);

    // Null draws nothing.
    void SetBackdrop(std::shared_ptr<Picture> picture);
    std::shared_ptr<Picture> Backdrop() const;

    std::string ClassName() const override { return "Canvas"; }

protected:
    Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;

private:
    detail::CanvasWidget* canvas_;
};

} // namespace fw
