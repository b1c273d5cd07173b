// Test main: runs the framework tests inside a runtime started the way a program starts it, with a
// plain application object registered as a program registers its own.
#include "../QuietOffscreen.h"
#include "framework/Framework.h"

#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
    QuietOffscreen();
    ::testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers({});
    fw::RuntimeInitExternalClasses();
    fw::RuntimeRegisterAppObject(std::make_unique<fw::Application>());
    fw::RunFrameworkInitialization({});
    const int result = RUN_ALL_TESTS();
    fw::RuntimePerformFinalizers();
    fw::RuntimeExit();
    return result;
}
