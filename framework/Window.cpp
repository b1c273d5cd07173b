// Window: construction with its events, showing, closing (after which the framework destroys the
// window once no handler is running) and the property table. The frame's layout and what the
// properties set on it (FrameLayout), the menus (WindowMenus) and the controls by name
// (ControlList) are helpers that the window owns and drives.
#include "framework/Window.h"

#include "framework/ClassRegistry.h"
#include "framework/Control.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/detail/ControlList.h"
#include "framework/detail/FrameLayout.h"
#include "framework/detail/Shortcut.h"
#include "framework/detail/WindowFrame.h"
#include "framework/detail/WindowMenus.h"
#include "framework/detail/WindowRegistry.h"

#include <QMetaObject>

namespace fw {

struct Window::Impl {
    std::string className;
    detail::WindowFrame* frame = nullptr;             // owned; deleted last
    std::unique_ptr<detail::FrameLayout> frameLayout; // menu bar slot, content area, the properties' effects
    std::unique_ptr<detail::WindowMenus> menus;
    detail::ControlList controls;
    bool constructed = false;
    bool closing = false;
    bool closed = false;
    bool placed = false;
};

namespace {

void RequireNonNegative(const PropertyValue& value, const char* name) {
    if (value.As<std::int64_t>() < 0) throw InvalidArgumentException(std::string(name) + " cannot be negative.");
}

} // namespace

Window::Window(std::string className) : d_(std::make_unique<Impl>()) {
    RequireUiThread();
    if (!IsClassRegistered(className)) throw InvalidArgumentException("Class '" + className + "' is not registered.");
    d_->className = std::move(className);
    d_->frame = new detail::WindowFrame(*this);
    d_->frameLayout = std::make_unique<detail::FrameLayout>(*this, d_->frame);
    d_->menus = std::make_unique<detail::WindowMenus>(*this, d_->frame, d_->frameLayout->Layout());
    DeclareProperties();
    d_->frameLayout->ApplyTitle();
    d_->frameLayout->ApplyFlags();
    d_->frameLayout->ApplyGeometry();
}

Window::~Window() {
    d_->closed = true;
    for (const auto& control : d_->controls.All()) control->Closing();
    d_->menus.reset();
    d_->controls.Clear();
    delete d_->frame;
}

void Window::DeclareProperties() {
    const Apply flags = [this](const PropertyValue&) { d_->frameLayout->ApplyFlags(); };
    const Apply geometry = [this](const PropertyValue&) { d_->frameLayout->ApplyGeometry(); };
    const Apply background = [this](const PropertyValue&) { d_->frameLayout->ApplyBackground(); };
    struct Size {
        const char* name;
        int initial;
    };
    for (const Size size : {Size{"Width", 300}, Size{"Height", 300}, Size{"MinimumWidth", 64},
                            Size{"MinimumHeight", 64}, Size{"MaximumWidth", 32000}, Size{"MaximumHeight", 32000}}) {
        Declare(size.name, size.initial, [this, name = size.name](const PropertyValue& value) {
            RequireNonNegative(value, name);
            d_->frameLayout->ApplyGeometry();
        });
    }
    Declare("Type", kPlainType, [this](const PropertyValue& value) {
        const auto type = value.As<std::int64_t>();
        if (type != kPlainType && type != kDialogType) throw InvalidArgumentException("Window Type must be 0 or 2.");
        d_->frameLayout->ApplyFlags();
        UpdateMenuBarAndFitFrame();
    });
    Declare("Title", "", [this](const PropertyValue&) { d_->frameLayout->ApplyTitle(); });
    Declare("HasCloseButton", true, flags);
    Declare("HasMaximizeButton", true, flags);
    Declare("HasMinimizeButton", true, flags);
    Declare("HasFullScreenButton", false, flags);
    Declare("Resizeable", true, geometry);
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
    Declare("MenuBarVisible", true, [this](const PropertyValue&) { UpdateMenuBarAndFitFrame(); });
}

// The frame changes only as far as the window's own bar came, went or changed height: a size the
// user chose is kept, also when the application's bar is replaced.
void Window::UpdateMenuBarAndFitFrame() {
    d_->menus->Update(Stored<std::int64_t>("Type") != kDialogType, Stored<bool>("MenuBarVisible"));
    d_->frameLayout->FitToMenuBar();
}

void Window::TabOrderChanged() {
    if (d_->constructed) d_->controls.ApplyTabOrder(d_->frame);
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
    d_->controls.ApplyTabOrder(d_->frame);
    const auto& controls = d_->controls.All();
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->Opened();
    if (Handles("AddMenuHandlers")) AddMenuHandlers(*this);
    UpdateMenuBarAndFitFrame(); // the application's shortcuts for a window that set no menu bar
    d_->constructed = true;
    RefreshMenus();
    if (Stored<bool>("Visible")) Show();
}

void Window::Show() {
    RequireUiThread();
    if (d_->closed) return;
    if (!d_->placed) {
        d_->frameLayout->Place();
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
    for (const auto& control : d_->controls.All()) control->Closing();
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
    d_->menus->SetTree(std::move(menuBar));
    UpdateMenuBarAndFitFrame();
}

std::shared_ptr<fw::MenuBar> Window::MenuBar() const {
    RequireUiThread();
    return d_->menus->Tree();
}

Control& Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
    RequireUiThread();
    if (!control) throw NilObjectException("AddControl was given a nil control.");
    if (&control->Owner() != this) throw InvalidArgumentException(control->Describe() + " belongs to another window.");
    if (name.empty() || ControlByName(name) != nullptr) {
        throw InvalidArgumentException(Describe() + " cannot take a control named '" + name + "'.");
    }
    control->Store("Name", name);
    Control& added = d_->controls.Add(std::move(control));
    if (d_->constructed) {
        d_->controls.ApplyTabOrder(d_->frame);
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
    return d_->controls.Find(name);
}

void Window::RenameControl(Control& control, const std::string& newName) {
    // Called once the control's Name already holds the new name.
    if (d_->controls.Contains(control) && (newName.empty() || d_->controls.NameTaken(newName, control))) {
        throw InvalidArgumentException(Describe() + " cannot rename a control to '" + newName + "'.");
    }
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    RequireUiThread();
    d_->menus->SetHandler(itemName, std::move(handler));
    RefreshMenus();
}

bool Window::MenuItemEnabled(const MenuItem& item) const {
    RequireUiThread();
    return !d_->closed && d_->menus->Enabled(item);
}

void Window::ChooseMenuItem(const MenuItem& item) {
    RequireUiThread();
    if (d_->closed) return;
    bool handled = false;
    if (const auto handler = d_->menus->Handler(item.Name())) {
        if (!detail::RunHandler([&] { handled = handler(); })) return;
    }
    if (!handled && !d_->closed) d_->menus->PerformStandardCommand(item);
    RefreshMenus();
}

void Window::RefreshMenus() {
    if (!d_->closed) d_->menus->Refresh();
}

bool Window::ClaimsShortcut(const QKeySequence& sequence) { return !d_->closed && d_->menus->ClaimsShortcut(sequence); }

QWidget* Window::Widget() const noexcept { return d_->frame; }
QWidget* Window::Content() const noexcept { return d_->frameLayout->Content(); }
QAction* Window::MenuAction(const std::string& itemName) const { return d_->menus->ActionFor(itemName); }

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
