// A program on the framework for the real-desktop tests, for what Kestrow itself cannot be made
// to show from outside: it starts as Kestrow does and opens its windows (the About window's timer
// stopped), then shows argv[1] in the framework's message box and ends with 0 once the box is
// dismissed. It prints one line per piece of the interface, "window class, Qt class: face", with
// the face Qt really draws it in on this desktop.
#include "about/AboutWnd.h"
#include "app/Startup.h"
#include "experiment/ControlWnd.h"
#include "framework/Alerts.h"
#include "framework/Runtime.h"
#include "help/helpWnd.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>
#include <iostream>

namespace {

void PrintFaces(const char* where, const QWidget& top) {
    const QStringList pieces{"QMenuBar", "QMenu", "QLabel", "QLineEdit", "QPushButton", "QPlainTextEdit"};
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        const char* piece = widget->metaObject()->className();
        if (!pieces.contains(QLatin1String(piece))) continue;
        std::cout << where << ", " << piece << ": " << QFontInfo(widget->font()).family().toStdString() << std::endl;
    }
}

} // namespace

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    kestrow::EarlyStartup();
    fw::RunFrameworkInitialization(&kestrow::LateStartup);
    kestrow::AboutWnd().Timer1().SetProperty("RunMode", 0);
    PrintFaces("AboutWnd.AboutWnd", *kestrow::AboutWnd().Widget());
    PrintFaces("ControlWnd.ControlWnd", *kestrow::ControlWnd().Widget());
    PrintFaces("helpWnd.helpWnd", *kestrow::helpWnd().Widget());
    QTimer boxShown;
    QObject::connect(&boxShown, &QTimer::timeout, [&boxShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            PrintFaces("message box", *box);
            boxShown.stop();
        }
    });
    boxShown.start(10);
    fw::MsgBox(argc > 1 ? argv[1] : "");
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
