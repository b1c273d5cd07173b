// The About window: its layout tables, its four controls and the hand-over that its timer, a mouse
// press and a key press share.
#include "about/AboutWnd.h"

#include "framework/PropertyHolder.h"
#include "framework/WindowClass.h"
#include "windows/ControlTables.h"
#include "windows/Design.h"
#include "windows/Pictures.h"
#include "windows/Version.h"
#include "windows/WindowClasses.h"
#include "windows/WindowTable.h"

namespace kestrow {
namespace {

const fw::PropertyTable& TimerTable() {
    static const fw::PropertyTable table = {{"Period", 4000}, {"RunMode", 1}};
    return table;
}

// Both labels are centred navy text, free to wrap.
fw::PropertyTable AboutLabelTable(LabelLook look) {
    look.alignment = kCentred;
    look.colour = kNavy;
    look.multiline = true;
    return LabelTable(look);
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
    fw::SetProperties(StaticText1(),
                      AboutLabelTable({.placement = {.name = "StaticText1",
                                                     .place = {.left = 0, .top = 13, .width = 486, .height = 52},
                                                     .tabIndex = 2},
                                       .text = kDisplayName,
                                       .fontSize = 32.0F,
                                       .bold = true}));

    NewControl<fw::Label>("StaticText2");
    fw::SetProperties(StaticText2(),
                      AboutLabelTable({.placement = {.name = "StaticText2",
                                                     .place = {.left = 0, .top = 272, .width = 500, .height = 15},
                                                     .tabIndex = 3},
                                       .text = CreditLine(),
                                       .fontSize = 9.0F}));

    NewControl<fw::Timer>("Timer1");
    fw::SetProperties(Timer1(), TimerTable());
    Timer1().Action.Bind(*this, &AboutWnd::Timer1_Action);

    NewControl<fw::Canvas>("Canvas1");
    Canvas1().SetBackdrop(urn200());
    fw::SetProperties(Canvas1(), CanvasTable({.name = "Canvas1",
                                              .place = {.left = 148, .top = 67, .width = 203, .height = 193},
                                              .tabIndex = 4,
                                              .tabStop = true,
                                              .locks = {.left = true, .top = true}},
                                             DoubleBufferEntry::Off));
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
