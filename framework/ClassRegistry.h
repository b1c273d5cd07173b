// The run-time classes known to the framework: each registered once with its base and the events
// it handles. The framework raises a window's own events only when its class handles them.
#pragma once

#include <string>
#include <vector>

namespace fw {

// Registers a class under its run-time name ("ControlWnd.ControlWnd") with the name of an already
// registered base ("Window") and the events it handles ("Layout", "KeyDown", ...). Registering the
// same class again with the same data does nothing; with other data it throws InvalidArgumentException.
void RegisterClass(const std::string& className, const std::string& baseName, std::vector<std::string> handledEvents);
bool IsClassRegistered(const std::string& className);
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
