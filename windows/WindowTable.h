// The property table of a program window. The three windows share its shape and differ only in
// the values of WindowLook; the entries are applied in this order.
#pragma once

#include "framework/PropertyValue.h"

#include <string>

namespace kestrow {

// Written with named fields, every field given.
struct WindowLook {
    int width;  // of the content area, in pixels
    int height; // of the content area below any menu bar
    int type;   // the framework's window Type
    std::string title;
    bool hasMaximizeButton;
    bool hasMinimizeButton;
    bool resizeable;
    int defaultLocation;
    bool hasBackgroundColor; // white when true
    bool liveResize;
};

fw::PropertyTable WindowTable(const WindowLook& look);

} // namespace kestrow
