// Version data, the application-wide menu bar and the HiDPI switch. The menu bar is presented in a
// parentless QMenuBar, which macOS shows when the active window has no menu bar of its own; on other
// platforms such windows take up its shortcuts themselves (Window).
#include "framework/Application.h"

#include "framework/ClassRegistry.h"
#include "framework/MenuBar.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/Window.h"
#include "framework/detail/DefaultMenuCommands.h"
#include "framework/detail/MenuPresenter.h"
#include "framework/detail/Shortcut.h"
#include "framework/detail/WindowFrame.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>
#include <QMenuBar>
#include <QtGlobal>

namespace fw {
namespace {
bool gSupportsHiDPI = true;
} // namespace

struct Application::Impl {
    std::string className;
    std::int64_t major = 0, minor = 0, bug = 0, nonRelease = 0, stage = 0;
    std::string longVersion, shortVersion, packageInfo;
    std::shared_ptr<fw::MenuBar> menuBar;
    std::unique_ptr<QMenuBar> qtMenuBar;
    std::unique_ptr<detail::MenuPresenter> presenter;

    ~Impl() {
        qtMenuBar.reset(); // its actions call into the presenter
        presenter.reset();
    }
};

Application::Application(std::string className) : d_(std::make_unique<Impl>()) {
    RequireUiThread();
    if (!IsClassRegistered(className)) throw InvalidArgumentException("Class '" + className + "' is not registered.");
    d_->className = std::move(className);
}

Application::~Application() = default;

const std::string& Application::ClassName() const noexcept { return d_->className; }

bool Application::IsEventImplemented(const std::string& eventName) const {
    return RuntimeIsEventHandled(this, d_->className, eventName, true);
}

void Application::_x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion, std::int64_t bugVersion,
                                    std::int64_t nonReleaseVersion, std::int64_t stageCode, std::string longVersion,
                                    std::string shortVersion, std::string packageInfo) {
    d_->major = majorVersion;
    d_->minor = minorVersion;
    d_->bug = bugVersion;
    d_->nonRelease = nonReleaseVersion;
    d_->stage = stageCode;
    d_->longVersion = std::move(longVersion);
    d_->shortVersion = std::move(shortVersion);
    d_->packageInfo = std::move(packageInfo);
}

std::int64_t Application::MajorVersion() const noexcept { return d_->major; }
std::int64_t Application::MinorVersion() const noexcept { return d_->minor; }
std::int64_t Application::BugVersion() const noexcept { return d_->bug; }
std::int64_t Application::NonReleaseVersion() const noexcept { return d_->nonRelease; }
std::int64_t Application::StageCode() const noexcept { return d_->stage; }
const std::string& Application::LongVersion() const noexcept { return d_->longVersion; }
const std::string& Application::ShortVersion() const noexcept { return d_->shortVersion; }
const std::string& Application::PackageInfo() const noexcept { return d_->packageInfo; }

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
    RequireUiThread();
    if (menuBar) detail::CheckShortcutsUnique(*menuBar);
    d_->qtMenuBar.reset();
    d_->presenter.reset();
    d_->menuBar = std::move(menuBar);
    if (!d_->menuBar) {
        detail::WindowFrame::ApplicationMenuBarChanged();
        return;
    }
    d_->qtMenuBar = std::make_unique<QMenuBar>();
    // Commands go to the active window when it is one of ours, else to the standard commands.
    detail::MenuPresenter::Callbacks callbacks{
        [](const MenuItem& item) {
            if (Window* window = detail::FindWindowByWidget(QApplication::activeWindow()))
                return window->MenuItemEnabled(item);
            return detail::DefaultMenuEnabled(item, QApplication::focusWidget());
        },
        [](const MenuItem& item) {
            if (Window* window = detail::FindWindowByWidget(QApplication::activeWindow())) {
                window->ChooseMenuItem(item);
            } else {
                detail::PerformDefaultMenuCommand(item, QApplication::focusWidget());
            }
        }};
    d_->presenter = std::make_unique<detail::MenuPresenter>(d_->menuBar, d_->qtMenuBar.get(), std::move(callbacks));
    detail::WindowFrame::ApplicationMenuBarChanged();
}

std::shared_ptr<fw::MenuBar> Application::MenuBar() const { return d_->menuBar; }

void Application::SetSupportsHiDPI(bool supported) {
    gSupportsHiDPI = supported;
    if (!supported && QCoreApplication::instance() == nullptr) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

bool Application::SupportsHiDPI() noexcept { return gSupportsHiDPI; }

} // namespace fw
