// Window: the frame and its layout, the property table's effects on Qt, construction with its
// events, controls by name, menu handlers, and closing (after which the framework destroys the
// window once no handler is running).
#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "framework/Control.h"
#include "framework/MenuBar.h"
#include "framework/RectControl.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/DefaultMenuCommands.h"
#include "framework/detail/MenuPresenter.h"
#include "framework/detail/Numbers.h"
#include "framework/detail/QtText.h"
#include "framework/detail/Shortcut.h"
#include "framework/detail/WindowFrame.h"
#include "framework/detail/WindowRegistry.h"

#include <QApplication>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

namespace fw {

struct Window::Impl {
    std::string className;
    detail::WindowFrame* frame = nullptr; // owned; deleted last
    QVBoxLayout* layout = nullptr;
    QWidget* content = nullptr;
    std::shared_ptr<fw::MenuBar> menuBar;
    QMenuBar* qtMenuBar = nullptr; // child of frame while shown
    std::unique_ptr<detail::MenuPresenter> presenter;
    std::unique_ptr<detail::MenuPresenter> appShortcuts; // the application's, while no bar of its own shows
    std::vector<std::unique_ptr<Control>> controls;      // creation order
    std::map<std::string, std::function<bool()>> menuHandlers;
    QPointer<QWidget> editFocus; // the control that last had the focus, menu bar aside
    bool constructed = false;
    bool closing = false;
    bool closed = false;
    bool placed = false;
};

namespace {

void RequireNonNegative(const PropertyValue& value, const char* name) {
    if (value.As<std::int64_t>() < 0) throw InvalidArgumentException(std::string(name) + " cannot be negative.");
}

// What the platform shows for a Title: an empty one would be replaced by the application's name,
// so no title text is shown as a blank.
QString ShownTitle(const std::string& title) { return title.empty() ? QStringLiteral(" ") : detail::ToQt(title); }

int MenuBarHeight(QMenuBar* bar, int width) {
    if (bar == nullptr || bar->isHidden()) return 0;
    const int height = bar->heightForWidth(std::max(width, bar->minimumWidth()));
    return height > 0 ? height : bar->sizeHint().height();
}

// What the standard Edit commands act on: the focused control, or, while the menu bar holds the
// focus for keyboard navigation, the control that had it before.
QWidget* EditTarget(QWidget* frame, QWidget* lastFocus) {
    QWidget* focus = frame->focusWidget();
    return qobject_cast<QMenuBar*>(focus) != nullptr ? lastFocus : focus;
}

} // namespace

Window::Window(std::string className) : d_(std::make_unique<Impl>()) {
    RequireUiThread();
    if (!IsClassRegistered(className)) throw InvalidArgumentException("Class '" + className + "' is not registered.");
    d_->className = std::move(className);
    d_->frame = new detail::WindowFrame(*this);
    d_->layout = new QVBoxLayout(d_->frame);
    d_->layout->setContentsMargins(0, 0, 0, 0);
    d_->layout->setSpacing(0);
    d_->content = new QWidget(d_->frame);
    d_->layout->addWidget(d_->content);
    QObject::connect(qApp, &QApplication::focusChanged, d_->frame, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == d_->frame && qobject_cast<QMenuBar*>(now) == nullptr)
            d_->editFocus = now;
    });
    DeclareProperties();
    d_->frame->setWindowTitle(ShownTitle(""));
    ApplyFlags();
    ApplyGeometry();
}

Window::~Window() {
    d_->closed = true;
    for (auto& control : d_->controls) control->Closing();
    delete d_->qtMenuBar; // before the presenter its actions call into
    d_->qtMenuBar = nullptr;
    d_->presenter.reset();
    d_->appShortcuts.reset();
    d_->controls.clear();
    delete d_->frame;
}

