// The application object: base of the program's application class. It carries the program's
// version data and the application's menu bar, and answers the framework's event query.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace fw {

class MenuBar;

class Application {
public:
    // `className` must be registered (RegisterClass) with "Application" or a subclass as its base.
    explicit Application(std::string className = "Application");
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::string& ClassName() const noexcept;
    // Whether the registered class handles the event (RuntimeIsEventHandled).
    virtual bool IsEventImplemented(const std::string& eventName) const;

    void _x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion, std::int64_t bugVersion,
                           std::int64_t nonReleaseVersion, std::int64_t stageCode, std::string longVersion,
                           std::string shortVersion, std::string packageInfo);
    std::int64_t MajorVersion() const noexcept;
    std::int64_t MinorVersion() const noexcept;
    std::int64_t BugVersion() const noexcept;
    std::int64_t NonReleaseVersion() const noexcept;
    std::int64_t StageCode() const noexcept;
    const std::string& LongVersion() const noexcept;
    const std::string& ShortVersion() const noexcept;
    const std::string& PackageInfo() const noexcept;

    // The application's menu bar: the same tree that windows install. It is checked like a window's
    // (no shared shortcuts) and offered where the platform has an application-wide menu bar (macOS),
    // where its commands go to the active window's handlers or the standard commands. Elsewhere a
    // window that shows no menu bar of its own answers its shortcuts, with the same effect.
    void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);
    std::shared_ptr<fw::MenuBar> MenuBar() const;

    // Qt 6 always scales for high-resolution displays; false takes effect only before RuntimeInit.
    static void SetSupportsHiDPI(bool supported);
    static bool SupportsHiDPI() noexcept;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace fw
