// The magnifier window that accompanies a region capture. The overlay drives it: it places and
// draws it on every mouse move, redraws it from its refresh timer, hides it during a capture and
// closes it with itself. GUI thread only.
#pragma once

#include <windows.h>

namespace zorbel {

inline constexpr wchar_t kMagnifierTitle[] = L"Magnify Window";
// The refresh timer runs on the overlay, which receives its WM_TIMER.
inline constexpr UINT_PTR kMagnifierTimerId = 1;
inline constexpr UINT kMagnifierTimerPeriodMs = 10;

// Creates the magnifier owned by overlay, beside the cursor, and starts the refresh timer on the
// overlay. False when the window could not be created (nothing else happens then).
bool openMagnifierWindow(HWND overlay);
// Stops the overlay's refresh timer and destroys the window.
void closeMagnifierWindow(HWND overlay);
HWND magnifierWindow();
bool magnifierTimerStarted();

// Moves the window beside the screen point and shows it.
void placeMagnifier(POINT p);
// Paints the enlarged pixels around the screen point, the swatch and the texts. drawCrosshair:
// the overlay's own crosshair is missing from screen copies, so the magnifier draws one.
void drawMagnifier(int zoom, POINT p, bool drawCrosshair);
void showMagnifier(bool show);

// The zoom value: 55 at start-up, kept from one region capture to the next, never saved.
int magnifierZoom();
// Applies a mouse-wheel turn to the zoom value and returns the new value.
int turnMagnifierWheel(int wheelDelta);

} // namespace zorbel
