// A window's frame: the vertical layout of menu bar and content area, and what the window's
// properties set on them (Window declares the properties and calls in after each change).
#include "framework/detail/FrameLayout.h"

#include "framework/PropertyHolder.h"
#include "framework/Window.h"
#include "framework/detail/Numbers.h"
#include "framework/detail/QtText.h"

#include <QApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace fw::detail {
namespace {

int MenuBarHeight(const QWidget* bar, int width) {
    if (bar == nullptr || bar->isHidden()) return 0;
    const int height = bar->heightForWidth(std::max(width, bar->minimumWidth()));
    return height > 0 ? height : bar->sizeHint().height();
}

} // namespace

FrameLayout::FrameLayout(const PropertyHolder& window, QWidget* frame)
    : window_(window), frame_(frame), layout_(new QVBoxLayout(frame)), content_(new QWidget(frame)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(content_);
}

std::int64_t FrameLayout::Integer(const std::string& name) const { return window_.Property(name).As<std::int64_t>(); }

bool FrameLayout::Boolean(const std::string& name) const { return window_.Property(name).As<bool>(); }

void FrameLayout::ApplyTitle() {
    // An empty title would be replaced by the application's name, so no title text is shown as a blank.
    const std::string title = window_.Property("Title").As<std::string>();
    frame_->setWindowTitle(title.empty() ? QStringLiteral(" ") : ToQt(title));
}

void FrameLayout::ApplyFlags() {
    Qt::WindowFlags flags = (Integer("Type") == Window::kDialogType ? Qt::Dialog : Qt::Window) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowCloseButtonHint, Boolean("HasCloseButton"));
    flags.setFlag(Qt::WindowMinimizeButtonHint, Boolean("HasMinimizeButton"));
    flags.setFlag(Qt::WindowMaximizeButtonHint, Boolean("HasMaximizeButton"));
    flags.setFlag(Qt::WindowFullscreenButtonHint, Boolean("HasFullScreenButton"));
    const bool wasVisible = frame_->isVisible();
    frame_->setWindowFlags(flags);
    if (wasVisible) frame_->show();
}

void FrameLayout::ApplyGeometry() {
    const auto size = [this](const char* name) { return ClampToInt(Integer(name), 0, QWIDGETSIZE_MAX); };
    const int width = size("Width");
    const int height = size("Height");
    fittedBarHeight_ = MenuBarHeight(layout_->menuBar(), width);
    if (!Boolean("Resizeable")) {
        layout_->setSizeConstraint(QLayout::SetFixedSize);
        content_->setFixedSize(width, height);
        return;
    }
    layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    content_->setMinimumSize(size("MinimumWidth"), size("MinimumHeight"));
    content_->setMaximumSize(size("MaximumWidth"), size("MaximumHeight"));
    frame_->resize(width, height + fittedBarHeight_);
}

void FrameLayout::FitToMenuBar() {
    const int barHeight = MenuBarHeight(layout_->menuBar(), frame_->width());
    const int change = barHeight - fittedBarHeight_;
    fittedBarHeight_ = barHeight;
    // A fixed size is kept by the layout; a maximised or full-screen frame by the platform.
    if (change == 0 || !Boolean("Resizeable") || frame_->isMaximized() || frame_->isFullScreen()) return;
    frame_->resize(frame_->width(), frame_->height() + change);
}

void FrameLayout::ApplyBackground() {
    const bool filled = Boolean("HasBackgroundColor");
    content_->setAutoFillBackground(filled);
    if (!filled) return;
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(window_.Property("BackgroundColor").As<Color>().rgb));
    content_->setPalette(palette);
}

// DefaultLocation: 0 leaves the place to the platform, 1 centres on the active window,
// 2 centres on the main screen, 3 staggers from the active window by 30 pixels.
void FrameLayout::Place() {
    const auto code = Integer("DefaultLocation");
    if (code == 0) return;
    layout_->activate();
    QWidget* active = QApplication::activeWindow();
    if (active == frame_) active = nullptr;
    const QSize size = frame_->size();
    QScreen* screen = frame_->screen() != nullptr ? frame_->screen() : QGuiApplication::primaryScreen();
    const QPoint screenCentre =
        screen != nullptr ? screen->availableGeometry().center() : QPoint(size.width(), size.height());
    QPoint topLeft = screenCentre - QPoint(size.width() / 2, size.height() / 2);
    if (code == 1 && active != nullptr)
        topLeft = active->geometry().center() - QPoint(size.width() / 2, size.height() / 2);
    if (code == 3 && active != nullptr) topLeft = active->pos() + QPoint(30, 30);
    frame_->move(topLeft);
}

} // namespace fw::detail
