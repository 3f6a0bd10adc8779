#pragma once
// What the program's start routine needs of the desktop runtime.

#include "app/window_description.h"

namespace morvane {

class Runtime {
public:
    virtual ~Runtime() = default;
    // Per-program set-up: working directory, window descriptions read and bound.
    virtual void Initialize() = 0;
    // Builds the window hidden, runs its created handler, then shows it.
    // False when the window could not be created.
    virtual bool LoadWindow(const WindowDescription& description) = 0;
    // Returns when the last window of the program is gone (at once when none is alive).
    virtual void RunMessageLoop() = 0;
};

}  // namespace morvane
