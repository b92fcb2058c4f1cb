// Sizes and places of the screen and window captures.
#pragma once

#include <cstdint>
#include <optional>

namespace zorbel {

struct CapturePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const CapturePoint&) const = default;
};

struct CaptureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const CaptureSize&) const = default;
};

struct CaptureRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const CaptureRect&) const = default;
};

// A screen copy needs at least 2 x 2 pixels.
bool isCapturableSize(std::int32_t width, std::int32_t height);

// Where the window capture's thumbnail host goes: beyond the right and bottom edges of the virtual
// screen (whose left and top are never above 0, so its size plus a margin is always outside).
CapturePoint thumbnailHostPosition(std::int32_t virtualScreenWidth, std::int32_t virtualScreenHeight);

// The thumbnail's source size measured at the monitor's DPI, at the window's DPI. Unknown DPIs
// (0 or less) leave it as it is; nothing when the result is not a usable size.
std::optional<CaptureSize> thumbnailSizeAtWindowDpi(CaptureSize source, std::int32_t windowDpi, std::int32_t monitorDpi);

// The rectangle Capture Desktop Foreground copies: the shell window's frame bounds, else its
// window rectangle, else (no shell window at all) the virtual screen.
CaptureRect desktopForegroundRect(const std::optional<CaptureRect>& frameBounds,
                                  const std::optional<CaptureRect>& windowRect, const CaptureRect& virtualScreen);

} // namespace zorbel
