// A hidden message-only window of the window-control subsystem: the wheel hook and the Close
// Forcibly worker post to it, and the work they ask for runs in its window procedure on the GUI
// thread, outside the hook procedure.
#pragma once

#include <windows.h>

namespace zorbel {

inline constexpr UINT kWheelWorkMessage = WM_APP + 0x31;      // wheel steps are waiting
inline constexpr UINT kEndTaskFailedMessage = WM_APP + 0x32;  // wParam: the error of EndTask
inline constexpr wchar_t kControlWindowClass[] = L"Zorbel!_Window_Control";

// Created on first use, on the calling (GUI) thread; null when it cannot be created.
HWND windowControlWindow();
void destroyWindowControlWindow();

} // namespace zorbel
