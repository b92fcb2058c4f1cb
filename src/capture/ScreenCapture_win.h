// The capture primitives and the tray menu's capture commands. Every capture ends in
// outputImage(); failures are shown as balloons.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/ImageOps.h"
#include "windows/WindowFailures_win.h"

namespace zorbel {

// Copies width x height pixels of the screen at (left, top) in virtual-screen coordinates and
// hands them on. False when the copy failed (reported with the system's text).
bool captureScreenRect(int width, int height, int left, int top);

// Captures one window by itself, frame included, even when other windows cover it: through a DWM
// thumbnail, or where the DWM cannot give one, by asking the window to print itself. A window that
// does not answer within 100 ms is not asked (PrintWindow waits for it without a time-out). False
// when neither worked (reported; a hung window as every other action on it reports it).
bool captureWindow(HWND window);

// Captures every monitor whose device name (\\.\DISPLAY1, ...) is exactly deviceName.
void captureDisplay(const std::u16string& deviceName);

// The tray menu's Capture Desktop Foreground (the screen with every window on it) and Background
// (the desktop window alone).
void captureDesktopForeground();
void captureDesktopBackground();

// The pieces, without handing anything on.
struct ScreenCopy {
    bool copied = false; // the screen copy succeeded (the image may still be invalid: no memory)
    DWORD error = 0;     // when it did not
    Image image;
};
ScreenCopy copyScreenRect(int width, int height, int left, int top);

struct WindowRendering {
    std::optional<Image> image; // when a rendering succeeded
    HRESULT dwmFailure = S_OK;  // the first failing DWM call's result, if any
    bool printedDirectly = false; // the window printed itself (no thumbnail)
    WindowChange responsiveness;  // not ok when the window was not asked to print: it did not answer
};
WindowRendering renderWindow(HWND window);

inline constexpr wchar_t kThumbnailHostTitle[] = L"Zorbel!_Capture_Window";

} // namespace zorbel
