// Test main of the application's GUI tests: starts the runtime as the program does, registers the
// program's classes and runs the early start-up once (application object, menu bar), headless
// unless a platform is chosen in the environment. Each test then opens its own first window.
#include "framework/Picture.h"
#include "framework/Runtime.h"
#include "shell/Startup.h"

#include <QtGlobal>
#include <gtest/gtest.h>

namespace {
QtMessageHandler gDefaultHandler = nullptr;

// The offscreen platform warns about window operations it does not implement; that is noise here.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    gDefaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gDefaultHandler = qInstallMessageHandler(QuietMessages);
    ::testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    // The test programs do not sit beside the program's resources folder.
    fw::Picture::SetResourceFolder(KESTROW_TEST_RESOURCES);
    kestrow::EarlyStartup();
    fw::RunFrameworkInitialization({});
    const int result = RUN_ALL_TESTS();
    fw::RuntimePerformFinalizers();
    fw::RuntimeExit();
    return result;
}
