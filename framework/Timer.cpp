// Timer on QTimer; firing runs Action through the runtime's handler dispatch.
#include "framework/Timer.h"

#include "framework/RuntimeException.h"
#include "framework/detail/Numbers.h"

#include <QTimer>

namespace fw {

Timer::Timer(Window& owner) : Control(owner), timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Fire(); });
    Declare("Period", 1000, [this](const PropertyValue& value) {
        if (value.As<std::int64_t>() < 0) throw InvalidArgumentException(Describe() + ": Period cannot be negative.");
        Restart();
    });
    Declare("RunMode", 0, [this](const PropertyValue& value) {
        const auto mode = value.As<std::int64_t>();
        if (mode < 0 || mode > 2) throw InvalidArgumentException(Describe() + ": RunMode must be 0, 1 or 2.");
        Restart();
    });
}

Timer::~Timer() = default;

void Timer::Restart() {
    const auto mode = Stored<std::int64_t>("RunMode");
    timer_->stop();
    if (mode == 0) return;
    timer_->setSingleShot(mode == 1);
    timer_->start(detail::ClampToInt(Stored<std::int64_t>("Period"), 0));
}

void Timer::Fire() {
    if (Stored<std::int64_t>("RunMode") == 1) Store("RunMode", 0);
    RunEventHandler([this] { Action.Raise(*this); });
}

void Timer::Closing() { timer_->stop(); }

} // namespace fw
