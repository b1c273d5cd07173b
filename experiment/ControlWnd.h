// The experiment window: five input fields behind digit filters, Calculate, Clear and "?", and the
// results area. Calculate reads the fields lazily through core::CheckInputs; a failed check shows
// its message and puts the focus back into its field, a passing set runs core::RunExperiment and
// sets the results text once. Closing the window or File > Quit ends the application.
#pragma once

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "windows/MenuBarWindow.h"

#include <cstdint>
#include <string>

namespace kestrow {

class ControlWnd : public MenuBarWindow {
public:
    ControlWnd();

    // Registers the run-time class (kExperimentWindowClass) with the events it handles and its factory.
    static void Register();

    // Window events; the class handles exactly those overridden here (fw::RegisterWindowClass).
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void AddMenuHandlers(fw::Window& w) override;
    void Event_Close() override;

    // The nineteen controls, looked up by name on every call. Each control has its accessor, whether
    // or not the program calls it: kept on purpose.
    fw::TextField& totalFld() const;
    fw::Label& totalText() const;
    fw::PushButton& clearBtn() const;
    fw::PushButton& helpBtn() const;
    fw::PushButton& calcBtn() const;
    fw::Label& redText() const;
    fw::TextField& redFld() const;
    fw::Label& Label1() const;
    fw::Label& greenText() const;
    fw::TextField& greenFld() const;
    fw::Label& addText() const;
    fw::TextField& addFld() const;
    fw::Label& repeatText() const;
    fw::TextField& repeatFld() const;
    fw::Label& Label3() const;
    fw::Label& Label4() const;
    fw::TextArea& outFld() const;
    fw::Label& Label2() const;
    fw::Canvas& Canvas1() const;

    // Control events: key filters return true to drop the key, button presses return false.
    bool totalFld_KeyDown(fw::TextField& field, const std::string& key);
    bool clearBtn_MouseDown(fw::PushButton& button, std::int64_t x, std::int64_t y);
    bool helpBtn_MouseDown(fw::PushButton& button, std::int64_t x, std::int64_t y);
    bool calcBtn_MouseDown(fw::PushButton& button, std::int64_t x, std::int64_t y);
    bool redFld_KeyDown(fw::TextField& field, const std::string& key);
    bool greenFld_KeyDown(fw::TextField& field, const std::string& key);
    bool addFld_KeyDown(fw::TextField& field, const std::string& key);
    bool repeatFld_KeyDown(fw::TextField& field, const std::string& key);
    bool outFld_KeyDown(fw::TextArea& area, const std::string& key);

    // Menu commands; each returns true (handled).
    bool FileQuit_Action();
    bool InfoItem_Action();
    bool AboutItem_Action();
};

// The one experiment window: the open one (hidden or not), else a new one, laid out and visible.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow" // the accessor hides the class's name on purpose
class ControlWnd& ControlWnd();
#pragma GCC diagnostic pop

} // namespace kestrow
