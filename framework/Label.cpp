// Label on QLabel, plain text only, aligned to the top of its box.
#include "framework/Label.h"

#include "framework/UiThread.h"
#include "framework/detail/QtText.h"

#include <QLabel>

namespace fw {

Label::Label(Window& owner) : RectControl(owner, new QLabel, false), label_(static_cast<QLabel*>(Widget())) {
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    Declare("Value", "",
            [this](const PropertyValue& value) { label_->setText(detail::ToQtLines(value.As<std::string>())); });
    Declare("Multiline", false, [this](const PropertyValue& value) { label_->setWordWrap(value.As<bool>()); });
    Declare("Selectable", false, [this](const PropertyValue& value) {
        label_->setTextInteractionFlags(value.As<bool>() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    });
    DeclareColor("TextColor", QPalette::WindowText, Color{0x000000});
    DeclareTextAlignment([this](Qt::Alignment horizontal) { label_->setAlignment(horizontal | Qt::AlignTop); });
    Declare("DataField", "");
    Declare("DataSource", "");
    DeclareFont();
    UpdateFocusPolicy();
}

std::string Label::Text() const {
    RequireUiThread();
    return Stored<std::string>("Value");
}

void Label::SetText(const std::string& text) { SetProperty("Value", text); }

Qt::FocusPolicy Label::FocusPolicyFor(bool) const { return Qt::NoFocus; }

} // namespace fw
