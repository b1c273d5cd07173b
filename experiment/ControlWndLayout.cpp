// Controls of one class share most entries, so each class has one table builder fed by a row of
// the values that differ. Entry order is the order in which the tables are applied.
#include "experiment/ControlWndLayout.h"

#include "framework/RuntimeException.h"
#include "windows/ControlTables.h"
#include "windows/Design.h"
#include "windows/Version.h"
#include "windows/WindowTable.h"

#include <array>
#include <vector>

namespace kestrow {

namespace {

// The colour of the credit line beside the title.
constexpr fw::Color kCreditColour{0x073F80};

// A bold label at its field's left, above it.
struct Caption {
    const char* name;
    const char* text;
    int tabIndex;
};

// The five input fields share their top, size and font; each has its own default and length limit.
struct FieldRow {
    const char* name;
    int left;
    const char* defaultText;
    int maxChars;
    int tabIndex;
    Caption caption;
};

// Name, left, default text, length limit, tab index; the caption's name, text and tab index.
constexpr std::array<FieldRow, 5> kFields{{
    {"totalFld", 20, "10", 3, 0, {"totalText", "Total Balls", 3}},
    {"redFld", 144, "6", 2, 1, {"redText", "Red Balls", 7}},
    {"greenFld", 255, "4", 2, 2, {"greenText", "Green Balls", 11}},
    {"addFld", 360, "1", 2, 3, {"addText", "Balls to Add", 13}},
    {"repeatFld", 468, "100", 5, 4, {"repeatText", "# Repetitions", 15}},
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
                               {"ValidationMask", std::string(static_cast<std::size_t>(row.maxChars), '#')},
                               {"Value", row.defaultText},
                               {"FontName", kSystemFace},
                               {"FontSize", 12.0F},
                               {"FontUnit", 0}});
    return table;
}

fw::PropertyTable CaptionTable(const FieldRow& row) {
    return LabelTable({.placement = {.name = row.caption.name,
                                     .place = {.left = row.left, .top = 101, .width = 80, .height = 20},
                                     .tabIndex = row.caption.tabIndex},
                       .text = row.caption.text,
                       .fontSize = 12.0F,
                       .bold = true});
}

// "=" and "+" between the first three fields, which read as a sum.
LabelLook Sign(const char* name, Place place, const char* text, int tabIndex) {
    return {.placement = {.name = name, .place = place, .tabIndex = tabIndex, .locks = {.left = true, .top = true}},
            .text = text,
            .fontSize = 12.0F,
            .bold = true,
            .alignment = kCentred};
}

// The other labels: the title, the two signs and the credit line.
const std::vector<LabelLook>& Labels() {
    static const std::vector<LabelLook> labels = {
        {.placement = {.name = "Label1",
                       .place = {.left = 100, .top = 9, .width = 263, .height = 69},
                       .tabIndex = 10,
                       .locks = {.left = true, .top = true}},
         .text = kDisplayName,
         .fontSize = 48.0F,
         .bold = true,
         .colour = kNavy},
        Sign("Label3", {.left = 104, .top = 127, .width = 39, .height = 20}, "=", 19),
        Sign("Label4", {.left = 225, .top = 127, .width = 28, .height = 20}, "+", 20),
        {.placement = {.name = "Label2",
                       .place = {.left = 347, .top = 36, .width = 147, .height = 15},
                       .tabIndex = 27,
                       .locks = {.top = true, .right = true}},
         .text = CreditLine(),
         .fontSize = 11.0F,
         .alignment = kCentred,
         .colour = kCreditColour},
    };
    return labels;
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
        if (name == row.caption.name) return CaptionTable(row);
    }
    for (const LabelLook& look : Labels()) {
        if (name == look.placement.name) return LabelTable(look);
    }
    for (const ButtonRow& row : kButtons) {
        if (name == row.name) return ButtonTable(row);
    }
    if (name == "outFld") return OutFldTable();
    if (name == "Canvas1") {
        return CanvasTable({.name = "Canvas1",
                            .place = {.left = 20, .top = 4, .width = 65, .height = 65},
                            .tabIndex = 28,
                            .tabStop = true,
                            .locks = {.left = true, .top = true}},
                           DoubleBufferEntry::Omitted);
    }
    throw fw::InvalidArgumentException("The experiment window has no control '" + name + "'.");
}

} // namespace kestrow
