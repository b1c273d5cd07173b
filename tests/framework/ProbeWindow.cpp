#include "ProbeWindow.h"

#include <atomic>

ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table) {
    static std::atomic<int> serial{0};
    std::vector<std::string> handled = events;
    handled.insert(handled.end(), {"Layout", "CreateControls"});
    auto window = std::make_unique<ProbeWindow>("Probe" + std::to_string(++serial) + ".Probe", handled);
    window->table = std::move(table);
    window->onCreateControls = std::move(setUp);
    ProbeWindow& opened = *window;
    fw::detail::ConstructAdopted(std::move(window));
    return opened;
}
