// The few services of the application core that the other subsystems use. A subsystem includes
// this header instead of the tray's own files.
#pragma once

#include <windows.h>

namespace zorbel::core {

// The tray menu is rebuilt at the next timer tick.
void requestMenuRebuild();
// Shows the system's own text for a Win32 error code as a tray balloon. False when the system has
// no text for the code; nothing is shown then.
bool showSystemError(DWORD errorCode);
// Shows the tray balloon of a warning code.
void showBalloon(int warningCode);
// Writes the settings and the monitor rules to the settings file.
void saveSettings();

} // namespace zorbel::core
