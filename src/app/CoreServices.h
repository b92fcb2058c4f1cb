// The few services of the core that tool windows need, so that they include none of the tray's
// own files.
#pragma once

#include <windows.h>

#include <string>

namespace zorbel::core {

// A warning balloon on the tray icon, by warning code.
void showBalloon(int warningCode);
// The system's text for a Win32 error, shown as a balloon.
void showSystemError(DWORD errorCode);
// The system's text for a Win32 error or HRESULT (or the fallback text), shown nowhere.
std::u16string systemErrorText(DWORD errorCode);
// The program's one sound, played only while sounds are on.
void playWarningSound();

} // namespace zorbel::core
