// Registration of a program's window class from its C++ class: the run-time name, base "Window", the
// events it handles and the factory ImplicitWindow builds its windows with. The handled events are
// read off the overrides, so a handler cannot be written and then silently never raised.
#pragma once

#include "framework/ClassRegistry.h"
#include "framework/Window.h"

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace fw {

namespace detail {

template <class W>
std::unique_ptr<Window> MakeWindow() {
    return std::make_unique<W>();
}

// &W::Layout names the member of the class that declares it: its type differs from that of
// &Window::Layout exactly when W, or a base of W below Window, overrides the handler.
template <class W>
std::vector<std::string> OverriddenEvents() {
    std::vector<std::string> events;
    const auto add = [&events](bool overridden, const char* event) {
        if (overridden) events.emplace_back(event);
    };
    add(!std::is_same_v<decltype(&W::Layout), decltype(&Window::Layout)>, "Layout");
    add(!std::is_same_v<decltype(&W::CreateControls), decltype(&Window::CreateControls)>, "CreateControls");
    add(!std::is_same_v<decltype(&W::AddMenuHandlers), decltype(&Window::AddMenuHandlers)>, "AddMenuHandlers");
    add(!std::is_same_v<decltype(&W::Event_KeyDown), decltype(&Window::Event_KeyDown)>, "KeyDown");
    add(!std::is_same_v<decltype(&W::Event_MouseDown), decltype(&Window::Event_MouseDown)>, "MouseDown");
    add(!std::is_same_v<decltype(&W::Event_Close), decltype(&Window::Event_Close)>, "Close");
    return events;
}

} // namespace detail

// Registers W under `className` with base "Window", handling the events whose handlers W overrides,
// and with a factory that builds a W (W's default constructor must pass `className` on to Window).
template <class W>
void RegisterWindowClass(const std::string& className) {
    static_assert(std::is_base_of_v<Window, W> && std::is_default_constructible_v<W>);
    RegisterClass(className, "Window", detail::OverriddenEvents<W>(), &detail::MakeWindow<W>);
}

} // namespace fw
