// The one UI thread: every user-interface operation checks that it runs there.
#pragma once

namespace fw {

namespace detail {
// True on the thread that initialised the runtime, while it runs. Constant-initialised, so the
// check below is a plain thread-local read, cheap enough for tight loops.
extern constinit thread_local bool tlIsUiThread;
[[noreturn]] void ThrowNotUiThread();
void MarkUiThread(bool running) noexcept; // called by RuntimeInit / RuntimeExit on the UI thread
} // namespace detail

inline bool IsUiThread() noexcept { return detail::tlIsUiThread; }

// Throws ThreadAccessingUIException off the UI thread (RuntimeException before RuntimeInit).
inline void RequireUiThread() {
    if (!detail::tlIsUiThread) detail::ThrowNotUiThread();
}

} // namespace fw
