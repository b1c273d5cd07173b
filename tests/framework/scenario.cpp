// A small program on the framework, run by the tests as a child process: argv[1] names how it
// ends, and the tests check the exit status and the report on stderr.
#include "ProbeWindow.h"

#include <QAction>
#include <QTimer>
#include <QtGlobal>
#include <iostream>
#include <map>

namespace {

// Runs `step` from the event loop, as a timer of a window would.
void Soon(std::function<void()> step) {
    ProbeWindow& window = OpenWith({}, {}, {{"Visible", false}});
    auto& timer = window.NewControl<fw::Timer>("Timer1");
    timer.Action.Bind([step](fw::Timer&) { step(); });
    fw::SetProperties(timer, {{"Period", 1}, {"RunMode", 1}});
}

const std::map<std::string, std::function<void()>> kScenarios = {
    {"quit-twice", [] { Soon([] { fw::Quit(3); fw::Quit(5); }); }},
    {"quit-before-run", [] { fw::Quit(4); }},
    {"handler-throws", [] { Soon([] { throw fw::NilObjectException("the window is gone"); }); }},
    {"handler-throws-std", [] { Soon([] { throw std::runtime_error("plain failure"); }); }},
    {"quit-then-throw", [] { Soon([] { fw::Quit(0); throw fw::IllegalCastException("late"); }); }},
    {"startup-throws", [] { throw fw::IllegalCastException("not a window"); }},
    {"last-window-closed",
     [] {
         ProbeWindow& window = OpenWith({}, {});
         OpenWith({}, {}, {{"Visible", false}}); // a hidden window does not keep the program running
         Soon([&window] { window.Widget()->close(); });
     }},
    {"quit-menu-default",
     [] {
         auto bar = std::make_shared<fw::MenuBar>();
         auto file = std::make_shared<fw::MenuItem>();
         file->SetName("FileMenu");
         file->SetValue("&File");
         bar->AddMenu(file);
         auto quit = std::make_shared<fw::QuitMenuItem>();
         quit->SetName("FileQuit");
         quit->SetValue("&Quit");
         quit->SetShortcut("Cmd+Q");
         file->AddMenu(quit);
         ProbeWindow& window = OpenWith({}, [bar](ProbeWindow& w) { w.SetMenuBar(bar); });
         Soon([&window] { window.MenuAction("FileQuit")->trigger(); });
     }},
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string scenario = argc > 1 ? argv[1] : "";
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers({});
    fw::SetMsgBoxHook([](const std::string& text) { std::cerr << "box: " << text << std::endl; });
    auto escaped = fw::CallFunctionWithExceptionHandling([&] {
        fw::RunFrameworkInitialization([&] { kScenarios.at(scenario)(); });
        fw::RuntimeRun();
    });
    if (escaped) fw::UnhandledException(escaped);
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
