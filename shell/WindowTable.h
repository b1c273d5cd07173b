// The property table of a program window. The three windows share its shape and differ only in
// the values of WindowLook; the entries are applied in this order.
#pragma once

#include "framework/PropertyValue.h"

#include <string>

namespace kestrow {

struct WindowLook {
    int width;
    int height;
    int type;  // 0 a plain window, 2 a dialog-style window without a menu bar
    std::string title;
    bool hasMaximizeButton;
    bool hasMinimizeButton;
    bool resizeable;
    int defaultLocation;
    bool hasBackgroundColor;  // white when true
    bool liveResize;
};

fw::PropertyTable WindowTable(const WindowLook& look);

}  // namespace kestrow
