// Start and stop of a program on this framework, and what happens to exceptions nobody caught.
//
// A program's main runs, in order:
//   RuntimeInit(argc, argv);                      // the Qt application and the UI thread
//   RuntimePerformInitializers({...});            // class registrations
//   then, inside CallFunctionWithExceptionHandling (reporting what escapes with UnhandledException):
//     RuntimeSetExceptionHelper(...), RuntimeAnnounceFrameworkVersion(...), Application::SetSupportsHiDPI(...),
//     RuntimeInitExternalClasses(), InitPluginEntrypoints(), the application object with its version
//     data and menu bar, RuntimeRegisterAppObject(...), RunFrameworkInitialization(lateStartup), RuntimeRun();
//   RuntimePerformFinalizers();
//   return RuntimeExit();                         // the code given to Quit, or non-zero after a failure
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace fw {

class Application;
class RuntimeException;

// The framework version this library provides.
inline constexpr double kFrameworkVersion = 1.0;

// Runs a function and returns the RuntimeException that escaped it (null when none did); an
// exception of any other kind passes on.
using ExceptionHelper = std::function<std::exception_ptr(const std::function<void()>&)>;

// Creates the Qt application on the calling thread, which becomes the UI thread. Qt sees only the
// program's name (argv[0]), so no option on the command line changes the program; Qt's environment
// variables still apply. Throws RuntimeException when called twice.
void RuntimeInit(int argc, char** argv);
// Registers the framework's classes, then runs the program's initialisers in the order given.
// An exception from an initialiser passes on to the caller.
void RuntimePerformInitializers(const std::vector<std::function<void()>>& initializers);

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& function);
// The helper through which the framework runs every event, timer and menu handler; null restores
// CallFunctionWithExceptionHandling.
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// The program states the framework version it was built for; a newer one than this library
// throws RuntimeException.
void RuntimeAnnounceFrameworkVersion(double builtFor);
// Registers the classes the runtime itself instantiates (the exception classes).
void RuntimeInitExternalClasses();
// The framework has no plug-ins of its own (Qt loads its plug-ins on demand): does nothing.
void InitPluginEntrypoints();

// The framework holds the application object until the finalisers; a second one throws.
void RuntimeRegisterAppObject(std::unique_ptr<Application> application);
Application* RuntimeAppObject() noexcept;

// Finishes the framework's own set-up, then calls `lateStartup` once; its exceptions pass on.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// Runs the event loop until Quit (returns at once when Quit came first).
void RuntimeRun();

// Ends the application with `code` as the process status. A further call while it ends changes
// nothing. When the user closes the last visible window while the loop runs, the application ends with 0.
void Quit(int code = 0);
bool IsQuitting() noexcept;

// The unhandled-exception report: stderr names the exception's class and message, a modal box
// (through the MsgBox seam) tells the user, and the application ends with a non-zero status.
void UnhandledException(std::exception_ptr exception) noexcept;
void UnhandledException(const RuntimeException& exception) noexcept;

// Closes and destroys every window and releases the application object.
void RuntimePerformFinalizers();
// Destroys the Qt application and returns the process status.
int RuntimeExit();

namespace detail {
// Runs program code on behalf of an event: nothing escapes; a failure is reported and ends the
// application. Returns false when the code failed.
bool RunHandler(const std::function<void()>& function) noexcept;
// Marks program code running on the stack, so closed windows are destroyed only afterwards.
class HandlerScope {
public:
    HandlerScope() noexcept;
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    static bool Active() noexcept;
};
bool EventLoopRunning() noexcept;
} // namespace detail

} // namespace fw
