// The real program with one scripted user road, run by the tests as a child process to see how it
// ends. argv[1] names the road; its steps run from a timer on the event loop, each once its
// condition holds, through real Qt events. The process ends as the program does (exit status from
// the runtime); a road that stalls ends it with 99.
#include "experiment/ControlWnd.h"
#include "framework/Alerts.h"
#include "framework/Application.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "framework/detail/WindowRegistry.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"

#include <QAction>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <QtTest/QTest>
#include <deque>
#include <functional>
#include <iostream>
#include <map>

namespace {

struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};

std::deque<Step> gRoad;

bool Shown(const char* className) {
    const fw::Window* window = fw::detail::FindOpenWindow(className);
    return window != nullptr && window->Widget()->isVisible();
}

QWidget* WindowWidget(const char* className) { return fw::detail::FindOpenWindow(className)->Widget(); }

void PressOn(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }

void PrintShownWindows() {
    std::cout << "shown:";
    for (const fw::Window* window : fw::detail::OpenWindows()) {
        if (window->Widget()->isVisible()) std::cout << ' ' << window->ClassName();
    }
    std::cout << std::endl;
}

const auto kAboutShown = [] { return Shown("AboutWnd.AboutWnd"); };
const auto kExperimentShown = [] { return Shown("ControlWnd.ControlWnd"); };
const auto kHelpShown = [] { return Shown("helpWnd.helpWnd"); };
const auto kClickAbout = [] { PressOn(WindowWidget("AboutWnd.AboutWnd")); };

const std::map<std::string, std::deque<Step>> kRoads = {
    // What the user sees at start; then ends by the File menu.
    {"start",
     {{kAboutShown,
       [] {
           PrintShownWindows();
           const fw::Application* app = fw::RuntimeAppObject();
           const bool shared = app != nullptr && app->MenuBar() && app->MenuBar() == kestrow::MenuBar1();
           std::cout << "application menu bar: " << (shared ? "MenuBar1" : "other") << std::endl;
           fw::Quit(0);
       }}}},
    {"file_quit",
     {{kAboutShown, kClickAbout},
      {kExperimentShown, [] { kestrow::ControlWnd().MenuAction("FileQuit")->trigger(); }}}},
    // The help window stays open, so only the experiment window's own Close ends the program.
    {"close_experiment",
     {{kAboutShown, [] { QTest::keyClick(WindowWidget("AboutWnd.AboutWnd")->windowHandle(), Qt::Key_Space); }},
      {kExperimentShown, [] { PressOn(kestrow::ControlWnd().helpBtn().Widget()); }},
      {kHelpShown, [] { kestrow::ControlWnd().Widget()->close(); }}}},
};

void RunReadySteps() {
    while (!gRoad.empty() && !fw::IsQuitting() && gRoad.front().ready()) {
        const Step step = gRoad.front();
        gRoad.pop_front();
        try {
            step.act();
        } catch (const std::exception& e) {
            std::cerr << "road step failed: " << e.what() << std::endl;
            fw::Quit(98);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string road = argc > 1 ? argv[1] : "";
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    fw::Picture::SetResourceFolder(KESTROW_TEST_RESOURCES);
    fw::SetMsgBoxHook([](const std::string& text) { std::cerr << "box: " << text << std::endl; });
    fw::SetBeepHook([] { std::cerr << "beep" << std::endl; });

    QTimer driver;
    QTimer stall;
    if (road == "startup_fails") {
        // A second application object cannot be registered: the start-up fails inside NewAppInstance.
        fw::RuntimeRegisterAppObject(std::make_unique<fw::Application>());
    } else {
        gRoad = kRoads.at(road);
        QObject::connect(&driver, &QTimer::timeout, &RunReadySteps);
        driver.start(10);
        QObject::connect(&stall, &QTimer::timeout, [] {
            std::cerr << "road stalled" << std::endl;
            fw::Quit(99);
        });
        stall.setSingleShot(true);
        stall.start(30000);
    }

    kestrow::Main();
    driver.stop();
    stall.stop();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