void Window::DeclareProperties() {
    const Apply flags = [this](const PropertyValue&) { ApplyFlags(); };
    const Apply background = [this](const PropertyValue&) { ApplyBackground(); };
    struct Size {
        const char* name;
        int initial;
    };
    for (const Size size : {Size{"Width", 300}, Size{"Height", 300}, Size{"MinimumWidth", 64},
                            Size{"MinimumHeight", 64}, Size{"MaximumWidth", 32000}, Size{"MaximumHeight", 32000}}) {
        Declare(size.name, size.initial, [this, name = size.name](const PropertyValue& value) {
            RequireNonNegative(value, name);
            ApplyGeometry();
        });
    }
    Declare("Type", 0, [this](const PropertyValue& value) {
        const auto type = value.As<std::int64_t>();
        if (type != 0 && type != 2) throw InvalidArgumentException("Window Type must be 0 or 2.");
        ApplyFlags();
        UpdateMenuBarWidget();
        ApplyGeometry();
    });
    Declare("Title", "",
            [this](const PropertyValue& value) { d_->frame->setWindowTitle(ShownTitle(value.As<std::string>())); });
    Declare("HasCloseButton", true, flags);
    Declare("HasMaximizeButton", true, flags);
    Declare("HasMinimizeButton", true, flags);
    Declare("HasFullScreenButton", false, flags);
    Declare("Resizeable", true, [this](const PropertyValue&) { ApplyGeometry(); });
    Declare("Composite", false);
    Declare("MacProcID", 0);
    Declare("LiveResize", true);
    Declare("FullScreen", false, [this](const PropertyValue& value) {
        if (!d_->constructed || !d_->frame->isVisible()) return;
        value.As<bool>() ? d_->frame->showFullScreen() : d_->frame->showNormal();
    });
    Declare("DefaultLocation", 0, [](const PropertyValue& value) {
        const auto code = value.As<std::int64_t>();
        if (code < 0 || code > 3) throw InvalidArgumentException("DefaultLocation must be 0 to 3.");
    });
    Declare("Visible", true, [this](const PropertyValue& value) {
        if (!d_->constructed) return; // shown at the end of Constructor
        value.As<bool>() ? Show() : Hide();
    });
    Declare("HasBackgroundColor", false, background);
    Declare("BackgroundColor", Color{0xFFFFFF}, background);
    Declare("MenuBarVisible", true, [this](const PropertyValue&) {
        UpdateMenuBarWidget();
        ApplyGeometry();
    });
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags = (Stored<std::int64_t>("Type") == 2 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowCloseButtonHint, Stored<bool>("HasCloseButton"));
    flags.setFlag(Qt::WindowMinimizeButtonHint, Stored<bool>("HasMinimizeButton"));
    flags.setFlag(Qt::WindowMaximizeButtonHint, Stored<bool>("HasMaximizeButton"));
    flags.setFlag(Qt::WindowFullscreenButtonHint, Stored<bool>("HasFullScreenButton"));
    const bool wasVisible = d_->frame->isVisible();
    d_->frame->setWindowFlags(flags);
    if (wasVisible) d_->frame->show(); // Qt hides a window whose flags change
}

void Window::ApplyGeometry() {
    const int width = detail::ClampToInt(Stored<std::int64_t>("Width"), 0, QWIDGETSIZE_MAX);
    const int height = detail::ClampToInt(Stored<std::int64_t>("Height"), 0, QWIDGETSIZE_MAX);
    if (!Stored<bool>("Resizeable")) {
        d_->layout->setSizeConstraint(QLayout::SetFixedSize);
        d_->content->setFixedSize(width, height);
        return;
    }
    d_->layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    d_->content->setMinimumSize(detail::ClampToInt(Stored<std::int64_t>("MinimumWidth"), 0, QWIDGETSIZE_MAX),
                                detail::ClampToInt(Stored<std::int64_t>("MinimumHeight"), 0, QWIDGETSIZE_MAX));
    d_->content->setMaximumSize(detail::ClampToInt(Stored<std::int64_t>("MaximumWidth"), 0, QWIDGETSIZE_MAX),
                                detail::ClampToInt(Stored<std::int64_t>("MaximumHeight"), 0, QWIDGETSIZE_MAX));
    d_->frame->resize(width, height + MenuBarHeight(d_->qtMenuBar, width));
}

