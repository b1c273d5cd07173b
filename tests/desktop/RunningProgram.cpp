// Windows are matched on _NET_WM_PID and WM_WINDOW_ROLE among the window manager's clients.
#include "RunningProgram.h"

#include <QtTest/QTest>

RunningProgram::RunningProgram(const QString& path, const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(path, arguments);
    if (process_.waitForStarted()) pid_ = process_.processId();
}

RunningProgram::~RunningProgram() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished();
}

std::optional<desktop::WindowId> RunningProgram::Window(const std::string& className) const {
    for (const desktop::WindowId window : desktop::ManagedWindows()) {
        if (desktop::Property(window, "_NET_WM_PID") == std::to_string(pid_) &&
            desktop::Property(window, "WM_WINDOW_ROLE") == className) {
            return window;
        }
    }
    return std::nullopt;
}

bool RunningProgram::IsActive(const std::string& className) const {
    const auto window = Window(className);
    return window && desktop::ActiveWindow() == window;
}

std::optional<int> RunningProgram::WaitForExit(int timeoutMs) {
    if (!QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, timeoutMs)) return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit) return std::nullopt;
    return process_.exitCode();
}

std::string RunningProgram::Output() {
    output_ += process_.readAll().toStdString();
    return output_;
}
