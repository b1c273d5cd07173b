#include "ProbeWindow.h"

#include <atomic>

ProbeWindow::ProbeWindow(const std::string& className, const std::vector<std::string>& events)
    : fw::Window((fw::RegisterClass(className, "Window", events), className)) {}

ProbeWindow::~ProbeWindow() { *destroyed = true; }

void ProbeWindow::Layout() {
    log.push_back("Layout");
    if (onLayout) onLayout(*this);
}

void ProbeWindow::CreateControls() {
    log.push_back("CreateControls");
    if (onCreateControls) onCreateControls(*this);
}

void ProbeWindow::AddMenuHandlers(fw::Window& window) {
    log.push_back("AddMenuHandlers");
    if (onAddMenuHandlers) onAddMenuHandlers(static_cast<ProbeWindow&>(window));
}

bool ProbeWindow::Event_KeyDown(const std::string& key) {
    log.push_back("KeyDown:" + key);
    return onKey ? onKey(key) : false;
}

bool ProbeWindow::Event_MouseDown(std::int64_t x, std::int64_t y) {
    log.push_back("MouseDown:" + std::to_string(x) + "," + std::to_string(y));
    return onMouse ? onMouse(x, y) : false;
}

void ProbeWindow::Event_Close() {
    log.push_back("Close");
    if (onClose) onClose();
}

ProbeWindow& Open(std::unique_ptr<ProbeWindow> window) {
    ProbeWindow& opened = *window;
    fw::detail::ConstructAdopted(std::move(window));
    return opened;
}

ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table) {
    static std::atomic<int> serial{0};
    std::vector<std::string> handled = events;
    handled.push_back("Layout");
    handled.push_back("CreateControls");
    auto window = std::make_unique<ProbeWindow>("Probe" + std::to_string(++serial) + ".Probe", handled);
    window->onLayout = [table](ProbeWindow& w) { fw::SetProperties(w, table); };
    window->onCreateControls = std::move(setUp);
    return Open(std::move(window));
}
