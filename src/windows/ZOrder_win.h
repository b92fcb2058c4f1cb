// TopMost pinning and the one Z-order change that everything acting on another program's window
// uses, with the responsiveness test that runs before any such change.
#pragma once

#include <windows.h>

#include "windows/WindowFailures_win.h"

namespace zorbel {

inline constexpr UINT kResponsivenessTimeoutMs = 100;

// Whether a Z-order change may take the keyboard focus. SetWindowPos without SWP_NOACTIVATE
// activates the window, and an activated window goes to the top of its group: right for a pin the
// user chose, wrong for Move to Bottom and for re-pinning from the timer.
enum class Activation { Activate, KeepInactive };

// WM_NULL with SMTO_ABORTIFHUNG and a 100 ms limit. The wait still lets this thread answer
// messages sent to it (low-level hooks among them).
[[nodiscard]] WindowChange testResponsiveness(HWND hwnd);
// The same, telling the user when the window does not answer.
[[nodiscard]] bool isWindowResponsive(HWND hwnd);

// The responsiveness test, then SetWindowPos(insertAfter, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW)
// twice; the TopMost state is checked afterwards, so that a change the system quietly refused is
// not taken for a success. Sets the menu-rebuild flag on success. Reports nothing.
[[nodiscard]] WindowChange changeWindowZOrder(HWND hwnd, HWND insertAfter, Activation activation);
// The same, telling the user what failed.
[[nodiscard]] bool setWindowZOrder(HWND hwnd, HWND insertAfter, Activation activation = Activation::Activate);

bool isTopMost(HWND hwnd);

// The TopMost hotkey's change: releases a TopMost window, pins any other. The monitor rules are not
// touched. Returns whether the change was made (a failure has been reported).
bool toggleTopMost(HWND hwnd);

// The top-level window under the cursor's physical position, or null.
HWND rootWindowUnderCursor();

} // namespace zorbel
