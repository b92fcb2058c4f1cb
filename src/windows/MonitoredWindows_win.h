// The "Monitored Windows" tool window: the window monitor's rules, one row each, to copy and
// remove.
#pragma once

#include <windows.h>

namespace zorbel {

inline constexpr wchar_t kMonitoredWindowsClass[] = L"Zorbel!_Monitored_Windows";
inline constexpr wchar_t kMonitoredWindowsTitle[] = L"Monitored Windows";

// Opens the window, or does nothing when it is open.
void openMonitoredWindows();
// Shows the rules again after they changed elsewhere; nothing when the window is closed.
void refreshMonitoredWindows();
// The open window, or null.
HWND monitoredWindowsWindow();

} // namespace zorbel
