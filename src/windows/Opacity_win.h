// Making another program's window translucent: a constant alpha through the layered style.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "windows/WindowFailures_win.h"

namespace zorbel {

// The level (in percent, 1..100; other values are clamped) on a window that has answered the
// responsiveness test. 100 removes WS_EX_LAYERED and repaints the window with its children;
// any other level sets WS_EX_LAYERED and the constant alpha. A window is never left layered
// without attributes (a layered window without them is not drawn at all): when the alpha cannot
// be set, the style goes back to what it was. A window that draws its own per-pixel alpha is not
// touched (FailedStep::DrawsOwnTransparency). Reports nothing.
[[nodiscard]] WindowChange applyWindowOpacity(HWND hwnd, int percent);
// The responsiveness test, then applyWindowOpacity; failures are reported once, as a balloon.
[[nodiscard]] bool setWindowOpacity(HWND hwnd, int percent);

// The window's constant alpha, or nothing when it is not layered or has no constant alpha.
std::optional<std::uint8_t> windowConstantAlpha(HWND hwnd);

} // namespace zorbel
