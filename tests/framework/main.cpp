// Test main: runs the framework tests inside a runtime started the way a program starts it.
#include "../QuietOffscreen.h"
#include "framework/Framework.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QuietOffscreen();
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
