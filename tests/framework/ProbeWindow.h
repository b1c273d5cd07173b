// A window for tests: its class and handled events are chosen per test; its event handlers log
// what was raised and run whatever the test plugs in.
#pragma once

#include "framework/Framework.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ProbeWindow : public fw::Window {
public:
    // Registers `className` (base "Window") with `events` and builds an unconstructed window.
    ProbeWindow(const std::string& className, const std::vector<std::string>& events)
        : fw::Window((fw::RegisterClass(className, "Window", events), className)) {}
    ~ProbeWindow() override { *destroyed = true; }

    std::function<void(ProbeWindow&)> onLayout, onCreateControls, onAddMenuHandlers;
    std::function<bool(const std::string&)> onKey;
    std::vector<std::string> log;
    std::shared_ptr<bool> destroyed = std::make_shared<bool>(false);

    void Layout() override { Run("Layout", onLayout, *this); }
    void CreateControls() override { Run("CreateControls", onCreateControls, *this); }
    void AddMenuHandlers(fw::Window& window) override {
        Run("AddMenuHandlers", onAddMenuHandlers, static_cast<ProbeWindow&>(window));
    }
    bool Event_KeyDown(const std::string& key) override {
        log.push_back("KeyDown:" + key);
        return onKey ? onKey(key) : false;
    }
    bool Event_MouseDown(std::int64_t x, std::int64_t y) override {
        return log.push_back("MouseDown:" + std::to_string(x) + "," + std::to_string(y)), false;
    }
    void Event_Close() override { log.push_back("Close"); }

private:
    void Run(const char* event, const std::function<void(ProbeWindow&)>& handler, ProbeWindow& window) {
        log.push_back(event);
        if (handler) handler(window);
    }
};

// Hands the window to the framework and constructs it.
ProbeWindow& Open(std::unique_ptr<ProbeWindow> window);
// A constructed window of a fresh class handling `events`, built with `setUp` as its CreateControls.
ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table = {});
// The program's menu table: File (Quit, About), Edit (the six standard commands and two
// separators) and Window (Control, Info).
std::shared_ptr<fw::MenuBar> ProgramMenuBar();
