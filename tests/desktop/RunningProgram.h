// A program started on the test desktop (the real Kestrow, or the framework probe) and seen from
// outside: its windows as the window manager manages them, found by their X11 window role (the
// framework sets it to the window's class), its accessibility tree, and how it ends.
#pragma once

#include "AccessibleTree.h"
#include "Desktop.h"

#include <QProcess>
#include <optional>
#include <string>

class RunningProgram {
public:
    RunningProgram(const QString& path, const QStringList& arguments);
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    // Ends the program when it is still running.
    ~RunningProgram();

    long long Pid() const { return pid_; }
    // The program's window of that class that the window manager manages (shown or minimised).
    std::optional<desktop::WindowId> Window(const std::string& className) const;
    bool IsActive(const std::string& className) const;
    AccessibleTree Tree() const { return AccessibleTree::Read(pid_); }
    // Its exit status once it has ended by itself within the time, else nothing.
    std::optional<int> WaitForExit(int timeoutMs);
    // What it wrote to its standard output and error so far.
    std::string Output();

private:
    QProcess process_;
    long long pid_ = 0;
    std::string output_;
};
