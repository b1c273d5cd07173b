#include "AppTest.h"

#include "app/Startup.h"
#include "framework/Alerts.h"
#include "framework/Cast.h"
#include "framework/Picture.h"
#include "framework/RectControl.h"
#include "framework/Timer.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

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

QWidget* AppTest::WidgetOf(const fw::Window& window, const std::string& controlName) {
    auto* control = dynamic_cast<fw::RectControl*>(window.ControlByName(controlName));
    EXPECT_NE(control, nullptr) << "no visible control named " << controlName;
    return control != nullptr ? control->Widget() : nullptr;
}

void AppTest::StopAboutTimer() {
    fw::NotNil(OpenWindow("AboutWnd.AboutWnd")).ControlAs<fw::Timer>("Timer1").SetProperty("RunMode", 0);
}

QWidget* AppTest::Focused(const fw::Window& window, const std::string& controlName) {
    QWidget* widget = WidgetOf(window, controlName);
    if (widget != nullptr) widget->setFocus(Qt::MouseFocusReason);
    return widget;
}

QAction* AppTest::MenuCommand(const fw::Window& window, const QString& menu, const QString& item) {
    const auto* bar = window.Widget()->findChild<QMenuBar*>();
    for (const QAction* title : bar != nullptr ? bar->actions() : QList<QAction*>{}) {
        if (title->text() != menu || title->menu() == nullptr) continue;
        for (QAction* action : title->menu()->actions()) {
            if (action->text() == item) return action;
        }
    }
    ADD_FAILURE() << "no menu command " << menu.toStdString() << " > " << item.toStdString();
    return nullptr;
}

void AppTest::Press(QWidget* widget, QPoint at) {
    if (at.isNull()) at = widget->rect().center();
    QPointer<QWidget> target(widget);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    // The press may have hidden or closed the widget's window; a user's release then goes elsewhere.
    if (target && target->isVisible()) QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
}
