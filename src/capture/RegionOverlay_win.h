// The region capture overlay: a faint top-most window over the whole virtual screen that owns the
// mouse while the user drags out a rectangle, which is then captured. GUI thread only.
#pragma once

#include <windows.h>

#include <optional>

namespace zorbel {

inline constexpr wchar_t kRegionOverlayTitle[] = L"Capture Window";

// Opens the overlay. False when it is already open or could not be created.
bool startRegionCapture();
// Opens the magnifier beside the open overlay; nothing when pMagnifyWindow is off.
void openMagnifier();
// "Enable Region Capture" and the capture hotkey's start: the overlay, then its magnifier.
void beginRegionCapture();
// The capture hotkey: closes an open overlay, otherwise begins a region capture.
void toggleRegionCapture();

// The program or the session ends: the overlay closes and the user's mouse speed comes back at
// once, even while a capture's save dialogue keeps the overlay itself open a moment longer.
void closeRegionCaptureForExit();

HWND regionOverlayWindow();
bool isPrecisionModeOn();

// How precision mode reads the system mouse speed and sets it (SPI_GETMOUSESPEED, and
// SPI_SETMOUSESPEED with SPIF_SENDCHANGE). Tests put their own in place: Wine stores 0 for any
// speed that is set, so only the calls show what the program gave back.
struct MouseSpeedAccess {
    std::optional<int> (*read)() = nullptr;
    bool (*write)(int speed) = nullptr;
};
// Puts access in place (an empty member: the system's own) and returns what was in place.
MouseSpeedAccess replaceMouseSpeedAccess(MouseSpeedAccess access);

} // namespace zorbel
