// Controls of one class share most entries, so each class has one table builder fed by a row of
// the values that differ. Entry order is the order in which the tables are applied.
#include "experiment/ControlWndLayout.h"

#include "framework/RuntimeException.h"
#include "windows/ControlTables.h"
#include "windows/Design.h"
#include "windows/Version.h"
#include "windows/WindowTable.h"

#include <array>
#include <cstdint>

namespace kestrow {

namespace {

// The colour of the credit line beside the title.
constexpr fw::Color kCreditColour{0x073F80};

// The five input fields share their top, size and font; each has its own default and length limit.
struct FieldRow {
    const char* name;
    int left;
    const char* defaultText;
    int maxChars;
    const char* mask;
    int tabIndex;
};

constexpr std::array<FieldRow, 5> kFields{{
    {.name = "totalFld", .left = 20, .defaultText = "10", .maxChars = 3, .mask = "###", .tabIndex = 0},
    {.name = "redFld", .left = 144, .defaultText = "6", .maxChars = 2, .mask = "##", .tabIndex = 1},
    {.name = "greenFld", .left = 255, .defaultText = "4", .maxChars = 2, .mask = "##", .tabIndex = 2},
    {.name = "addFld", .left = 360, .defaultText = "1", .maxChars = 2, .mask = "##", .tabIndex = 3},
    {.name = "repeatFld", .left = 468, .defaultText = "100", .maxChars = 5, .mask = "#####", .tabIndex = 4},
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
                            {"TextColor", kBlack},
                            {"BackgroundColor", kWhite},
                            {"HasBorder", true},
                            {"Password", false},
                            {"ReadOnly", false},
                            {"AllowTabs", false},
                            {"AllowSpellChecking", false},
                            {"AllowFocusRing", true}};
    AppendPlacement(table, {.name = row.name,
                            .place = {.left = row.left, .top = 126, .width = 80, .height = 22},
                            .tabIndex = row.tabIndex,
                            .tabStop = true});
    table.insert(table.end(), {{"TextAlignment", kCentred},
                               {"MaximumCharactersAllowed", row.maxChars},
                               {"ValidationMask", row.mask},
                               {"Value", row.defaultText},
                               {"FontName", kSystemFace},
                               {"FontSize", 12.0F},
                               {"FontUnit", 0}});
    return table;
}

// The defaults are those of the captions above the fields.
struct LabelRow {
    const char* name;
    Place place;
    const char* text; // null: the credit line
    float fontSize = 12.0F;
    bool bold = true;
    std::int64_t alignment = kLeading;
    fw::Color colour = kBlack;
    Locks locks = {};
    int tabIndex;
};

constexpr std::array<LabelRow, 9> kLabels{{
    {.name = "totalText",
     .place = {.left = 20, .top = 101, .width = 80, .height = 20},
     .text = "Total Balls",
     .tabIndex = 3},
    {.name = "redText",
     .place = {.left = 144, .top = 101, .width = 80, .height = 20},
     .text = "Red Balls",
     .tabIndex = 7},
    {.name = "Label1",
     .place = {.left = 100, .top = 9, .width = 263, .height = 69},
     .text = kDisplayName,
     .fontSize = 48.0F,
     .colour = kNavy,
     .locks = {.left = true, .top = true},
     .tabIndex = 10},
    {.name = "greenText",
     .place = {.left = 255, .top = 101, .width = 80, .height = 20},
     .text = "Green Balls",
     .tabIndex = 11},
    {.name = "addText",
     .place = {.left = 360, .top = 101, .width = 80, .height = 20},
     .text = "Balls to Add",
     .tabIndex = 13},
    {.name = "repeatText",
     .place = {.left = 468, .top = 101, .width = 80, .height = 20},
     .text = "# Repetitions",
     .tabIndex = 15},
    {.name = "Label3",
     .place = {.left = 104, .top = 127, .width = 39, .height = 20},
     .text = "=",
     .alignment = kCentred,
     .locks = {.left = true, .top = true},
     .tabIndex = 19},
    {.name = "Label4",
     .place = {.left = 225, .top = 127, .width = 28, .height = 20},
     .text = "+",
     .alignment = kCentred,
     .locks = {.left = true, .top = true},
     .tabIndex = 20},
    {.name = "Label2",
     .place = {.left = 347, .top = 36, .width = 147, .height = 15},
     .text = nullptr,
     .fontSize = 11.0F,
     .bold = false,
     .alignment = kCentred,
     .colour = kCreditColour,
     .locks = {.top = true, .right = true},
     .tabIndex = 27},
}};

fw::PropertyTable LabelRowTable(const LabelRow& row) {
    return LabelTable(
        {.placement = {.name = row.name, .place = row.place, .tabIndex = row.tabIndex, .locks = row.locks},
         .text = row.text != nullptr ? std::string(row.text) : CreditLine(),
         .fontSize = row.fontSize,
         .bold = row.bold,
         .alignment = row.alignment,
         .colour = row.colour,
         .multiline = false});
}

// The three buttons share their top, size and face; each has its own place, caption and size.
struct ButtonRow {
    const char* name;
    int left;
    const char* caption;
    float fontSize;
    bool bold;
    int tabIndex;
};

constexpr std::array<ButtonRow, 3> kButtons{{
    {.name = "clearBtn", .left = 265, .caption = "Clear", .fontSize = 12.0F, .bold = false, .tabIndex = 4},
    {.name = "helpBtn", .left = 468, .caption = "?", .fontSize = 16.0F, .bold = true, .tabIndex = 5},
    {.name = "calcBtn", .left = 20, .caption = "Calculate", .fontSize = 12.0F, .bold = false, .tabIndex = 6},
}};

fw::PropertyTable ButtonTable(const ButtonRow& row) {
    fw::PropertyTable table{{"InitialParent", ""}, {"Underline", false}, {"Italic", false},
                            {"Bold", row.bold},    {"Visible", true},    {"Transparent", true},
                            {"Default", true},     {"Cancel", false},    {"MacButtonStyle", 0}};
    AppendPlacement(table, {.name = row.name,
                            .place = {.left = row.left, .top = 652, .width = 80, .height = 40},
                            .tabIndex = row.tabIndex});
    table.insert(table.end(),
                 {{"Caption", row.caption}, {"FontName", kSystemFace}, {"FontSize", row.fontSize}, {"FontUnit", 0}});
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
                            {"TextColor", kBlack},
                            {"BackgroundColor", kWhite},
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
    AppendPlacement(table, {.name = "outFld",
                            .place = {.left = 100, .top = 165, .width = 375, .height = 475},
                            .tabIndex = 26,
                            .locks = {.left = true, .top = true}});
    table.insert(table.end(), {{"TextAlignment", kCentred},
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
    AppendPlacement(table, {.name = "Canvas1",
                            .place = {.left = 20, .top = 4, .width = 65, .height = 65},
                            .tabIndex = 28,
                            .tabStop = true,
                            .locks = {.left = true, .top = true}});
    table.insert(table.end(), {{"AllowFocusRing", true}, {"AllowFocus", false}, {"AllowTabs", false}});
    return table;
}

} // namespace

fw::PropertyTable ControlWndTable() {
    return WindowTable({.width = 575,
                        .height = 700,
                        .type = 0,
                        .title = kDisplayName,
                        .hasMaximizeButton = false,
                        .hasMinimizeButton = false,
                        .resizeable = false,
                        .defaultLocation = 0,
                        .hasBackgroundColor = true,
                        .liveResize = true});
}

fw::PropertyTable ControlWndControlTable(const std::string& name) {
    for (const FieldRow& row : kFields) {
        if (name == row.name) return FieldTable(row);
    }
    for (const LabelRow& row : kLabels) {
        if (name == row.name) return LabelRowTable(row);
    }
    for (const ButtonRow& row : kButtons) {
        if (name == row.name) return ButtonTable(row);
    }
    if (name == "outFld") return OutFldTable();
    if (name == "Canvas1") return CanvasTable();
    throw fw::InvalidArgumentException("The experiment window has no control '" + name + "'.");
}

} // namespace kestrow
