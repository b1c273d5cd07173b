// The inside of a window's frame: a slot for the menu bar above the content area that holds the
// controls. It carries the effects of the window's title, flag, size, colour and placement
// properties over to the frame, reading their current values from the window each time.
#pragma once

#include <cstdint>
#include <string>

class QVBoxLayout;
class QWidget;

namespace fw {
class PropertyHolder;
}

namespace fw::detail {

class FrameLayout {
public:
    // Lays out `frame` (which owns what is made here) for the window whose properties it applies.
    FrameLayout(const PropertyHolder& window, QWidget* frame);

    QWidget* Content() const noexcept { return content_; }
    // Where the window's menu bar goes (QLayout::setMenuBar); the geometry counts it while shown.
    QVBoxLayout* Layout() const noexcept { return layout_; }

    void ApplyTitle();
    // Qt hides a window whose flags change: a visible frame is shown again.
    void ApplyFlags();
    // Sizes the frame to the Width and Height entries, with the bar shown above them.
    void ApplyGeometry();
    // Grows or shrinks the frame by the change in the shown bar's height since the last fit, so
    // that the content keeps its size (the user's, when they resized the window).
    void FitToMenuBar();
    void ApplyBackground();
    // Moves the frame to where DefaultLocation puts a new window.
    void Place();

private:
    std::int64_t Integer(const std::string& name) const;
    bool Boolean(const std::string& name) const;

    const PropertyHolder& window_;
    QWidget* frame_;
    QVBoxLayout* layout_;
    QWidget* content_;
    int fittedBarHeight_ = 0; // the bar's height in the frame's last fit
};

} // namespace fw::detail
