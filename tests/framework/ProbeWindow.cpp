#include "ProbeWindow.h"

#include <array>
#include <atomic>

ProbeWindow& Open(std::unique_ptr<ProbeWindow> window) {
    ProbeWindow& opened = *window;
    fw::detail::ConstructAdopted(std::move(window));
    return opened;
}

ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table) {
    static std::atomic<int> serial{0};
    std::vector<std::string> handled = events;
    handled.insert(handled.end(), {"Layout", "CreateControls"});
    auto window = std::make_unique<ProbeWindow>("Probe" + std::to_string(++serial) + ".Probe", handled);
    window->onLayout = [table](ProbeWindow& w) { fw::SetProperties(w, table); };
    window->onCreateControls = std::move(setUp);
    return Open(std::move(window));
}

std::shared_ptr<fw::MenuBar> ProgramMenuBar() {
    using Row = std::array<const char*, 4>; // menu ("" for the bar), name, caption, shortcut
    const Row rows[] = {{"", "FileMenu", "&File", ""},
                        {"FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
                        {"FileMenu", "AboutItem", "About Title", ""},
                        {"", "EditMenu", "&Edit", ""},
                        {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
                        {"EditMenu", "UntitledMenu1", "-", ""},
                        {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
                        {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
                        {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
                        {"EditMenu", "EditClear", "&Delete", ""},
                        {"EditMenu", "UntitledMenu0", "-", ""},
                        {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
                        {"", "InfoMenu", "Window", ""},
                        {"InfoMenu", "ControlItem", "Control", ""},
                        {"InfoMenu", "InfoItem", "Info", ""}};
    auto bar = std::make_shared<fw::MenuBar>();
    for (const auto& [menu, name, caption, shortcut] : rows) {
        const std::string kind = name;
        std::shared_ptr<fw::MenuItem> item = kind == "FileQuit"    ? std::make_shared<fw::QuitMenuItem>()
                                             : kind == "AboutItem" ? std::make_shared<fw::PrefsMenuItem>()
                                                                   : std::make_shared<fw::MenuItem>();
        item->SetName(name);
        item->SetAutoEnabled(true);
        item->SetValue(caption);
        item->SetVisible(true);
        item->SetShortcut(shortcut);
        (*menu == '\0' ? std::shared_ptr<fw::MenuItem>(bar) : bar->Child(menu))->AddMenu(item);
    }
    return bar;
}
