// Open and closed windows. Destruction is posted to the event loop and waits until no handler of
// the program is on the stack, as a modal box or a background-task turn may run the loop inside one.
#include "framework/detail/WindowRegistry.h"

#include "framework/Runtime.h"
#include "framework/Window.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>
#include <algorithm>

namespace fw::detail {
namespace {

struct Registry {
    std::vector<std::unique_ptr<Window>> open;
    std::vector<std::unique_ptr<Window>> closed;
    bool reapPosted = false;
};

Registry& Windows() {
    static Registry registry;
    return registry;
}

void Reap() {
    auto& registry = Windows();
    registry.reapPosted = false;
    if (HandlerScope::Active()) return; // posted again when the handler ends
    auto dying = std::move(registry.closed);
    registry.closed.clear();
    dying.clear();
}

} // namespace

Window& AdoptWindow(std::unique_ptr<Window> window) {
    Window& adopted = *window;
    Windows().open.push_back(std::move(window));
    return adopted;
}

Window* FindOpenWindow(const std::string& className) {
    for (const auto& window : Windows().open) {
        if (window->ClassName() == className) return window.get();
    }
    return nullptr;
}

Window* FindWindowByWidget(const QWidget* widget) {
    if (widget == nullptr) return nullptr;
    for (const auto& window : Windows().open) {
        if (window->Widget() == widget) return window.get();
    }
    return nullptr;
}

std::vector<Window*> OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& window : Windows().open) windows.push_back(window.get());
    return windows;
}

bool AnyOpenWindowVisible() {
    const auto& open = Windows().open;
    return std::any_of(open.begin(), open.end(), [](const auto& window) { return window->Widget()->isVisible(); });
}

void DiscardWindow(Window& window) {
    auto& registry = Windows();
    auto it = std::find_if(registry.open.begin(), registry.open.end(),
                           [&](const auto& candidate) { return candidate.get() == &window; });
    if (it == registry.open.end()) return;
    registry.closed.push_back(std::move(*it));
    registry.open.erase(it);
    ReapClosedWindowsLater();
}

void ReapClosedWindowsLater() noexcept {
    auto& registry = Windows();
    if (registry.closed.empty() || registry.reapPosted || QCoreApplication::instance() == nullptr) return;
    registry.reapPosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &Reap, Qt::QueuedConnection);
}

void DestroyAllWindows() {
    auto& registry = Windows();
    // Destroy one at a time: a window's destruction must not see a half-destroyed list.
    while (!registry.open.empty()) {
        auto window = std::move(registry.open.back());
        registry.open.pop_back();
        window.reset();
    }
    auto closed = std::move(registry.closed);
    registry.closed.clear();
    closed.clear();
}

} // namespace fw::detail
