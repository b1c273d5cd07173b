// A small program on the framework, run by the tests as a child process: argv[1] names how it
// ends, and the tests check the exit status and the report on stderr. Qt's own options follow it
// on the command line, and must change nothing.
#include "ProbeWindow.h"

#include <QApplication>
#include <QtGlobal>
#include <iostream>
#include <map>

namespace {

// Runs `step` from the event loop, as a timer of a window would.
void Soon(std::function<void()> step) {
    auto& timer = OpenWith({}, {}, {{"Visible", false}}).NewControl<fw::Timer>("Timer1");
    timer.Action.Bind([step](fw::Timer&) { step(); });
    fw::SetProperties(timer, {{"Period", 1}, {"RunMode", 1}});
}

const std::map<std::string, std::function<void()>> kScenarios = {
    {"quit_twice",
     [] {
         Soon([] {
             fw::Quit(3);
             fw::Quit(5);
         });
     }},
    {"quit_before_run", [] { fw::Quit(4); }},
    {"handler_throws", [] { Soon([] { throw fw::NilObjectException("the window is gone"); }); }},
    {"handler_throws_std", [] { Soon([] { throw std::runtime_error("plain failure"); }); }},
    {"quit_then_throw",
     [] {
         Soon([] {
             fw::Quit(0);
             throw fw::IllegalCastException("late");
         });
     }},
    // Hidden windows (Soon's among them) do not keep the program running.
    {"last_window_closed", [] { Soon([&window = OpenWith({}, {})] { window.Widget()->close(); }); }},
    {"qt_options",
     [] {
         const bool reversed = QApplication::isRightToLeft();
         const bool styled = !qApp->styleSheet().isEmpty();
         if (reversed) std::cerr << "laid out right to left" << std::endl;
         if (styled) std::cerr << "style sheet " << qApp->styleSheet().toStdString() << std::endl;
         fw::Quit(reversed || styled ? 2 : 0);
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
