// The desktop the real-desktop tests run on: an X server (Xvfb), a window manager (openbox) and a
// D-Bus session bus, from which the accessibility bus starts when a program first asks for it.
// The test main starts it before the tests and stops it after them. The environment it sets
// (DISPLAY, the session bus, private XDG folders, Qt's xcb platform with accessibility on) reaches
// every program the tests start. Its processes share one process group, so stopping the group
// also ends what the buses started; the test process adopts and reaps those as they end.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <sys/types.h>

class DesktopSession {
public:
    DesktopSession() = default;
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;
    ~DesktopSession() { Stop(); }

    // Empty when the desktop is up, else what failed.
    std::string Start();
    void Stop();

private:
    bool Spawn(QProcess& process, const QString& program, const QStringList& arguments);

    QTemporaryDir home_;
    QProcess server_;
    QProcess bus_;
    QProcess windowManager_;
    pid_t group_ = 0;
};
