// Control base: naming within the window and event dispatch through the runtime.
#include "framework/Control.h"

#include "framework/Runtime.h"
#include "framework/UiThread.h"
#include "framework/Window.h"

namespace fw {

Control::Control(Window& owner) : owner_(owner) {
    RequireUiThread();
    Declare("Name", "", [this](const PropertyValue& value) { owner_.RenameControl(*this, value.As<std::string>()); });
    Declare("Index", std::int64_t{-2147483648LL});
}

Control::~Control() = default;

const std::string& Control::Name() const { return Stored<std::string>("Name"); }

std::string Control::Describe() const { return ClassName() + " '" + Name() + "'"; }

bool Control::RunEventHandler(const std::function<void()>& handler) const {
    if (owner_.IsClosed()) return false;
    return detail::RunHandler(handler);
}

void Control::EditStateChanged() const { owner_.RefreshMenus(); }

bool Control::WindowClaimsShortcut(const QKeySequence& sequence) const { return owner_.ClaimsShortcut(sequence); }

void Control::TabOrderChanged() const { owner_.TabOrderChanged(); }

} // namespace fw
