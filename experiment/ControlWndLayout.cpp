// Controls of one class share most entries, so each class has one table builder fed by a row of
// the values that differ. Entry order is the order in which the tables are applied.
#include "experiment/ControlWndLayout.h"

#include "framework/RuntimeException.h"
#include "help/HelpText.h"
#include "shell/WindowTable.h"

#include <array>
#include <cstdint>
#include <limits>

namespace kestrow {

namespace {

constexpr std::int64_t NoIndex = std::numeric_limits<std::int32_t>::min();
constexpr fw::Color Black{0x000000};
constexpr fw::Color White{0xFFFFFF};
constexpr fw::Color Navy{0x000080};
constexpr fw::Color CreditColour{0x073F80};
constexpr std::int64_t Leading = 0;
constexpr std::int64_t Centred = 2;

struct Place {
    int left, top, width, height;
};

struct Locks {
    bool left = false, top = false, right = false;
};

// The entries every control carries, from its tab index to its name.
void AppendPlacement(fw::PropertyTable& table, const std::string& name, bool tabStop, int tabIndex, Place place,
                     Locks locks) {
    table.insert(table.end(), {{"Enabled", true},
                               {"TabStop", tabStop},
                               {"TabPanelIndex", 0},
                               {"TabIndex", tabIndex},
                               {"LockBottom", false},
                               {"LockRight", locks.right},
                               {"LockTop", locks.top},
                               {"LockLeft", locks.left},
                               {"Height", place.height},
                               {"Width", place.width},
                               {"Top", place.top},
                               {"Left", place.left},
                               {"Index", NoIndex},
                               {"Name", name},
                               {"AllowAutoDeactivate", true},
                               {"Tooltip", ""}});
}

struct FieldRow {
    const char* name;
    int left;
    const char* text;
    int maxChars;
    const char* mask;
    int tabIndex;
};

constexpr std::array<FieldRow, 5> Fields{{
    {"totalFld", 20, "10", 3, "###", 0},
    {"redFld", 144, "6", 2, "##", 1},
    {"greenFld", 255, "4", 2, "##", 2},
    {"addFld", 360, "1", 2, "##", 3},
    {"repeatFld", 468, "100", 5, "#####", 4},
}};

fw::PropertyTable FieldTable(const FieldRow& row) {
    fw::PropertyTable table{{"InitialParent", ""},
                            {"DataField", ""},
                            {"DataSource", ""},
                            {"Format", ""},
                            {"Hint", ""},
                            {"Underline", false},
                            {"Italic", false},
                            {"Bold", false},
                            {"Visible", true},
                            {"Transparent", true},
                            {"TextColor", Black},
                            {"BackgroundColor", White},
                            {"HasBorder", true},
                            {"Password", false},
                            {"ReadOnly", false},
                            {"AllowTabs", false},
                            {"AllowSpellChecking", false},
                            {"AllowFocusRing", true}};
    AppendPlacement(table, row.name, true, row.tabIndex, {row.left, 126, 80, 22}, {});
    table.insert(table.end(), {{"TextAlignment", Centred},
                               {"MaximumCharactersAllowed", row.maxChars},
                               {"ValidationMask", row.mask},
                               {"Value", row.text},
                               {"FontName", "System"},
                               {"FontSize", 12.0F},
                               {"FontUnit", 0}});
    return table;
}

struct LabelRow {
    const char* name;
    Place place;
    const char* text;  // null: the credit line
    float fontSize;
    bool bold;
    std::int64_t alignment;
    fw::Color colour;
    Locks locks;
    int tabIndex;
};

constexpr std::array<LabelRow, 9> Labels{{
    {"totalText", {20, 101, 80, 20}, "Total Balls", 12.0F, true, Leading, Black, {}, 3},
    {"redText", {144, 101, 80, 20}, "Red Balls", 12.0F, true, Leading, Black, {}, 7},
    {"Label1", {100, 9, 263, 69}, "Kestrow", 48.0F, true, Leading, Navy, {true, true, false}, 10},
    {"greenText", {255, 101, 80, 20}, "Green Balls", 12.0F, true, Leading, Black, {}, 11},
    {"addText", {360, 101, 80, 20}, "Balls to Add", 12.0F, true, Leading, Black, {}, 13},
    {"repeatText", {468, 101, 80, 20}, "# Repetitions", 12.0F, true, Leading, Black, {}, 15},
    {"Label3", {104, 127, 39, 20}, "=", 12.0F, true, Centred, Black, {true, true, false}, 19},
    {"Label4", {225, 127, 28, 20}, "+", 12.0F, true, Centred, Black, {true, true, false}, 20},
    {"Label2", {347, 36, 147, 15}, nullptr, 11.0F, false, Centred, CreditColour, {false, true, true}, 27},
}};

fw::PropertyTable LabelTable(const LabelRow& row) {
    fw::PropertyTable table{{"InitialParent", ""},
                            {"DataField", ""},
                            {"DataSource", ""},
                            {"Underline", false},
                            {"Italic", false},
                            {"Bold", row.bold},
                            {"Visible", true},
                            {"Transparent", false},
                            {"TextColor", row.colour},
                            {"Selectable", false},
                            {"Multiline", false}};
    AppendPlacement(table, row.name, false, row.tabIndex, row.place, row.locks);
    table.insert(table.end(), {{"TextAlignment", row.alignment},
                               {"Value", row.text != nullptr ? std::string(row.text) : CreditLine()},
                               {"FontName", "System"},
                               {"FontSize", row.fontSize},
                               {"FontUnit", 0}});
    return table;
}

struct ButtonRow {
    const char* name;
    int left;
    const char* caption;
    float fontSize;
    bool bold;
    int tabIndex;
};

constexpr std::array<ButtonRow, 3> Buttons{{
    {"clearBtn", 265, "Clear", 12.0F, false, 4},
    {"helpBtn", 468, "?", 16.0F, true, 5},
    {"calcBtn", 20, "Calculate", 12.0F, false, 6},
}};

fw::PropertyTable ButtonTable(const ButtonRow& row) {
    fw::PropertyTable table{{"InitialParent", ""},
                            {"Underline", false},
                            {"Italic", false},
                            {"Bold", row.bold},
                            {"Visible", true},
                            {"Transparent", true},
                            {"Default", true},
                            {"Cancel", false},
                            {"MacButtonStyle", 0}};
    AppendPlacement(table, row.name, false, row.tabIndex, {row.left, 652, 80, 40}, {});
    table.insert(table.end(), {{"Caption", row.caption},
                               {"FontName", "System"},
                               {"FontSize", row.fontSize},
                               {"FontUnit", 0}});
    return table;
}

fw::PropertyTable OutFldTable() {
    fw::PropertyTable table{{"InitialParent", ""},
                            {"DataField", ""},
                            {"DataSource", ""},
                            {"Format", ""},
                            {"Underline", false},
                            {"Italic", false},
                            {"Bold", false},
                            {"Visible", true},
                            {"Transparent", true},
                            {"TextColor", Black},
                            {"BackgroundColor", White},
                            {"HasBorder", true},
                            {"Multiline", true},
                            {"ReadOnly", false},
                            {"HasHorizontalScrollbar", true},
                            {"HasVerticalScrollbar", true},
                            {"AllowStyledText", true},
                            {"HideSelection", true},
                            {"LineHeight", 0.0},
                            {"LineSpacing", 1.0},
                            {"AllowTabs", false},
                            {"AllowSpellChecking", false},
                            {"AllowFocusRing", true}};
    AppendPlacement(table, "outFld", false, 26, {100, 165, 375, 475}, {true, true, false});
    table.insert(table.end(), {{"TextAlignment", Centred},
                               {"MaximumCharactersAllowed", 0},
                               {"ValidationMask", ""},
                               {"Value", ""},
                               {"FontName", "Courier"},
                               {"FontSize", 11.0F},
                               {"FontUnit", 0}});
    return table;
}

fw::PropertyTable CanvasTable() {
    fw::PropertyTable table{{"InitialParent", ""}, {"Transparent", true}, {"Visible", true}};
    AppendPlacement(table, "Canvas1", true, 28, {20, 4, 65, 65}, {true, true, false});
    table.insert(table.end(), {{"AllowFocusRing", true}, {"AllowFocus", false}, {"AllowTabs", false}});
    return table;
}

}  // namespace

fw::PropertyTable ControlWndTable() {
    return WindowTable({575, 700, 0, "Kestrow", false, false, false, 0, true, true});
}

fw::PropertyTable ControlWndControlTable(const std::string& name) {
    for (const FieldRow& row : Fields) {
        if (name == row.name) return FieldTable(row);
    }
    for (const LabelRow& row : Labels) {
        if (name == row.name) return LabelTable(row);
    }
    for (const ButtonRow& row : Buttons) {
        if (name == row.name) return ButtonTable(row);
    }
    if (name == "outFld") return OutFldTable();
    if (name == "Canvas1") return CanvasTable();
    throw fw::InvalidArgumentException("The experiment window has no control '" + name + "'.");
}

}  // namespace kestrow
