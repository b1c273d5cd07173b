// Test main of the real-desktop tests: gives the test process its own desktop, an X server
// (Xvfb) with a window manager (openbox) and a D-Bus session bus, from which the accessibility
// bus starts when a program first asks for it; the environment it sets reaches every program the
// tests start. Its processes share one process group, so ending the group also ends what the
// buses started; this process adopts and reaps those. Listing the tests needs no desktop.
#include "DesktopTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/prctl.h>
#include <sys/wait.h>

namespace {

constexpr int kStartMs = 20000;
pid_t group = 0;

// Starts a helper in the desktop's process group.
bool Spawn(QProcess& helper, const QString& program, const QStringList& arguments) {
    helper.setChildProcessModifier([] { ::setpgid(0, group); });
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.start(program, arguments);
    if (!helper.waitForStarted(kStartMs)) return false;
    if (group == 0) group = static_cast<pid_t>(helper.processId());
    return true;
}

// The first line a helper prints: the server's display number, the bus's address.
QByteArray FirstLine(QProcess& helper) {
    (void)QTest::qWaitFor([&] { return helper.canReadLine() || helper.state() == QProcess::NotRunning; }, kStartMs);
    return helper.canReadLine() ? helper.readLine().trimmed() : "";
}

bool StartDesktop(const QTemporaryDir& home, QProcess& server, QProcess& bus, QProcess& windowManager) {
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    // Nothing of the caller's own desktop leaks in; sockets, settings and caches stay private.
    for (const char* name : {"WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "QT_QPA_PLATFORMTHEME"}) {
        qunsetenv(name);
    }
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        QDir().mkpath(home.filePath(QLatin1String(name)));
        qputenv(name, QFile::encodeName(home.filePath(QLatin1String(name))));
    }
    const QStringList xvfb{"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"};
    const QByteArray display = Spawn(server, "Xvfb", xvfb) ? FirstLine(server) : "";
    qputenv("DISPLAY", ":" + display);
    const QByteArray address =
        Spawn(bus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"}) ? FirstLine(bus) : "";
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    windowManager.setStandardOutputFile(QProcess::nullDevice());
    if (display.isEmpty() || address.isEmpty() || !Spawn(windowManager, "openbox", {"--sm-disable"})) return false;
    // The programs under test: on this X server, seen by screen readers. Under AddressSanitizer, Qt's
    // xcb platform hands strndup an unterminated buffer (in libxkbcommon-x11) at its start.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    if (qEnvironmentVariableIsSet("ASAN_OPTIONS"))
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":strict_string_checks=0");
    return QTest::qWaitFor([] { return !desktop::RootWindows("_NET_SUPPORTING_WM_CHECK").empty(); }, kStartMs);
}

void StopDesktop(std::initializer_list<QProcess*> helpers) {
    if (group <= 0) return;
    ::kill(-group, SIGTERM);
    for (QProcess* helper : helpers) helper->waitForFinished(kStartMs);
    const auto gone = [] {
        while (::waitpid(-group, nullptr, WNOHANG) > 0) {}
        return ::kill(-group, 0) != 0;
    };
    if (!QTest::qWaitFor(gone, kStartMs)) ::kill(-group, SIGKILL);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    QTemporaryDir home;
    QProcess server, bus, windowManager;
    const bool started = StartDesktop(home, server, bus, windowManager);
    if (!started) std::cerr << "The test desktop (Xvfb, dbus-daemon, openbox) could not be set up." << std::endl;
    const int result = started ? RUN_ALL_TESTS() : 1;
    StopDesktop({&windowManager, &bus, &server});
    return result;
}
