// The property table of a program window. The three windows share its shape and differ only in
// the values of WindowLook; the entries are applied in this order.
#pragma once

#include "framework/PropertyValue.h"

#include <string>

namespace kestrow {

// Written with named fields (WindowTable({.width = 500, ...})), every field given.
struct WindowLook {
    int width;  // of the content area, in pixels
    int height; // of the content area below any menu bar
    int type;   // 0 a plain window, 2 a dialog-style window without a menu bar
    std::string title;
    bool hasMaximizeButton;
    bool hasMinimizeButton;
    bool resizeable;
    int defaultLocation;     // 0 where the platform puts it, 2 centred on the screen, 3 staggered
    bool hasBackgroundColor; // white when true
    bool liveResize;
};

fw::PropertyTable WindowTable(const WindowLook& look);

} // namespace kestrow
