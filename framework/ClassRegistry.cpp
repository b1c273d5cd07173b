// Process-wide class table, filled by the initialisers at start-up and read by the event dispatch.
#include "framework/ClassRegistry.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

#include <algorithm>
#include <map>

namespace fw {
namespace {

struct ClassInfo {
    std::string base;
    std::vector<std::string> events;
    WindowFactory factory = nullptr;
    bool operator==(const ClassInfo&) const = default;
};

std::map<std::string, ClassInfo>& Classes() {
    static std::map<std::string, ClassInfo> classes;
    return classes;
}

} // namespace

void RegisterClass(const std::string& className, const std::string& baseName, std::vector<std::string> handledEvents,
                   WindowFactory factory) {
    RequireUiThread();
    if (className.empty()) throw InvalidArgumentException("A class needs a name.");
    if (!baseName.empty() && !IsClassRegistered(baseName)) {
        throw InvalidArgumentException("Class '" + className + "' names the unknown base '" + baseName + "'.");
    }
    std::sort(handledEvents.begin(), handledEvents.end());
    ClassInfo info{baseName, std::move(handledEvents), factory};
    auto [it, inserted] = Classes().try_emplace(className, info);
    if (!inserted && !(it->second == info)) {
        throw InvalidArgumentException("Class '" + className + "' is already registered differently.");
    }
}

bool IsClassRegistered(const std::string& className) { return Classes().count(className) != 0; }

WindowFactory WindowFactoryOf(const std::string& className) {
    const auto it = Classes().find(className);
    return it != Classes().end() ? it->second.factory : nullptr;
}

bool ClassHandlesEvent(const std::string& className, const std::string& eventName) {
    const auto& classes = Classes();
    // Bounded walk: a base is always registered before its subclass, so the chain cannot loop.
    for (auto it = classes.find(className); it != classes.end(); it = classes.find(it->second.base)) {
        const auto& events = it->second.events;
        if (std::binary_search(events.begin(), events.end(), eventName)) return true;
        if (it->second.base.empty()) break;
    }
    return false;
}

bool RuntimeIsEventHandled(const void* object, const std::string& className, const std::string& eventName,
                           bool userClass) {
    if (object == nullptr) throw NilObjectException("The event query was made on a nil object.");
    return userClass && ClassHandlesEvent(className, eventName);
}

namespace detail {
void RegisterFrameworkClasses() {
    RegisterClass("Object", "", {});
    for (const char* name : {"Application", "Window", "Control", "MenuItem", "Picture", "RuntimeException"}) {
        RegisterClass(name, "Object", {});
    }
    for (const char* name : {"RectControl", "Timer"}) RegisterClass(name, "Control", {});
    for (const char* name : {"Label", "TextField", "TextArea", "PushButton", "Canvas"}) {
        RegisterClass(name, "RectControl", {});
    }
    for (const char* name : {"MenuBar", "QuitMenuItem", "PrefsMenuItem"}) RegisterClass(name, "MenuItem", {});
}
} // namespace detail

} // namespace fw
