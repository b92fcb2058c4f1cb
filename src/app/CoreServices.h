// The few services of the core that subsystems and tool windows use, so that they need none of
// the core's own files: the core window, the settings, balloons, the menu rebuild, the sound.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace zorbel::core {

// The hidden core window: owner of the tray icon, the clipboard and the global hotkeys.
HWND window();
// The settings in force, and writing them (with the monitor rules) to the settings file.
Settings& settings();
void saveSettings();
// A tray balloon with the system's own text for a Win32 error code or HRESULT (the code itself
// when the system has no text for it). A failure whose code is 0 is shown as
// ERROR_CAN_NOT_COMPLETE, never as success.
void reportSystemError(DWORD errorCode);
// The system's text for a Win32 error or HRESULT (or a text naming the code), shown nowhere.
std::u16string systemErrorText(DWORD errorCode);
// The tray balloon of a warning code.
void showBalloon(int warningCode);
// A tray balloon with a text of the program's own, for what no warning code covers.
void showBalloonText(std::u16string_view text);
// The message box of an error code; blocks until it is dismissed (any thread).
void showMessageBox(int errorCode);
// The tray menu shows something else now: rebuild it at the next timer tick.
void requestMenuRebuild();
// MessageBeep(MB_ICONEXCLAMATION) while sounds are on.
void notificationSound();
// The DPI the tray laid its menu images out for (the system DPI).
int systemDpi();

// Keeps the tray menu from being rebuilt for as long as it lives (a modal dialogue of a command).
class MenuRebuildHold {
public:
    MenuRebuildHold();
    ~MenuRebuildHold();
    MenuRebuildHold(const MenuRebuildHold&) = delete;
    MenuRebuildHold& operator=(const MenuRebuildHold&) = delete;
};

} // namespace zorbel::core
