// A window for tests: its class and handled events are chosen per test, its event handlers
// record what was raised and run whatever the test plugs in.
#pragma once

#include "framework/Framework.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ProbeWindow : public fw::Window {
public:
    // Registers `className` (base "Window") with `events` and builds an unconstructed window.
    ProbeWindow(const std::string& className, const std::vector<std::string>& events);
    ~ProbeWindow() override;

    std::function<void(ProbeWindow&)> onLayout, onCreateControls, onAddMenuHandlers;
    std::function<bool(const std::string&)> onKey;
    std::function<bool(std::int64_t, std::int64_t)> onMouse;
    std::function<void()> onClose;
    std::vector<std::string> log;
    std::shared_ptr<bool> destroyed = std::make_shared<bool>(false);

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;
    bool Event_KeyDown(const std::string& key) override;
    bool Event_MouseDown(std::int64_t x, std::int64_t y) override;
    void Event_Close() override;
};

// Hands the window to the framework and constructs it.
ProbeWindow& Open(std::unique_ptr<ProbeWindow> window);
// A constructed window of a fresh class handling `events`, built with `setUp` as its CreateControls.
ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table = {});