void Window::ApplyBackground() {
    const bool filled = Stored<bool>("HasBackgroundColor");
    d_->content->setAutoFillBackground(filled);
    if (!filled) return;
    QPalette palette = d_->content->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Stored<Color>("BackgroundColor").rgb));
    d_->content->setPalette(palette);
}

void Window::UpdateMenuBarWidget() {
    const bool wanted = d_->menuBar && Stored<std::int64_t>("Type") != 2;
    if (d_->qtMenuBar != nullptr && (!wanted || !d_->presenter->Shows(*d_->menuBar))) {
        d_->layout->setMenuBar(nullptr);
        delete d_->qtMenuBar;
        d_->qtMenuBar = nullptr;
        d_->presenter.reset();
    }
    const auto callbacks = [this] {
        return detail::MenuPresenter::Callbacks{[this](const MenuItem& item) { return MenuItemEnabled(item); },
                                                [this](const MenuItem& item) { ChooseMenuItem(item); }};
    };
    if (wanted && d_->qtMenuBar == nullptr) {
        d_->qtMenuBar = new QMenuBar(d_->frame);
        d_->layout->setMenuBar(d_->qtMenuBar);
        d_->presenter = std::make_unique<detail::MenuPresenter>(d_->menuBar, d_->qtMenuBar, callbacks());
    }
    if (d_->qtMenuBar != nullptr) d_->qtMenuBar->setHidden(!Stored<bool>("MenuBarVisible"));

#ifndef Q_OS_MACOS // where macOS shows the application's menu bar itself, shortcuts included
    // A window that shows no menu bar of its own answers the shortcuts of the application's.
    const Application* app = RuntimeAppObject();
    std::shared_ptr<fw::MenuBar> shared;
    if (app != nullptr && (d_->qtMenuBar == nullptr || d_->qtMenuBar->isHidden())) shared = app->MenuBar();
    if (!shared) {
        d_->appShortcuts.reset();
    } else if (!d_->appShortcuts || !d_->appShortcuts->Shows(*shared)) {
        d_->appShortcuts.reset();
        d_->appShortcuts = std::make_unique<detail::MenuPresenter>(shared, d_->frame, callbacks());
    }
#endif
}

void Window::ApplyTabOrder() {
    std::vector<RectControl*> stops;
    for (const auto& control : d_->controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect != nullptr && (rect->Widget()->focusPolicy() & Qt::TabFocus) != 0) stops.push_back(rect);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const RectControl* a, const RectControl* b) {
        return a->Property("TabIndex").As<std::int64_t>() < b->Property("TabIndex").As<std::int64_t>();
    });
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
    if (!stops.empty() && d_->frame->focusWidget() == nullptr) stops.front()->Widget()->setFocus(Qt::TabFocusReason);
}

void Window::TabOrderChanged() {
    if (d_->constructed) ApplyTabOrder();
}

// DefaultLocation: 0 leaves the place to the platform, 1 centres on the active window,
// 2 centres on the main screen, 3 staggers from the active window by 30 pixels.
void Window::Place() {
    const auto code = Stored<std::int64_t>("DefaultLocation");
    if (code == 0) return;
    d_->layout->activate();
    QWidget* active = QApplication::activeWindow();
    if (active == d_->frame) active = nullptr;
    const QSize size = d_->frame->size();
    QScreen* screen = d_->frame->screen() != nullptr ? d_->frame->screen() : QGuiApplication::primaryScreen();
    const QPoint screenCentre =
        screen != nullptr ? screen->availableGeometry().center() : QPoint(size.width(), size.height());
    QPoint topLeft = screenCentre - QPoint(size.width() / 2, size.height() / 2);
    if (code == 1 && active != nullptr)
        topLeft = active->geometry().center() - QPoint(size.width() / 2, size.height() / 2);
    if (code == 3 && active != nullptr) topLeft = active->pos() + QPoint(30, 30);
    d_->frame->move(topLeft);
}

