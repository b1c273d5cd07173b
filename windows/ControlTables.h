// Pieces of the controls' layout tables that more than one window uses: the run of entries every
// control table carries, from "Enabled" to "Tooltip" (where the control sits, its place in the tab
// order, the edges it keeps to and its name), and the whole tables of a label and of a canvas.
#pragma once

#include "framework/PropertyValue.h"
#include "windows/Design.h"

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

// A label: its text in the interface face, opaque, never a tab stop; unless told otherwise plain,
// black, single-line and aligned to its leading edge.
struct LabelLook {
    Placement placement;
    std::string text;
    float fontSize;
    bool bold = false;
    std::int64_t alignment = kLeading;
    fw::Color colour = kBlack;
    bool multiline = false;
};

fw::PropertyTable LabelTable(const LabelLook& look);

// Whether a canvas table carries "DoubleBuffer" (as False) or leaves it out.
enum class DoubleBufferEntry { Omitted, Off };

// A canvas that shows only its backdrop picture and never takes the focus; "DoubleBuffer" is in the
// table only where the window's design gives it.
fw::PropertyTable CanvasTable(const Placement& placement, DoubleBufferEntry doubleBuffer);

} // namespace kestrow
