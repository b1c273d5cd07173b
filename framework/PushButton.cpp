// PushButton on QPushButton. A caption's "&" would give the button a keyboard shortcut, so it is
// removed again for buttons that are not tab stops.
#include "framework/PushButton.h"

#include "framework/UiThread.h"
#include "framework/detail/PushButtonWidget.h"
#include "framework/detail/QtText.h"

namespace fw {

PushButton::PushButton(Window& owner)
    : RectControl(owner, new detail::PushButtonWidget, false),
      button_(static_cast<detail::PushButtonWidget*>(Widget())) {
    button_->setAutoDefault(false);
    button_->onPress = [this](const QPoint& at) {
        if (!MouseDown.IsBound()) return false;
        bool taken = false;
        RunEventHandler([&] { taken = MouseDown.Raise(*this, at.x(), at.y()); });
        return taken;
    };
    Declare("Caption", "", [this](const PropertyValue&) { ApplyCaption(); });
    Declare("Default", false);
    Declare("Cancel", false);
    Declare("MacButtonStyle", 0);
    DeclareFont();
    UpdateFocusPolicy();
}

void PushButton::ApplyCaption() {
    button_->setText(detail::ToQt(Stored<std::string>("Caption")));
    if (!Stored<bool>("TabStop")) button_->setShortcut(QKeySequence());
}

std::string PushButton::Caption() const {
    RequireUiThread();
    return Stored<std::string>("Caption");
}

void PushButton::SetCaption(const std::string& caption) { SetProperty("Caption", caption); }

QPushButton* PushButton::Button() const noexcept { return button_; }

Qt::FocusPolicy PushButton::FocusPolicyFor(bool tabStop) const { return tabStop ? Qt::StrongFocus : Qt::NoFocus; }

void PushButton::FocusPolicyChanged() { ApplyCaption(); }

} // namespace fw
