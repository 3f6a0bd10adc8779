// The desktop program: the runtime and the program's start routine.

#include <exception>

#include "app/main_window.h"
#include "platform/qt/fatal_error.h"
#include "platform/qt/qt_runtime.h"

int main(int argc, char** argv) {
    morvane::InstallFatalErrorHandling();
    morvane::QtRuntime runtime(argc, argv);
    try {
        return morvane::StartProgram(runtime);
    } catch (...) {
        morvane::EndWithFatalError(std::current_exception());
    }
}
