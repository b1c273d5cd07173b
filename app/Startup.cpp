// The start-up as a sequence of small named routines. Main runs them inside one exception route:
// whatever escapes a step, or the event loop, goes to the runtime's unhandled-exception report,
// which makes the process end with a non-zero status once main has run the finalisers.
#include "app/Startup.h"

#include "about/AboutWnd.h"
#include "app/Kestrow.h"
#include "experiment/ControlWnd.h"
#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "help/helpWnd.h"
#include "windows/MenuBar1.h"

#include <exception>
#include <memory>

namespace kestrow {

std::vector<std::function<void()>> ProgramInitializers() {
    return {&Kestrow::Register, &ControlWnd::Register, &MenuBar1::Register, &helpWnd::Register, &AboutWnd::Register};
}

void Main() {
    try {
        fw::RuntimeSetExceptionHelper(&fw::CallFunctionWithExceptionHandling);
        fw::RuntimeAnnounceFrameworkVersion(fw::kFrameworkVersion);
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
        fw::RuntimeRun();
    } catch (...) {
        // Every kind, not only the runtime's own: nothing may escape past main's finalisers.
        fw::UnhandledException(std::current_exception());
    }
}

void EarlyStartup() {
    fw::Application::SetSupportsHiDPI(true);
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    // Relative to the program's folder: beside it in the build tree, and its data folder once
    // installed (both set where the build places the pictures).
    fw::Picture::SetProgramFolders({KESTROW_PICTURES_BESIDE_PROGRAM, KESTROW_PICTURES_INSTALLED});
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

// The program declares no document type; the step is kept on purpose, in its place.
void InitFileTypes() {}

void NewAppInstance() {
    auto app = std::make_unique<Kestrow>();
    app->Constructor();
    app->SetVersionData();
    app->SetMenuBar(MenuBar1());
    fw::RuntimeRegisterAppObject(std::move(app));
}

// Every menu command is handled by a window, none by the application; the step is kept on
// purpose, in its place.
void ApplicationAddMenuHandlers() {}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { AboutWnd(); }

} // namespace kestrow
