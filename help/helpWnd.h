// The help window: the help text in one editable, scrolling text area whose heading (the title and
// the two line ends after it) is bold, under the shared menu bar. Window › Control brings the
// experiment window to the front. Edits live only as long as the window.
#pragma once

#include "framework/TextArea.h"
#include "windows/MenuBarWindow.h"

namespace kestrow {

class helpWnd : public MenuBarWindow {
public:
    helpWnd();

    // Window events; the class handles exactly those overridden here (fw::RegisterWindowClass).
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;

    void CreateControls0();

    // The text area, looked up by name on every call.
    fw::TextArea& EditField1() const;
    void EditField1_Open(fw::TextArea& sender);

    // Window › Control: the experiment window to the front; the help window stays open behind it.
    bool ControlItem_Action();

    // Registers the run-time class (kHelpWindowClass) with the events it handles and its factory.
    static void Register();
};

// The open help window (hidden or not), else a new one, which is visible when this returns.
// Callers that want it in front call Show.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor hides the class's name on purpose
class helpWnd& helpWnd();
#pragma GCC diagnostic pop

} // namespace kestrow
