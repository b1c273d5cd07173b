// For the test programs: headless unless a platform is chosen in the environment, and without the
// offscreen platform's warnings about window operations it does not implement, which are noise here.
#pragma once

#include <QString>
#include <QtGlobal>

inline void QuietOffscreen() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support"))) previous(type, context, message);
    });
}
