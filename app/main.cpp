// Kestrow's entry: start the runtime, register the classes, run the program, finish.
#include "app/Startup.h"
#include "framework/Runtime.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kestrow::ProgramInitializers());
    kestrow::Main();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}
