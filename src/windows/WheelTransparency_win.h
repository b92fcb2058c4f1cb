// The wheel-transparency mode: while it is on, the mouse wheel over a window (other than a tool
// window) makes it more or less opaque, and a middle click ends the mode.
#pragma once

#include <windows.h>

namespace zorbel {

// True while the low-level mouse hook is installed (the tray menu offers "Disable Window
// Transparency" then).
bool wheelTransparencyOn();
// The tray menu's toggle. Returns whether the mode is on afterwards; a hook that cannot be
// installed is reported.
bool toggleWheelTransparencyMode();
// Ends the mode if it is on (region capture, exit). The hook handle is cleared even when the
// system refuses to remove the hook, so that the mode can always be turned on again.
void endWheelTransparencyMode();

// Runs the waiting wheel steps and a middle click's end of the mode; the control window calls it
// when the hook's message arrives.
void runWheelWork();

// How many wheel steps the hook took and how many it had to drop (the GUI thread fell behind).
struct WheelStatistics {
    unsigned long long batchesApplied = 0;
    unsigned long long stepsDropped = 0;
};
WheelStatistics wheelStatistics();

} // namespace zorbel
