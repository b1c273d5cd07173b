// A program on the framework for the real-desktop tests, for what Kestrow itself cannot be made
// to show from outside. argv[1] names what it does:
//   box TEXT  shows TEXT in the framework's message box and ends with 0 once it is dismissed;
//   faces     starts as Kestrow does, opens its windows and a message box, and prints one line per
//             piece of the interface, "window class, Qt class, text: face", with the face Qt
//             really draws it in on this desktop (which may differ from the face asked for).
#include "app/Startup.h"
#include "experiment/ControlWnd.h"
#include "framework/Alerts.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/detail/WindowRegistry.h"
#include "help/helpWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <iostream>
#include <string>

namespace {

void PrintFace(const std::string& where, const QWidget& widget, const QString& text) {
    std::cout << where << ", " << widget.metaObject()->className() << ", " << text.toStdString() << ": "
              << QFontInfo(widget.font()).family().toStdString() << std::endl;
}

void PrintFaces(const std::string& where, const QWidget& top) {
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            PrintFace(where, *bar, {});
            for (const QAction* action : bar->actions()) {
                if (action->menu() != nullptr) PrintFace(where, *action->menu(), action->text());
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            PrintFace(where, *label, label->text());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            PrintFace(where, *field, field->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            PrintFace(where, *button, button->text());
        } else if (widget->inherits("QPlainTextEdit")) {
            PrintFace(where, *widget, {});
        }
    }
}

void Faces() {
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    kestrow::EarlyStartup();
    fw::RunFrameworkInitialization(&kestrow::LateStartup);
    PrintFaces("AboutWnd.AboutWnd", *fw::detail::FindOpenWindow("AboutWnd.AboutWnd")->Widget());
    PrintFaces("ControlWnd.ControlWnd", *kestrow::ControlWnd().Widget());
    PrintFaces("helpWnd.helpWnd", *kestrow::helpWnd().Widget());
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            PrintFaces("message box", *box);
            box->close();
        }
    });
    reader.start(10);
    fw::MsgBox("The total number of balls can range from 2-100.\r");
}

} // namespace

int main(int argc, char** argv) {
    const std::string road = argc > 1 ? argv[1] : "";
    const std::string text = argc > 2 ? argv[2] : "";
    fw::RuntimeInit(argc, argv);
    if (road == "faces") {
        Faces();
    } else if (road == "box") {
        fw::RuntimePerformInitializers({});
        fw::RunFrameworkInitialization([&text] {
            QTimer::singleShot(0, [&text] {
                fw::MsgBox(text);
                fw::Quit(0);
            });
        });
        fw::RuntimeRun();
    } else {
        std::cerr << "probe: unknown road '" << road << "'" << std::endl;
        fw::Quit(2);
    }
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
