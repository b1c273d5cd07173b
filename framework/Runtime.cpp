// The runtime's process state: the Qt application, the application object, the quit request with
// its exit code, and the exception helper through which every handler of the program runs.
#include "framework/Runtime.h"

#include "framework/Alerts.h"
#include "framework/Application.h"
#include "framework/Cast.h"
#include "framework/ClassRegistry.h"
#include "framework/RectControl.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/QtText.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>
#include <array>
#include <iostream>
#include <string>
#include <typeinfo>

namespace fw {
namespace {

struct RuntimeState {
    // The argument list Qt keeps for the application's lifetime: the program's name alone.
    std::string programName;
    int qtArgc = 1;
    std::array<char*, 2> qtArgv{};
    std::unique_ptr<QApplication> qtApp;
    std::unique_ptr<Application> appObject;
    ExceptionHelper helper;
    bool quitting = false;
    int exitCode = 0;
    bool running = false;
    bool reporting = false;
    int handlerDepth = 0;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

void EndWith(int code) {
    auto& state = State();
    state.quitting = true;
    state.exitCode = code;
    if (state.running) QCoreApplication::exit(code);
}

void Report(const std::string& className, const std::string& message) noexcept {
    auto& state = State();
    std::cerr << "Unhandled " << className << ": " << message << std::endl;
    if (!state.reporting) {
        state.reporting = true;
        try {
            MsgBox("An unhandled " + className + " occurred: " + message + "\rThe application will now quit.\r");
        } catch (...) {
            std::cerr << "The unhandled-exception box could not be shown." << std::endl;
        }
        state.reporting = false;
    }
    // A failure is never reported as success: keep an earlier non-zero code, replace 0 by 1.
    EndWith(state.quitting && state.exitCode != 0 ? state.exitCode : 1);
}

} // namespace

void RuntimeInit(int argc, char** argv) {
    auto& state = State();
    if (state.qtApp || QCoreApplication::instance() != nullptr)
        throw RuntimeException("The runtime is already initialised.");
    state = RuntimeState{};
    if (argc > 0 && argv != nullptr && argv[0] != nullptr) state.programName = argv[0];
    state.qtArgv = {state.programName.data(), nullptr};
    state.qtApp = std::make_unique<QApplication>(state.qtArgc, state.qtArgv.data());
    detail::MarkUiThread(true);
    detail::InstallInterfaceFaces();
}

void RuntimePerformInitializers(const std::vector<std::function<void()>>& initializers) {
    RequireUiThread();
    detail::RegisterFrameworkClasses();
    for (const auto& initializer : initializers) {
        if (initializer) initializer();
    }
}

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& function) {
    try {
        if (function) function();
        return nullptr;
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    RequireUiThread();
    State().helper = std::move(helper);
}

void RuntimeAnnounceFrameworkVersion(double builtFor) {
    if (builtFor > kFrameworkVersion) {
        throw RuntimeException("The program needs framework version " + std::to_string(builtFor) + ", this is " +
                               std::to_string(kFrameworkVersion) + ".");
    }
}

void RuntimeInitExternalClasses() {
    RequireUiThread();
    for (const char* name :
         {"NilObjectException", "IllegalCastException", "ThreadAccessingUIException", "KeyNotFoundException",
          "TypeMismatchException", "InvalidArgumentException", "OutOfBoundsException"}) {
        RegisterClass(name, "RuntimeException", {});
    }
}

void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
    RequireUiThread();
    if (!application) throw NilObjectException("No application object was given.");
    if (State().appObject) throw RuntimeException("An application object is already registered.");
    State().appObject = std::move(application);
}

Application* RuntimeAppObject() noexcept { return State().appObject.get(); }

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    RequireUiThread();
    // The framework decides when the application ends (Quit, or the last window closed by the user).
    QApplication::setQuitOnLastWindowClosed(false);
    if (const Application* app = RuntimeAppObject()) {
        // No display name: Qt would append it to every window title.
        QApplication::setApplicationName(detail::ToQt(app->PackageInfo()));
        QApplication::setApplicationVersion(detail::ToQt(app->ShortVersion()));
    }
    if (lateStartup) lateStartup();
}

void RuntimeRun() {
    RequireUiThread();
    auto& state = State();
    if (state.quitting) return;
    state.running = true;
    const int code = QApplication::exec();
    state.running = false;
    if (!state.quitting) EndWith(code);
}

void Quit(int code) {
    RequireUiThread();
    if (State().quitting) return;
    EndWith(code);
}

bool IsQuitting() noexcept { return State().quitting; }

void UnhandledException(std::exception_ptr exception) noexcept {
    if (!exception) return;
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        Report(e.ClassName(), e.Message());
    } catch (const std::exception& e) {
        Report(detail::ReadableTypeName(typeid(e)), e.what());
    } catch (...) {
        Report("unknown exception", "An exception of an unknown kind escaped.");
    }
}

void UnhandledException(const RuntimeException& exception) noexcept {
    Report(exception.ClassName(), exception.Message());
}

void RuntimePerformFinalizers() {
    RequireUiThread();
    detail::DestroyAllWindows();
    State().appObject.reset();
}

int RuntimeExit() {
    RequireUiThread();
    auto& state = State();
    detail::DestroyAllWindows();
    state.appObject.reset();
    state.qtApp.reset();
    detail::MarkUiThread(false);
    return state.exitCode;
}

namespace detail {

bool RunHandler(const std::function<void()>& function) noexcept {
    HandlerScope scope;
    try {
        auto& helper = State().helper;
        std::exception_ptr escaped = helper ? helper(function) : CallFunctionWithExceptionHandling(function);
        if (!escaped) return true;
        UnhandledException(escaped);
    } catch (...) {
        UnhandledException(std::current_exception());
    }
    return false;
}

HandlerScope::HandlerScope() noexcept { ++State().handlerDepth; }

HandlerScope::~HandlerScope() {
    if (--State().handlerDepth == 0) ReapClosedWindowsLater();
}

bool HandlerScope::Active() noexcept { return State().handlerDepth > 0; }

bool EventLoopRunning() noexcept { return State().running; }

} // namespace detail

} // namespace fw
