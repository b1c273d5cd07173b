// The UI-thread flag and the exception for calls from elsewhere.
#include "framework/UiThread.h"

#include "framework/RuntimeException.h"

#include <atomic>

namespace fw::detail {
namespace {
std::atomic<bool> gRunning{false};
} // namespace

constinit thread_local bool tlIsUiThread = false;

void ThrowNotUiThread() {
    if (!gRunning.load()) throw RuntimeException("The runtime is not initialised.");
    throw ThreadAccessingUIException();
}

void MarkUiThread(bool running) noexcept {
    tlIsUiThread = running;
    gRunning.store(running);
}

} // namespace fw::detail