const std::string& Window::ClassName() const noexcept { return d_->className; }

bool Window::Handles(const char* eventName) const { return IsEventImplemented(eventName); }

bool Window::IsEventImplemented(const std::string& eventName) const {
    return RuntimeIsEventHandled(this, d_->className, eventName, true);
}

void Window::Constructor() {
    RequireUiThread();
    if (d_->constructed) throw InvalidArgumentException(Describe() + " is already constructed.");
    detail::HandlerScope scope;
    if (Handles("Layout")) Layout();
    if (Handles("CreateControls")) CreateControls();
    ApplyTabOrder();
    for (std::size_t i = 0; i < d_->controls.size(); ++i) d_->controls[i]->Opened();
    if (Handles("AddMenuHandlers")) AddMenuHandlers(*this);
    UpdateMenuBarWidget(); // the application's shortcuts for a window that set no menu bar
    d_->constructed = true;
    RefreshMenus();
    if (Stored<bool>("Visible")) Show();
}

void Window::Show() {
    RequireUiThread();
    if (d_->closed) return;
    if (!d_->placed) {
        Place();
        d_->placed = true;
    }
    // In front means restored too: a minimised window is brought back.
    if (d_->frame->isMinimized()) d_->frame->setWindowState(d_->frame->windowState() & ~Qt::WindowMinimized);
    if (Stored<bool>("FullScreen")) {
        d_->frame->showFullScreen();
    } else {
        d_->frame->show();
    }
    d_->frame->raise();
    d_->frame->activateWindow();
    Store("Visible", true);
}

void Window::Hide() {
    RequireUiThread();
    d_->frame->hide();
    Store("Visible", false);
}

void Window::Close() {
    RequireUiThread();
    DeliverUserClose();
}

void Window::DeliverUserClose() {
    if (d_->closing || d_->closed) return;
    d_->closing = true;
    if (Handles("Close")) detail::RunHandler([this] { Event_Close(); });
    Discard();
    if (detail::EventLoopRunning() && !detail::AnyOpenWindowVisible()) Quit(0);
}

bool Window::IsClosed() const noexcept { return d_->closed; }

void Window::Discard() {
    d_->closed = true;
    for (auto& control : d_->controls) control->Closing();
    d_->frame->hide();
    detail::DiscardWindow(*this); // destroyed later, once no handler runs
}

bool Window::DeliverKey(const std::string& key) {
    if (d_->closed || !Handles("KeyDown")) return false;
    bool dropped = false;
    detail::RunHandler([&] { dropped = Event_KeyDown(key); });
    return dropped;
}

void Window::DeliverMouseDown(std::int64_t x, std::int64_t y) {
    if (d_->closed || !Handles("MouseDown")) return;
    detail::RunHandler([&] { Event_MouseDown(x, y); });
}

bool Window::Event_KeyDown(const std::string& key) {
    (void)key;
    return false;
}

bool Window::Event_MouseDown(std::int64_t x, std::int64_t y) {
    (void)x;
    (void)y;
    return false;
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
    RequireUiThread();
    if (menuBar) detail::CheckShortcutsUnique(*menuBar);
    d_->menuBar = std::move(menuBar);
    UpdateMenuBarWidget();
    ApplyGeometry();
}

std::shared_ptr<fw::MenuBar> Window::MenuBar() const {
    RequireUiThread();
    return d_->menuBar;
}

Control& Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
    RequireUiThread();
    if (!control) throw NilObjectException("AddControl was given a nil control.");
    if (&control->Owner() != this) throw InvalidArgumentException(control->Describe() + " belongs to another window.");
    if (name.empty() || ControlByName(name) != nullptr) {
        throw InvalidArgumentException(Describe() + " cannot take a control named '" + name + "'.");
    }
    control->Store("Name", name);
    Control& added = *control;
    d_->controls.push_back(std::move(control));
    if (d_->constructed) {
        ApplyTabOrder();
        // A control made after construction opens on the next turn of the event loop, once its
        // table has been applied.
        QMetaObject::invokeMethod(
            d_->frame,
            [this, &added] {
                if (!d_->closed) detail::RunHandler([&] { added.Opened(); });
            },
            Qt::QueuedConnection);
    }
    return added;
}

