// Message box and beep, real on Qt unless a test has installed its hooks.
#include "framework/Alerts.h"

#include "framework/UiThread.h"
#include "framework/detail/QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace fw {
namespace {

std::function<void(const std::string&)>& MsgBoxHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

std::function<void()>& BeepHook() {
    static std::function<void()> hook;
    return hook;
}

unsigned gModalSessions = 0;

void ShowRealBox(const std::string& text) {
    QString shown = detail::ToQtLines(text);
    if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
    QMessageBox box;
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText); // shown as given: nothing in a message is markup
    box.setText(shown);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void MsgBox(const std::string& text) {
    RequireUiThread();
    ++gModalSessions;
    if (MsgBoxHook()) {
        MsgBoxHook()(text);
    } else {
        ShowRealBox(text);
    }
}

void Beep() {
    RequireUiThread();
    if (BeepHook()) {
        BeepHook()();
    } else {
        QApplication::beep();
    }
}

void SetMsgBoxHook(std::function<void(const std::string&)> hook) {
    RequireUiThread();
    MsgBoxHook() = std::move(hook);
}

void SetBeepHook(std::function<void()> hook) {
    RequireUiThread();
    BeepHook() = std::move(hook);
}

namespace detail {
unsigned ModalSessionCount() noexcept { return gModalSessions; }
} // namespace detail

} // namespace fw
