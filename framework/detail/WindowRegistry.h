// The framework's ownership of open windows: found by class name while open, moved aside when
// closed and destroyed only once no program code is running (so no handler outlives its window).
#pragma once

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace fw {
class Window;
}

namespace fw::detail {

Window& AdoptWindow(std::unique_ptr<Window> window);
Window* FindOpenWindow(const std::string& className);
Window* FindWindowByWidget(const QWidget* widget);
std::vector<Window*> OpenWindows();
bool AnyOpenWindowVisible();
// The window is no longer open; it is destroyed later (ReapClosedWindowsLater).
void DiscardWindow(Window& window);
// Posts the destruction of discarded windows to the event loop.
void ReapClosedWindowsLater() noexcept;
void DestroyAllWindows();

} // namespace fw::detail
