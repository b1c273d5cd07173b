#include "AppTest.h"

#include "framework/Alerts.h"
#include "framework/Control.h"
#include "framework/Picture.h"
#include "framework/RectControl.h"
#include "framework/detail/WindowRegistry.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

void AppTest::SetUp() {
    fw::SetMsgBoxHook([this](const std::string& text) { boxes.push_back(text); });
    fw::SetBeepHook([this] { ++beeps; });
    fw::detail::DestroyAllWindows();
    kestrow::MakeDefaultView();
}

void AppTest::TearDown() {
    // Destroyed without their Close events: closing the experiment window would quit.
    fw::detail::DestroyAllWindows();
    fw::SetMsgBoxHook([](const std::string& text) { ADD_FAILURE() << "Unexpected message box: " << text; });
    fw::SetBeepHook(nullptr);
    fw::Picture::SetResourceFolder(KESTROW_TEST_RESOURCES);
}

void AppTest::ShowActive(fw::Window& window) {
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
}

QWidget* AppTest::WidgetOf(const fw::Window& window, const std::string& controlName) {
    auto* control = dynamic_cast<fw::RectControl*>(window.ControlByName(controlName));
    EXPECT_NE(control, nullptr) << "no visible control named " << controlName;
    return control != nullptr ? control->Widget() : nullptr;
}

void AppTest::Press(const fw::Window& window, const std::string& controlName) {
    if (QWidget* widget = WidgetOf(window, controlName)) Press(widget);
}

void AppTest::Press(QWidget* widget, QPoint at) {
    if (at.isNull()) at = widget->rect().center();
    QPointer<QWidget> target(widget);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    // The press may have hidden or closed the widget's window; a user's release then goes elsewhere.
    if (target && target->isVisible()) QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
}

void AppTest::Type(const fw::Window& window, const std::string& controlName, const std::string& text) {
    QWidget* widget = WidgetOf(window, controlName);
    if (widget == nullptr) return;
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(widget, QString::fromStdString(text));
}

void AppTest::Key(const fw::Window& window, const std::string& controlName, Qt::Key key) {
    QWidget* widget = WidgetOf(window, controlName);
    if (widget == nullptr) return;
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget, key);
}

fw::Window* AppTest::OpenWindow(const std::string& className) { return fw::detail::FindOpenWindow(className); }

bool AppTest::IsShown(const std::string& className) {
    const fw::Window* window = OpenWindow(className);
    return window != nullptr && window->Widget()->isVisible();
}

std::vector<std::string> AppTest::ShownWindows() {
    std::vector<std::string> shown;
    for (const fw::Window* window : fw::detail::OpenWindows()) {
        if (window->Widget()->isVisible()) shown.push_back(window->ClassName());
    }
    return shown;
}

bool AppTest::IsActive(const std::string& className) {
    const fw::Window* window = OpenWindow(className);
    return window != nullptr && QApplication::activeWindow() == window->Widget();
}
