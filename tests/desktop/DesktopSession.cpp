// Start: the X server picks a free display and names it on its output; the session bus prints its
// address; the window manager is up once it has announced itself on the root window.
#include "DesktopSession.h"

#include "Desktop.h"

#include <QDir>
#include <QtTest/QTest>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStartMs = 20000;

// The first line a helper writes to its output, or nothing when it ends or stays silent.
QByteArray FirstLine(QProcess& process) {
    (void)QTest::qWaitFor([&] { return process.canReadLine() || process.state() == QProcess::NotRunning; }, kStartMs);
    return process.canReadLine() ? process.readLine().trimmed() : QByteArray();
}

} // namespace

bool DesktopSession::Spawn(QProcess& process, const QString& program, const QStringList& arguments) {
    const pid_t group = group_;
    process.setChildProcessModifier([group] { ::setpgid(0, group); });
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(kStartMs)) return false;
    if (group_ == 0) group_ = static_cast<pid_t>(process.processId());
    return true;
}

std::string DesktopSession::Start() {
    if (!home_.isValid()) return "no temporary folder for the session";
    // What the buses start is orphaned when they end; this process takes it in, to reap it on Stop.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    // Nothing of the caller's own desktop may leak in; sockets, settings and caches stay private.
    for (const char* name : {"WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "QT_QPA_PLATFORMTHEME"}) {
        qunsetenv(name);
    }
    for (const auto& [name, folder] : {std::pair{"XDG_RUNTIME_DIR", ""},
                                       {"XDG_CONFIG_HOME", "/config"},
                                       {"XDG_CACHE_HOME", "/cache"},
                                       {"XDG_DATA_HOME", "/data"}}) {
        const QString path = home_.path() + QLatin1String(folder);
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
    }

    if (!Spawn(server_, QStringLiteral("Xvfb"),
               {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"})) {
        return "Xvfb did not start (is the xvfb package installed?)";
    }
    const QByteArray display = FirstLine(server_);
    if (display.isEmpty()) return "Xvfb named no display";
    qputenv("DISPLAY", ":" + display);

    if (!Spawn(bus_, QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address=1"})) {
        return "dbus-daemon did not start (is the dbus-daemon package installed?)";
    }
    const QByteArray address = FirstLine(bus_);
    if (address.isEmpty()) return "the session bus printed no address";
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    if (!Spawn(windowManager_, QStringLiteral("openbox"), {"--sm-disable"})) {
        return "openbox did not start (is the openbox package installed?)";
    }
    if (!QTest::qWaitFor(&desktop::WindowManagerRunning, kStartMs)) return "openbox did not take the screen";

    // The programs under test: on this X server, seen by screen readers.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    // Under AddressSanitizer: Qt's xcb platform starts by handing strndup an unterminated buffer (in
    // libxkbcommon-x11), which strict string checks report; the offscreen tests keep them on.
    if (qEnvironmentVariableIsSet("ASAN_OPTIONS"))
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":strict_string_checks=0");
    return {};
}

void DesktopSession::Stop() {
    if (group_ == 0) return;
    ::kill(-group_, SIGTERM);
    for (QProcess* process : {&windowManager_, &bus_, &server_}) process->waitForFinished(kStartMs);
    // The accessibility bus and registry that the session bus started end with the group.
    const auto groupGone = [this] {
        while (::waitpid(-group_, nullptr, WNOHANG) > 0) {}
        return ::kill(-group_, 0) != 0;
    };
    if (!QTest::qWaitFor(groupGone, 5000)) ::kill(-group_, SIGKILL);
    group_ = 0;
}
