// The real program with one scripted user road, run by the tests as a child process to see how it
// ends. argv[1] names the road: "startup_fails", or "close_experiment" or "calculate", whose steps
// run from a timer on the event loop through real Qt events. The process ends as the program does
// (exit status from the runtime).
#include "app/Startup.h"
#include "experiment/ControlWnd.h"
#include "framework/Alerts.h"
#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "framework/detail/WindowRegistry.h"

#include <QTimer>
#include <QtTest/QTest>
#include <iostream>

namespace {

QWidget* Shown(const char* className) {
    const fw::Window* window = fw::detail::FindOpenWindow(className);
    return window != nullptr && window->Widget()->isVisible() ? window->Widget() : nullptr;
}

// The road "close_experiment", one step at each tick by what is on screen: a key hands the About
// window over, "?" brings up the help window, and with the help window still open the experiment
// window's close box must end the program by the experiment window's own Close.
void Step() {
    if (fw::IsQuitting()) return;
    QWidget* experiment = Shown("ControlWnd.ControlWnd");
    if (experiment != nullptr && Shown("helpWnd.helpWnd") != nullptr) {
        experiment->close();
    } else if (experiment != nullptr) {
        QWidget* help = kestrow::ControlWnd().helpBtn().Widget();
        QTest::mouseClick(help, Qt::LeftButton, Qt::NoModifier, help->rect().center());
    } else if (QWidget* about = Shown("AboutWnd.AboutWnd")) {
        QTest::keyClick(about->windowHandle(), Qt::Key_Space);
    }
}

// The road "calculate": once the About window has handed over, Clear, type 100, 50, 50, 1 and 1000
// into the five fields, press Calculate, print the results text on stdout and close the window.
void CalculateStep() {
    static bool pressed = false; // the experiment's yields run this timer again
    if (fw::IsQuitting() || pressed) return;
    if (QWidget* experiment = Shown("ControlWnd.ControlWnd")) {
        pressed = true;
        class kestrow::ControlWnd& window = kestrow::ControlWnd();
        const auto click = [](QWidget* widget) {
            QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        };
        click(window.clearBtn().Widget());
        for (const auto& [field, digits] : {std::pair{&window.totalFld(), "100"}, std::pair{&window.redFld(), "50"},
                                            std::pair{&window.greenFld(), "50"}, std::pair{&window.addFld(), "1"},
                                            std::pair{&window.repeatFld(), "1000"}}) {
            click(field->Widget());
            QTest::keyClicks(field->Widget(), QString::fromLatin1(digits));
        }
        click(window.calcBtn().Widget());
        std::cout << window.outFld().Text() << std::flush;
        experiment->close();
    } else if (QWidget* about = Shown("AboutWnd.AboutWnd")) {
        QTest::keyClick(about->windowHandle(), Qt::Key_Space);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string road = argc > 1 ? argv[1] : "";
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    fw::Picture::SetResourceFolder(KESTROW_TEST_RESOURCES);
    fw::SetMsgBoxHook([](const std::string& text) { std::cerr << "box: " << text << std::endl; });

    QTimer driver;
    QTimer::singleShot(20000, [] { // a road that did not end the program fails
        std::cerr << "The road did not end the program." << std::endl;
        fw::Quit(3);
    });
    if (road == "startup_fails") {
        // A second application object cannot be registered: the start-up fails inside NewAppInstance.
        fw::RuntimeRegisterAppObject(std::make_unique<fw::Application>());
    } else {
        // A step that throws ends the program with a failure.
        QObject::connect(&driver, &QTimer::timeout, road == "calculate" ? &CalculateStep : &Step);
        driver.start(10);
    }
    kestrow::Main();
    driver.stop();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
