// The program's start routine and the one handler that runs before the loop.

#include "app/main_window.h"

namespace morvane {

int StartProgram(Runtime& runtime) {
    runtime.Initialize();
    // A window that failed to load leaves nothing alive, so the loop returns at
    // once and the program ends normally; there is nothing useful to add.
    runtime.LoadWindow(MainWindowDescription());
    runtime.RunMessageLoop();
    return 0;
}

void OnMainWindowCreated(MainWindow&) {}

}  // namespace morvane
