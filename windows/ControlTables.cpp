// The shared pieces of the control tables, in applying order.
#include "windows/ControlTables.h"

#include <limits>

namespace kestrow {
namespace {

// The "Index" of a control that is not one of a control array.
constexpr std::int64_t kNoIndex = std::numeric_limits<std::int32_t>::min();

} // namespace

void AppendPlacement(fw::PropertyTable& table, const Placement& placement, const fw::PropertyTable& beforeTooltip) {
    const Place& place = placement.place;
    table.insert(table.end(), {{"Enabled", true},
                               {"TabStop", placement.tabStop},
                               {"TabPanelIndex", 0},
                               {"TabIndex", placement.tabIndex},
                               {"LockBottom", false},
                               {"LockRight", placement.locks.right},
                               {"LockTop", placement.locks.top},
                               {"LockLeft", placement.locks.left},
                               {"Height", place.height},
                               {"Width", place.width},
                               {"Top", place.top},
                               {"Left", place.left},
                               {"Index", kNoIndex},
                               {"Name", placement.name},
                               {"AllowAutoDeactivate", true}});
    table.insert(table.end(), beforeTooltip.begin(), beforeTooltip.end());
    table.push_back({"Tooltip", ""});
}

fw::PropertyTable LabelTable(const LabelLook& look) {
    fw::PropertyTable table{{"InitialParent", ""},
                            {"DataField", ""},
                            {"DataSource", ""},
                            {"Underline", false},
                            {"Italic", false},
                            {"Bold", look.bold},
                            {"Visible", true},
                            {"Transparent", false},
                            {"TextColor", look.colour},
                            {"Selectable", false},
                            {"Multiline", look.multiline}};
    AppendPlacement(table, look.placement);
    table.insert(table.end(), {{"TextAlignment", look.alignment},
                               {"Value", look.text},
                               {"FontName", kSystemFace},
                               {"FontSize", look.fontSize},
                               {"FontUnit", 0}});
    return table;
}

fw::PropertyTable CanvasTable(const Placement& placement, DoubleBufferEntry doubleBuffer) {
    fw::PropertyTable table{{"InitialParent", ""}, {"Transparent", true}};
    if (doubleBuffer == DoubleBufferEntry::Off) table.push_back({"DoubleBuffer", false});
    table.push_back({"Visible", true});
    AppendPlacement(table, placement);
    table.insert(table.end(), {{"AllowFocusRing", true}, {"AllowFocus", false}, {"AllowTabs", false}});
    return table;
}

} // namespace kestrow
