// The help window: the help text in one editable, scrolling text area whose first nine characters
// (the title and the two line ends after it) are bold, under the shared menu bar. Window › Control
// brings the experiment window to the front. Edits live only as long as the window.
#pragma once

#include "framework/MenuItem.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/TextArea.h"
#include "framework/Window.h"

#include <memory>

namespace kestrow {

class helpWnd : public fw::Window {
public:
    static constexpr const char* kClassName = "helpWnd.helpWnd";

    helpWnd();

    // Window events.
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;

    void CreateControls0();

    // The text area, looked up by name on every call.
    fw::TextArea& EditField1() const;
    void EditField1_Open(fw::TextArea& sender);

    // The menu bar's items, looked up by name below this window's menu bar on every call.
    std::shared_ptr<fw::MenuItem> InfoMenu() const;
    std::shared_ptr<fw::MenuItem> InfoItem() const;
    std::shared_ptr<fw::MenuItem> ControlItem() const;
    std::shared_ptr<fw::MenuItem> EditMenu() const;
    std::shared_ptr<fw::MenuItem> EditSelectAll() const;
    std::shared_ptr<fw::MenuItem> UntitledMenu0() const;
    std::shared_ptr<fw::MenuItem> EditClear() const;
    std::shared_ptr<fw::MenuItem> EditPaste() const;
    std::shared_ptr<fw::MenuItem> EditCopy() const;
    std::shared_ptr<fw::MenuItem> EditCut() const;
    std::shared_ptr<fw::MenuItem> UntitledMenu1() const;
    std::shared_ptr<fw::MenuItem> EditUndo() const;
    std::shared_ptr<fw::MenuItem> FileMenu() const;
    std::shared_ptr<fw::PrefsMenuItem> AboutItem() const;
    std::shared_ptr<fw::QuitMenuItem> FileQuit() const;

    // Window › Control: the experiment window to the front; the help window stays open behind it.
    bool ControlItem_Action();

    // Registers the run-time class with the events it handles.
    static void Register();
};

// The open help window (hidden or not), else a new one, which is visible when this returns.
// Callers that want it in front call Show.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"  // the accessor hides the class's name on purpose
class helpWnd& helpWnd();
#pragma GCC diagnostic pop

}  // namespace kestrow
