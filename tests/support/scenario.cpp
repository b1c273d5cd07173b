// The real program with one scripted user road, run by the tests as a child process to see how it
// ends. argv[1] names the road; its steps run from a timer on the event loop, each once its
// condition holds, through real Qt events. The process ends as the program does (exit status from
// the runtime).
#include "app/Startup.h"
#include "experiment/ControlWnd.h"
#include "framework/Alerts.h"
#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "framework/detail/WindowRegistry.h"

#include <QTimer>
#include <QtTest/QTest>
#include <deque>
#include <iostream>
#include <map>
#include <stdexcept>

namespace {

struct Step {
    const char* waitShown; // the class of the window that must be on screen first
    std::function<void()> act;
};

std::deque<Step> gRoad;

QWidget* Shown(const char* className) {
    const fw::Window* window = fw::detail::FindOpenWindow(className);
    return window != nullptr && window->Widget()->isVisible() ? window->Widget() : nullptr;
}

void PressOn(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }

const std::map<std::string, std::deque<Step>> kRoads = {
    // The help window stays open, so only the experiment window's own Close ends the program.
    {"close_experiment",
     {{"AboutWnd.AboutWnd", [] { QTest::keyClick(Shown("AboutWnd.AboutWnd")->windowHandle(), Qt::Key_Space); }},
      {"ControlWnd.ControlWnd", [] { PressOn(kestrow::ControlWnd().helpBtn().Widget()); }},
      {"helpWnd.helpWnd", [] { kestrow::ControlWnd().Widget()->close(); }}}},
};

void RunReadySteps() {
    while (!gRoad.empty() && !fw::IsQuitting() && Shown(gRoad.front().waitShown) != nullptr) {
        const Step step = gRoad.front();
        gRoad.pop_front();
        step.act(); // a step that throws ends the program with a failure
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
        gRoad = kRoads.at(road);
        QObject::connect(&driver, &QTimer::timeout, &RunReadySteps);
        driver.start(10);
    }
    kestrow::Main();
    driver.stop();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
