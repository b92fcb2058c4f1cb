// The TopMost hotkey's action on one window.
#pragma once

#include <windows.h>

namespace zorbel {

// Makes the window TopMost, or releases it when it has WS_EX_TOPMOST already. A window that
// does not answer within 100 ms is left alone; every failure is shown with the system's text.
// The window monitor's rules are not touched. True when the Z-order changed.
[[nodiscard]] bool toggleTopMostFromHotkey(HWND window);

} // namespace zorbel
