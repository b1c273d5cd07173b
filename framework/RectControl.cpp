// Shared behaviour of visible controls: geometry, visibility, focus policy, fonts, colours.
#include "framework/RectControl.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/Window.h"
#include "framework/detail/Numbers.h"
#include "framework/detail/QtText.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <cmath>

namespace fw {

namespace detail {

// Layouts were designed around Helvetica's and Courier's metrics; wider faces (DejaVu) would clip
// captions. Qt looks a family it does not have up among its substitutes, in order, and only then
// falls back to the platform's face of that kind.
void InstallInterfaceFaces() {
#ifdef Q_OS_MACOS
    QFont::insertSubstitution(QStringLiteral("System"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
#else
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                          QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    QFont::insertSubstitutions(QStringLiteral("Courier"), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                                           QStringLiteral("Courier New")});
#endif
    QFont face = QApplication::font(); // the platform's size
    face.setFamily(QStringLiteral("System"));
    QApplication::setFont(face);
}

} // namespace detail

RectControl::RectControl(Window& owner, QWidget* widget, bool tabStop) : Control(owner), widget_(widget) {
    widget_->setParent(owner.Content());
    const Apply geometry = [this](const PropertyValue&) { ApplyGeometry(); };
    Declare("Left", 0, geometry);
    Declare("Top", 0, geometry);
    Declare("Width", 100, geometry);
    Declare("Height", 22, geometry);
    Declare("Visible", true, [this](const PropertyValue& value) { widget_->setHidden(!value.As<bool>()); });
    Declare("Enabled", true, [this](const PropertyValue& value) { widget_->setEnabled(value.As<bool>()); });
    Declare("Tooltip", "",
            [this](const PropertyValue& value) { widget_->setToolTip(detail::ToQt(value.As<std::string>())); });
    Declare("TabStop", tabStop, [this](const PropertyValue&) { UpdateFocusPolicy(); });
    Declare("TabIndex", 0, [this](const PropertyValue&) { TabOrderChanged(); });
    for (const char* kept : {"Transparent", "AllowAutoDeactivate", "LockLeft", "LockTop", "LockRight", "LockBottom"}) {
        Declare(kept, false);
    }
    Declare("TabPanelIndex", 0);
    Declare("InitialParent", "");
    ApplyGeometry();
    widget_->show(); // shown with the window, or at once when the window already is
}

RectControl::~RectControl() { delete widget_.data(); }

void RectControl::SetFocus() {
    RequireUiThread();
    widget_->setFocus(Qt::OtherFocusReason);
}

void RectControl::ApplyGeometry() {
    widget_->setGeometry(detail::ClampToInt(Stored<std::int64_t>("Left")),
                         detail::ClampToInt(Stored<std::int64_t>("Top")),
                         detail::ClampToInt(Stored<std::int64_t>("Width"), 0, QWIDGETSIZE_MAX),
                         detail::ClampToInt(Stored<std::int64_t>("Height"), 0, QWIDGETSIZE_MAX));
}

Qt::FocusPolicy RectControl::FocusPolicyFor(bool tabStop) const { return tabStop ? Qt::StrongFocus : Qt::ClickFocus; }

void RectControl::UpdateFocusPolicy() {
    widget_->setFocusPolicy(FocusPolicyFor(Stored<bool>("TabStop")));
    FocusPolicyChanged();
    TabOrderChanged();
}

void RectControl::DeclareFont() {
    const Apply font = [this](const PropertyValue&) { ApplyFont(); };
    Declare("FontName", "System", font);
    Declare("FontSize", 0.0F, [this](const PropertyValue& value) {
        if (!(value.As<float>() >= 0.0F) || !std::isfinite(value.As<float>())) {
            throw InvalidArgumentException(Describe() + ": FontSize must be a number of at least 0.");
        }
        ApplyFont();
    });
    Declare("FontUnit", 0, [this](const PropertyValue& value) {
        const auto unit = value.As<std::int64_t>();
        if (unit != 0 && unit != 1)
            throw InvalidArgumentException(Describe() + ": FontUnit must be 0 (points) or 1 (pixels).");
        ApplyFont();
    });
    Declare("Bold", false, font);
    Declare("Italic", false, font);
    Declare("Underline", false, font);
}

void RectControl::ApplyFont() {
    const auto& name = Stored<std::string>("FontName");
    QFont font(name.empty() ? QStringLiteral("System") : detail::ToQt(name));
    if (name == "Courier") {
        font.setStyleHint(QFont::Monospace); // where none of its substitutes is installed
        font.setFixedPitch(true);
    }
    const float size = Stored<float>("FontSize");
    if (size > 0.0F) {
        // Layouts are drawn on a 72-per-inch grid, where a point is one device-independent pixel;
        // Qt's points (1/72 inch at the screen's DPI) would make the text outgrow its controls.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    }
    font.setBold(Stored<bool>("Bold"));
    font.setItalic(Stored<bool>("Italic"));
    font.setUnderline(Stored<bool>("Underline"));
    widget_->setFont(font);
}

void RectControl::DeclareColor(const std::string& name, QPalette::ColorRole role, Color initial) {
    Declare(name, initial, [this, role](const PropertyValue& value) {
        QPalette palette = widget_->palette();
        palette.setColor(role, QColor::fromRgb(value.As<Color>().rgb));
        widget_->setPalette(palette);
    });
}

void RectControl::DeclareTextAlignment(std::function<void(Qt::Alignment)> apply) {
    Declare("TextAlignment", 0, [this, apply = std::move(apply)](const PropertyValue& value) {
        switch (value.As<std::int64_t>()) {
        case 0: apply(Qt::AlignLeading); break;
        case 1: apply(Qt::AlignTrailing); break;
        case 2: apply(Qt::AlignHCenter); break;
        default: throw InvalidArgumentException(Describe() + ": TextAlignment must be 0, 1 or 2.");
        }
    });
}

} // namespace fw
