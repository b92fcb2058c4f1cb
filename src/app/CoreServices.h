// The few services of the core that subsystems and tool windows use, so that they need none of
// the core's own files: the core window, balloons, the menu rebuild, the sound and saving the
// settings.
#pragma once

#include <windows.h>

namespace zorbel::core {

// The hidden core window: owner of the tray icon and of the global hotkeys.
HWND window();
// A tray balloon with the system's own text for a Win32 error code (the code itself when the
// system has no text for it).
void reportSystemError(DWORD errorCode);
// The tray balloon of a warning code.
void showBalloon(int warningCode);
// The tray menu shows something else now: rebuild it at the next timer tick.
void requestMenuRebuild();
// MessageBeep(MB_ICONEXCLAMATION) while sounds are on.
void notificationSound();
// Writes the settings and the monitor rules to the settings file.
void saveSettings();

} // namespace zorbel::core
