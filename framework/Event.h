// A control's event: one bound handler (usually a method of the window), raised by the framework.
// Raising an unbound event does nothing and yields the result type's default (false for Boolean).
#pragma once

#include "framework/UiThread.h"

#include <functional>
#include <utility>

namespace fw {

template <class Signature>
class Event;

template <class R, class... Args>
class Event<R(Args...)> {
public:
    using Handler = std::function<R(Args...)>;

    void Bind(Handler handler) {
        RequireUiThread();
        handler_ = std::move(handler);
    }

    // Binds a member function of `target`, e.g. Bind(*this, &MainWnd::nameFld_KeyDown).
    template <class Target, class Base>
    void Bind(Target& target, R (Base::*method)(Args...)) {
        RequireUiThread();
        Base& object = target;
        handler_ = [&object, method](Args... args) -> R { return (object.*method)(std::forward<Args>(args)...); };
    }

    void Unbind() {
        RequireUiThread();
        handler_ = nullptr;
    }
    bool IsBound() const noexcept { return static_cast<bool>(handler_); }

    R Raise(Args... args) const {
        if (!handler_) return R();
        return handler_(std::forward<Args>(args)...);
    }

private:
    Handler handler_;
};

} // namespace fw
