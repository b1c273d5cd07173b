// Event routing from the Qt frame to its Window. Presses on labels and pictures reach the frame
// because those widgets ignore them; keys reach it when no control of the window has the focus.
// Screen readers are told that a frame is a window (a dialog for Type 2), named by its title;
// Qt would present a plain top-level QWidget as an anonymous filler.
#include "framework/detail/WindowFrame.h"

#include "framework/Window.h"
#include "framework/detail/WindowRegistry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMouseEvent>

namespace fw::detail {
namespace {

// The role follows the window's Type, which may change after the interface was made.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return (widget()->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog ? QAccessible::Dialog
                                                                             : QAccessible::Window;
    }
};

QAccessibleInterface* FrameAccessibleFactory(const QString& key, QObject* object) {
    (void)key;
    auto* frame = dynamic_cast<WindowFrame*>(object);
    return frame != nullptr ? new FrameAccessible(frame) : nullptr;
}

} // namespace

WindowFrame::WindowFrame(Window& owner)
    : QWidget(nullptr), owner_(owner), hooks_{[this](const std::string& key) { return owner_.DeliverKey(key); }, {}} {
    // The class name as the X11 window role, by which window managers tell the program's windows apart.
    setWindowRole(QString::fromStdString(owner.ClassName()));
    static const bool accessible = (QAccessible::installFactory(&FrameAccessibleFactory), true);
    (void)accessible;
}

void WindowFrame::ApplicationMenuBarChanged() {
    for (Window* window : OpenWindows()) window->UpdateMenuBarAndFitFrame();
}

bool WindowFrame::event(QEvent* event) {
    if (FilterKeyEvent(event, hooks_)) return true;
    return QWidget::event(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    owner_.DeliverUserClose();
}

void WindowFrame::mousePressEvent(QMouseEvent* event) {
    const QPoint at = owner_.Content()->mapFrom(this, event->position().toPoint());
    event->accept();
    owner_.DeliverMouseDown(at.x(), at.y());
}

} // namespace fw::detail
