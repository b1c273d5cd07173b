// A window for tests: its class and handled events are chosen per test; it applies a property
// table as its layout, runs whatever the test plugs in as its controls and logs the keys raised.
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

    fw::PropertyTable table;
    std::function<void(ProbeWindow&)> onCreateControls;
    std::function<bool(const std::string&)> onKey;
    std::vector<std::string> log; // "KeyDown:<key>" for each key raised
    std::shared_ptr<bool> destroyed = std::make_shared<bool>(false);

    void Layout() override { fw::SetProperties(*this, table); }
    void CreateControls() override {
        if (onCreateControls) onCreateControls(*this);
    }
    bool Event_KeyDown(const std::string& key) override {
        log.push_back("KeyDown:" + key);
        return onKey ? onKey(key) : false;
    }
};

// A constructed window of a fresh class handling `events`, built with `setUp` as its CreateControls.
ProbeWindow& OpenWith(const std::vector<std::string>& events, std::function<void(ProbeWindow&)> setUp,
                      fw::PropertyTable table = {});
