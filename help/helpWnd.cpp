// The help window: its layout tables, the text area with the help text, the bold start set when
// the area opens, and Window › Control.
#include "help/helpWnd.h"

#include "framework/Cast.h"
#include "framework/PropertyHolder.h"
#include "framework/WindowClass.h"
#include "help/HelpText.h"
#include "windows/ControlTables.h"
#include "windows/Design.h"
#include "windows/MenuBar1.h"
#include "windows/WindowClasses.h"
#include "windows/WindowTable.h"

namespace kestrow {
namespace {

// One pixel outside the window's left and top edges, and no locks: the area keeps this place and
// size when the window is resized.
fw::PropertyTable TextAreaTable() {
    fw::PropertyTable table{{"InitialParent", ""}, {"DataField", ""},       {"DataSource", ""},  {"ReadOnly", false},
                            {"Underline", false},  {"Italic", false},       {"Bold", false},     {"Visible", true},
                            {"Transparent", true}, {"TextColor", kBlack},   {"Multiline", true}, {"LineSpacing", 1.0},
                            {"LineHeight", 0.0},   {"HideSelection", true}, {"Format", ""}};
    AppendPlacement(table,
                    {.name = "EditField1",
                     .place = {.left = -1, .top = -1, .width = 551, .height = 498},
                     .tabIndex = 0,
                     .tabStop = true},
                    {{"BackgroundColor", kWhite}, {"HasBorder", true}});
    table.insert(table.end(), {{"HasHorizontalScrollbar", false},
                               {"HasVerticalScrollbar", true},
                               {"AllowStyledText", true},
                               {"AllowFocusRing", true},
                               {"FontName", kSystemFace},
                               {"FontSize", 12.0F},
                               {"FontUnit", 0},
                               {"Value", HelpText()},
                               {"AllowTabs", false},
                               {"TextAlignment", kLeading},
                               {"AllowSpellChecking", false},
                               {"MaximumCharactersAllowed", 0},
                               {"ValidationMask", ""}});
    return table;
}

} // namespace

helpWnd::helpWnd() : MenuBarWindow(kHelpWindowClass) {}

void helpWnd::Register() { fw::RegisterWindowClass<helpWnd>(kHelpWindowClass); }

void helpWnd::Layout() {
    SetMenuBar(MenuBar1());
    fw::SetProperties(*this, WindowTable({.width = 550,
                                          .height = 500,
                                          .type = 0,
                                          .title = "Info",
                                          .hasMaximizeButton = false,
                                          .hasMinimizeButton = true,
                                          .resizeable = true,
                                          .defaultLocation = 3,
                                          .hasBackgroundColor = false,
                                          .liveResize = false}));
}

void helpWnd::CreateControls() { CreateControls0(); }

void helpWnd::CreateControls0() {
    NewControl<fw::TextArea>("EditField1");
    fw::SetProperties(EditField1(), TextAreaTable());
    EditField1().Open.Bind(*this, &helpWnd::EditField1_Open);
}

fw::TextArea& helpWnd::EditField1() const { return ControlAs<fw::TextArea>("EditField1"); }

void helpWnd::EditField1_Open(fw::TextArea& sender) {
    (void)sender;
    EditField1().StyledText().Bold(0, HelpHeadingLength(), true);
}

void helpWnd::AddMenuHandlers(fw::Window& window) {
    auto& help = fw::CheckedCast<class helpWnd>(&window);
    AddMenuHandler("ControlItem", [&help] { return help.ControlItem_Action(); });
}

bool helpWnd::ControlItem_Action() {
    fw::ImplicitWindow(kExperimentWindowClass).Show();
    return true;
}

class helpWnd& helpWnd() {
    return fw::ImplicitWindow<class helpWnd>(kHelpWindowClass);
}

} // namespace kestrow
