// The window table: the shared entries with the values of one window's look, in applying order.
#include "windows/WindowTable.h"

#include "windows/Design.h"

namespace kestrow {

fw::PropertyTable WindowTable(const WindowLook& look) {
    return {{"Width", look.width},
            {"Height", look.height},
            {"MinimumWidth", 64},
            {"MinimumHeight", 64},
            {"MaximumWidth", 32000},
            {"MaximumHeight", 32000},
            {"Type", look.type},
            {"Title", look.title},
            {"HasCloseButton", true},
            {"HasMaximizeButton", look.hasMaximizeButton},
            {"HasMinimizeButton", look.hasMinimizeButton},
            {"HasFullScreenButton", false},
            {"Resizeable", look.resizeable},
            {"Composite", false},
            {"MacProcID", 0},
            {"FullScreen", false},
            {"DefaultLocation", look.defaultLocation},
            {"Visible", true},
            {"HasBackgroundColor", look.hasBackgroundColor},
            {"BackgroundColor", kWhite},
            {"MenuBarVisible", true},
            {"LiveResize", look.liveResize}};
}

} // namespace kestrow
