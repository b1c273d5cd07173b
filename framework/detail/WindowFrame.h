// The Qt top-level widget of a Window: a menu bar (when shown) above the content area. It hands
// the window's own key presses, mouse presses and close requests to its Window.
#pragma once

#include "framework/detail/KeyText.h"

#include <QWidget>

namespace fw {
class Window;
}

namespace fw::detail {

class WindowFrame : public QWidget {
public:
    explicit WindowFrame(Window& owner);

    // The application's menu bar changed: the open windows that show none of their own take up
    // its shortcuts.
    static void ApplicationMenuBarChanged();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Window& owner_;
    KeyHooks hooks_;
};

} // namespace fw::detail
