// A timer of a window: Action(timer) runs on the event loop. It dies with its window.
//
// Properties: Period: Integer = 1000 — milliseconds; RunMode: Integer = 0 — 0 off, 1 once (then it
// turns itself off: RunMode reads 0), 2 repeating. Setting either (re)starts the count.
#pragma once

#include "framework/Control.h"
#include "framework/Event.h"

#include <memory>

class QTimer;

namespace fw {

class Timer : public Control {
public:
    explicit Timer(Window& owner);
    ~Timer() override;

    Event<void(Timer&)> Action;

    std::string ClassName() const override { return "Timer"; }

private:
    void Restart();
    void Fire();
    void Closing() override;

    std::unique_ptr<QTimer> timer_;
};

} // namespace fw