Control* Window::ControlByName(const std::string& name) const {
    RequireUiThread();
    for (const auto& control : d_->controls) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

void Window::RenameControl(Control& control, const std::string& newName) {
    // Called once the control's Name already holds the new name.
    const bool registered = std::any_of(d_->controls.begin(), d_->controls.end(),
                                        [&](const auto& candidate) { return candidate.get() == &control; });
    const bool taken = std::any_of(d_->controls.begin(), d_->controls.end(), [&](const auto& other) {
        return other.get() != &control && other->Name() == newName;
    });
    if (registered && (newName.empty() || taken)) {
        throw InvalidArgumentException(Describe() + " cannot rename a control to '" + newName + "'.");
    }
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    RequireUiThread();
    if (handler) {
        d_->menuHandlers[itemName] = std::move(handler);
    } else {
        d_->menuHandlers.erase(itemName);
    }
    RefreshMenus();
}

bool Window::MenuItemEnabled(const MenuItem& item) const {
    RequireUiThread();
    if (d_->closed) return false;
    if (!item.AutoEnabled() || d_->menuHandlers.count(item.Name()) != 0) return true;
    return detail::DefaultMenuEnabled(item, EditTarget(d_->frame, d_->editFocus));
}

void Window::ChooseMenuItem(const MenuItem& item) {
    RequireUiThread();
    if (d_->closed) return;
    bool handled = false;
    if (auto it = d_->menuHandlers.find(item.Name()); it != d_->menuHandlers.end()) {
        const auto handler = it->second; // the handler may replace its own registration
        if (!detail::RunHandler([&] { handled = handler(); })) return;
    }
    if (!handled && !d_->closed) detail::PerformDefaultMenuCommand(item, EditTarget(d_->frame, d_->editFocus));
    RefreshMenus();
}

void Window::RefreshMenus() {
    if (d_->closed) return;
    if (d_->presenter) d_->presenter->Refresh();
    if (d_->appShortcuts) d_->appShortcuts->Refresh();
}

bool Window::ClaimsShortcut(const QKeySequence& sequence) {
    if (d_->closed) return false;
    return (d_->presenter && d_->presenter->ClaimsShortcut(sequence)) ||
           (d_->appShortcuts && d_->appShortcuts->ClaimsShortcut(sequence));
}

QWidget* Window::Widget() const noexcept { return d_->frame; }
QWidget* Window::Content() const noexcept { return d_->content; }

QAction* Window::MenuAction(const std::string& itemName) const {
    return d_->presenter ? d_->presenter->ActionFor(itemName) : nullptr;
}

std::string Window::Describe() const { return "Window '" + d_->className + "'"; }

Window* GetImplicitWindow(const std::string& className) {
    RequireUiThread();
    return detail::FindOpenWindow(className);
}

Window& ImplicitWindow(const std::string& className) {
    if (Window* open = GetImplicitWindow(className)) return *open;
    const WindowFactory factory = WindowFactoryOf(className);
    if (factory == nullptr) throw InvalidArgumentException("Class '" + className + "' has no window factory.");
    std::unique_ptr<Window> window = factory();
    // Another class would never be found again, and every call would build one more window.
    if (window->ClassName() != className) {
        throw InvalidArgumentException("The factory of class '" + className + "' builds " + window->Describe() + ".");
    }
    return detail::ConstructAdopted(std::move(window));
}

namespace detail {
Window& ConstructAdopted(std::unique_ptr<Window> window) {
    RequireUiThread();
    Window& adopted = AdoptWindow(std::move(window));
    try {
        adopted.Constructor();
    } catch (...) {
        adopted.Discard();
        throw;
    }
    return adopted;
}
} // namespace detail

} // namespace fw
