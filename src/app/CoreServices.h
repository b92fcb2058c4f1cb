// The few services of the application core that the capture windows use. They include this
// header instead of the tray's own files.
#pragma once

#include <windows.h>

#include "settings/Settings.h"

namespace zorbel::core {

HWND coreWindow();
Settings& settings();
void saveSettings();
void requestMenuRebuild();
// The DPI the tray laid its menu images out for (the system DPI).
int systemDpi();

// The tray balloon of a warning code.
void showBalloon(int code);
// The system's text for a Win32 error code or HRESULT, as a balloon.
void reportSystemError(DWORD code);

// Keeps the tray menu from being rebuilt for as long as it lives (a modal dialogue of a command).
class MenuRebuildHold {
public:
    MenuRebuildHold();
    ~MenuRebuildHold();
    MenuRebuildHold(const MenuRebuildHold&) = delete;
    MenuRebuildHold& operator=(const MenuRebuildHold&) = delete;
};

} // namespace zorbel::core
