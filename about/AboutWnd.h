// The first window, which is also the About window: the display name, the urn picture and the
// credit line on white. Its timer (once, a few seconds after the window is built), a mouse press
// in it or any key hands over: the About window hides itself and the experiment window comes to the
// front. The program never closes it; the About command shows the same hidden window again.
#pragma once

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/Timer.h"
#include "framework/Window.h"

#include <cstdint>
#include <string>

namespace kestrow {

class AboutWnd : public fw::Window {
public:
    AboutWnd();

    // Window events; the class handles exactly those overridden here (fw::RegisterWindowClass).
    void Layout() override;
    void CreateControls() override;
    bool Event_MouseDown(std::int64_t x, std::int64_t y) override;
    bool Event_KeyDown(const std::string& key) override;

    void CreateControls0();

    // The controls, looked up by name on every call.
    fw::Label& StaticText1() const;
    fw::Label& StaticText2() const;
    fw::Timer& Timer1() const;
    fw::Canvas& Canvas1() const;

    void Timer1_Action(fw::Timer& timer);

    // Registers the run-time class (kAboutWindowClass) with the events it handles and its factory.
    static void Register();

private:
    void HandOver();
};

// The open About window (hidden or not), else a new one, which is visible when this returns.
// Inside a class, call it qualified (kestrow::AboutWnd()): the bare name is the class there.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor hides the class's name on purpose
class AboutWnd& AboutWnd();
#pragma GCC diagnostic pop

} // namespace kestrow
