// The region capture overlay: a faint top-most window over the whole virtual screen that owns the
// mouse while the user drags out a rectangle, which is then captured. GUI thread only.
#pragma once

#include <windows.h>

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

HWND regionOverlayWindow();
bool isPrecisionModeOn();

} // namespace zorbel
