// Test main: runs the framework tests inside a runtime started the way a program starts it,
// headless unless a platform is chosen in the environment.
#include "framework/Framework.h"

#include <QtGlobal>
#include <gtest/gtest.h>

namespace {
QtMessageHandler gDefaultHandler = nullptr;

// The offscreen platform warns about window operations it does not implement; that is noise here.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    gDefaultHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gDefaultHandler = qInstallMessageHandler(QuietMessages);
    ::testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers({});
    fw::RuntimeInitExternalClasses();
    fw::RunFrameworkInitialization({});
    const int result = RUN_ALL_TESTS();
    fw::RuntimePerformFinalizers();
    fw::RuntimeExit();
    return result;
}
