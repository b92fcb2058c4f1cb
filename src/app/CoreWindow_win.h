// The hidden core window: owner of the tray icon and its menu, receiver of the tray, shell-hook,
// hotkey and taskbar messages.
#pragma once

#include <windows.h>

namespace zorbel {

// The tray icon's callback message.
inline constexpr UINT kTrayCallbackMessage = 12501;
inline constexpr UINT_PTR kRebuildTimerId = 0;
inline constexpr wchar_t kCoreWindowTitle[] = L"Zorbel!_Core_Window";
inline constexpr wchar_t kCoreWindowClass[] = L"Zorbel!_Core_Window";

// The window ignores close requests; destroyed by anything but destroyCoreWindow(), it runs the
// exit routine, so the process never lives on without it.
[[nodiscard]] bool createCoreWindow(HINSTANCE instance);
HWND coreWindow();
// Takes the window down; for the exits.
void destroyCoreWindow();

// The values RegisterWindowMessageW gave for "TaskbarCreated" and "SHELLHOOK" (0 until registered).
// Call once the window exists.
[[nodiscard]] bool registerCoreMessages();
UINT taskbarCreatedMessage();
// True when the window lets "TaskbarCreated" through the message filter of an elevated process.
bool taskbarCreatedPassesMessageFilter();
UINT shellHookMessage();

} // namespace zorbel
