// The run-time classes known to the framework: each registered once with its base, the events it
// handles and, for a window class, the factory that builds its windows. The framework raises a
// window's own events only when its class handles them.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace fw {

class Window;

// Builds a new, not yet constructed window of one class (see ImplicitWindow).
using WindowFactory = std::unique_ptr<Window> (*)();

// Registers a class under its run-time name ("MainWnd.MainWnd") with the name of an already
// registered base ("Window"), the events it handles ("Layout", "KeyDown", ...) and, for a window
// class, its factory (RegisterWindowClass fills all of this in from the window's C++ class).
// Registering the same class again with the same data does nothing; with other data it throws
// InvalidArgumentException.
void RegisterClass(const std::string& className, const std::string& baseName, std::vector<std::string> handledEvents,
                   WindowFactory factory = nullptr);
bool IsClassRegistered(const std::string& className);
// The factory registered with the class, or null.
WindowFactory WindowFactoryOf(const std::string& className);
// Whether the class or one of its registered bases handles the event.
bool ClassHandlesEvent(const std::string& className, const std::string& eventName);

// The event query behind every IsEventImplemented: NilObjectException for a null object; `userClass`
// false asks about the framework's own handlers, which there are none of.
bool RuntimeIsEventHandled(const void* object, const std::string& className, const std::string& eventName,
                           bool userClass);

namespace detail {
void RegisterFrameworkClasses();
}

} // namespace fw
