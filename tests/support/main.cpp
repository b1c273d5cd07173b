// Test main of the application's GUI tests: starts the runtime as the program does, registers the
// program's classes and runs the early start-up once (application object, menu bar). Each test
// then opens its own first window.
#include "../QuietOffscreen.h"
#include "app/Startup.h"
#include "framework/Picture.h"
#include "framework/Runtime.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QuietOffscreen();
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
