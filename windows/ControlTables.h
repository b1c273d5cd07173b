// Pieces of the controls' layout tables that more than one window uses: the run of entries every
// control table carries, from "Enabled" to "Tooltip" (where the control sits, its place in the tab
// order, the edges it keeps to and its name), and the whole table of a label.
#pragma once

#include "framework/PropertyValue.h"

#include <cstdint>
#include <string>

namespace kestrow {

// In the window's content area, in pixels.
struct Place {
    int left, top, width, height;
};

struct Locks {
    bool left = false, top = false, right = false;
};

struct Placement {
    std::string name;
    Place place;
    int tabIndex;
    bool tabStop = false;
    Locks locks = {};
};

// Appends the placement entries; `beforeTooltip` goes in just before the closing "Tooltip" (the
// help window's text area keeps its colour and border there).
void AppendPlacement(fw::PropertyTable& table, const Placement& placement, const fw::PropertyTable& beforeTooltip = {});

// A label: its text in the interface face, opaque, never a tab stop.
struct LabelLook {
    Placement placement;
    std::string text;
    float fontSize;
    bool bold;
    std::int64_t alignment;
    fw::Color colour;
    bool multiline;
};

fw::PropertyTable LabelTable(const LabelLook& look);

} // namespace kestrow
