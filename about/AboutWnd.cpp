// The About window: its layout tables, its four controls and the hand-over that its timer, a mouse
// press and a key press share.
#include "about/AboutWnd.h"

#include "framework/PropertyHolder.h"
#include "framework/WindowClass.h"
#include "windows/Pictures.h"
#include "windows/Version.h"
#include "windows/WindowClasses.h"
#include "windows/WindowTable.h"

namespace kestrow {
namespace {

constexpr fw::Color kNavy{0x000080};

struct LabelSpec {
    const char* name;
    std::string value;
    bool bold;
    int tabIndex;
    int height;
    int width;
    int top;
    float fontSize;
};

// The two labels differ only in these fields; both are centred navy text on the window.
fw::PropertyTable LabelTable(const LabelSpec& spec) {
    return {
        {"InitialParent", ""},
        {"DataField", ""},
        {"DataSource", ""},
        {"Underline", false},
        {"Italic", false},
        {"Bold", spec.bold},
        {"Visible", true},
        {"Transparent", false},
        {"TextColor", kNavy},
        {"Selectable", false},
        {"Multiline", true},
        {"Enabled", true},
        {"TabStop", false},
        {"TabPanelIndex", 0},
        {"TabIndex", spec.tabIndex},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", spec.height},
        {"Width", spec.width},
        {"Top", spec.top},
        {"Left", 0},
        {"Index", kNoIndex},
        {"Name", spec.name},
        {"AllowAutoDeactivate", true},
        {"Tooltip", ""},
        {"TextAlignment", 2},
        {"Value", spec.value},
        {"FontName", "System"},
        {"FontSize", spec.fontSize},
        {"FontUnit", 0},
    };
}

const fw::PropertyTable& TimerTable() {
    static const fw::PropertyTable table = {{"Period", 4000}, {"RunMode", 1}};
    return table;
}

const fw::PropertyTable& CanvasTable() {
    static const fw::PropertyTable table = {
        {"InitialParent", ""},
        {"Transparent", true},
        {"DoubleBuffer", false},
        {"Visible", true},
        {"Enabled", true},
        {"TabStop", true},
        {"TabPanelIndex", 0},
        {"TabIndex", 4},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", true},
        {"LockLeft", true},
        {"Height", 193},
        {"Width", 203},
        {"Top", 67},
        {"Left", 148},
        {"Index", kNoIndex},
        {"Name", "Canvas1"},
        {"AllowAutoDeactivate", true},
        {"Tooltip", ""},
        {"AllowFocusRing", true},
        {"AllowFocus", false},
        {"AllowTabs", false},
    };
    return table;
}

} // namespace

AboutWnd::AboutWnd() : fw::Window(kAboutWindowClass) {}

void AboutWnd::Register() { fw::RegisterWindowClass<AboutWnd>(kAboutWindowClass); }

void AboutWnd::Layout() {
    fw::SetProperties(*this, WindowTable({.width = 500,
                                          .height = 300,
                                          .type = 2,
                                          .title = "",
                                          .hasMaximizeButton = true,
                                          .hasMinimizeButton = true,
                                          .resizeable = true,
                                          .defaultLocation = 0,
                                          .hasBackgroundColor = true,
                                          .liveResize = false}));
}

void AboutWnd::CreateControls() { CreateControls0(); }

void AboutWnd::CreateControls0() {
    NewControl<fw::Label>("StaticText1");
    fw::SetProperties(StaticText1(), LabelTable({.name = "StaticText1",
                                                 .value = kDisplayName,
                                                 .bold = true,
                                                 .tabIndex = 2,
                                                 .height = 52,
                                                 .width = 486,
                                                 .top = 13,
                                                 .fontSize = 32.0F}));

    NewControl<fw::Label>("StaticText2");
    fw::SetProperties(StaticText2(), LabelTable({.name = "StaticText2",
                                                 .value = CreditLine(),
                                                 .bold = false,
                                                 .tabIndex = 3,
                                                 .height = 15,
                                                 .width = 500,
                                                 .top = 272,
                                                 .fontSize = 9.0F}));

    NewControl<fw::Timer>("Timer1");
    fw::SetProperties(Timer1(), TimerTable());
    Timer1().Action.Bind(*this, &AboutWnd::Timer1_Action);

    NewControl<fw::Canvas>("Canvas1");
    Canvas1().SetBackdrop(urn200());
    fw::SetProperties(Canvas1(), CanvasTable());
}

fw::Label& AboutWnd::StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
fw::Label& AboutWnd::StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
fw::Timer& AboutWnd::Timer1() const { return ControlAs<fw::Timer>("Timer1"); }
fw::Canvas& AboutWnd::Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }

void AboutWnd::Timer1_Action(fw::Timer& timer) {
    (void)timer;
    HandOver();
}

bool AboutWnd::Event_MouseDown(std::int64_t x, std::int64_t y) {
    (void)x;
    (void)y;
    HandOver();
    return false;
}

bool AboutWnd::Event_KeyDown(const std::string& key) {
    (void)key;
    HandOver();
    return false;
}

// Hides rather than closes, so the About command can show this same window again; the timer
// keeps running in the hidden window and hands over once more when it fires.
void AboutWnd::HandOver() {
    Hide();
    fw::ImplicitWindow(kExperimentWindowClass).Show();
}

class AboutWnd& AboutWnd() {
    return fw::ImplicitWindow<class AboutWnd>(kAboutWindowClass);
}

} // namespace kestrow
