// The program's way from its entry to the event loop and out: main runs the runtime's start,
// the class registrations (ProgramInitializers) and Main; Main installs the exception helper,
// tells the framework where the pictures are, makes the application object with its version data
// and menu bar, lets the framework call LateStartup back (which opens the About window) and runs
// the event loop until Quit.
#pragma once

#include <functional>
#include <vector>

namespace kestrow {

// The program's class registrations, in the order the runtime runs them.
std::vector<std::function<void()>> ProgramInitializers();

// The start-up driver: everything between the initialisers and the finalisers. An exception that
// escapes any step, or is pending when the event loop returns, goes to the runtime's report.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
// Opens the first window, the About window.
void MakeDefaultView();

} // namespace kestrow
