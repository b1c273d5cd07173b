// Reports the X bell for the real-desktop tests: prints "ready" once it listens to the server's
// bell events (XKB's bell notification), then a line for each bell rung on the server: "bell", or
// "mark" for the marked bell that it rings itself for each line it reads. A test that waits for a
// mark has then seen every bell rung before it asked. It ends when its input closes.
#include <X11/XKBlib.h>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {

void Say(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

} // namespace

int main() {
    int eventBase = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    Display* display = XkbOpenDisplay(nullptr, &eventBase, &errorBase, &major, &minor, &reason);
    if (display == nullptr) return 1;
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    const Atom mark = XInternAtom(display, "KESTROW_TEST_MARK", False);
    XSync(display, False);
    Say("ready");
    pollfd sources[] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (bool open = true; open;) {
        while (XPending(display) > 0) {
            XkbEvent event;
            XNextEvent(display, &event.core);
            if (event.type == eventBase && event.any.xkb_type == XkbBellNotify)
                Say(event.bell.name == mark ? "mark" : "bell");
        }
        if (poll(sources, 2, -1) < 0) break;
        if (sources[1].revents == 0) continue;
        char input[64];
        const ssize_t count = ::read(STDIN_FILENO, input, sizeof input);
        open = count > 0;
        for (ssize_t i = 0; i < count; ++i) {
            if (input[i] == '\n') XkbBell(display, None, 0, mark);
        }
        XFlush(display);
    }
    XCloseDisplay(display);
    return 0;
}
