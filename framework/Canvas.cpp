// Canvas on a plain widget that paints the backdrop.
#include "framework/Canvas.h"

#include "framework/Picture.h"
#include "framework/UiThread.h"
#include "framework/detail/CanvasWidget.h"

namespace fw {

Canvas::Canvas(Window& owner)
    : RectControl(owner, new detail::CanvasWidget, true), canvas_(static_cast<detail::CanvasWidget*>(Widget())) {
    Declare("AllowFocus", false, [this](const PropertyValue&) { UpdateFocusPolicy(); });
    Declare("AllowFocusRing", true);
    Declare("AllowTabs", false);
    Declare("DoubleBuffer", false);
    UpdateFocusPolicy();
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    RequireUiThread();
    canvas_->backdrop = std::move(picture);
    canvas_->update();
}

std::shared_ptr<Picture> Canvas::Backdrop() const {
    RequireUiThread();
    return canvas_->backdrop;
}

Qt::FocusPolicy Canvas::FocusPolicyFor(bool tabStop) const {
    if (!Stored<bool>("AllowFocus")) return Qt::NoFocus;
    return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

} // namespace fw
