// Telling the user that a change to another program's window failed.
#pragma once

#include <windows.h>

#include "windows/WindowErrors.h"

namespace zorbel {

// The result of one attempt to change a window: on failure, the step that failed and the thread's
// last error right after it.
struct WindowChange {
    bool ok = true;
    FailedStep step = FailedStep::SystemCall;
    DWORD lastError = 0;

    static WindowChange success() { return {}; }
    static WindowChange failure(FailedStep step, DWORD lastError) { return {false, step, lastError}; }
};

// Shows the failure as a tray balloon: the system's text for the error; "The window is not
// responding." for a silent time-out; never an empty balloon and never a text of success.
void reportWindowFailure(const WindowChange& change);
// Reports a failed change and returns change.ok.
bool reportIfFailed(const WindowChange& change);

// While a sink is set, reports go to it instead of the tray (the tests watch them this way).
// Returns the sink set before.
using WindowFailureSink = void (*)(const FailureReport&);
WindowFailureSink setWindowFailureSink(WindowFailureSink sink);

} // namespace zorbel
