// Layout arithmetic of the tool windows: everything is designed at 96 DPI and scaled to the
// window's DPI the way MulDiv scales.
#pragma once

#include <cstdint>

namespace zorbel {

// The DPI every layout is designed at (100 %).
inline constexpr std::int32_t kDesignDpi = 96;

// MulDiv: value * numerator / denominator in 64-bit arithmetic, rounded half away from zero;
// -1 for a zero denominator or a result that does not fit 32 bits.
std::int32_t mulDiv(std::int32_t value, std::int32_t numerator, std::int32_t denominator);

// A length designed at 96 DPI, at the given DPI.
inline std::int32_t scaleForDpi(std::int32_t value, std::int32_t dpi) { return mulDiv(value, dpi, kDesignDpi); }

// Cell height of an interface font of a point size at a DPI: at 96 DPI the pixel height of the
// point size is taken once more as a point size, so 8 pt gives 15 pixels; at any other DPI that
// height is scaled as the layout is (19 pixels at 120 DPI, 23 at 144).
std::int32_t interfaceFontCellHeight(std::int32_t points, std::int32_t dpi);

struct LayoutRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const LayoutRect&) const = default;
};

// Where a window of the given outer size goes to be centred in a monitor's work area.
LayoutRect centreInWorkArea(const LayoutRect& workArea, std::int32_t outerWidth, std::int32_t outerHeight);

// The DPI a window lays out with, from the thread's DPI awareness.
enum class DpiAwareness { Invalid = -1, Unaware = 0, SystemAware = 1, PerMonitorAware = 2 };
std::int32_t layoutDpi(DpiAwareness threadAwareness, std::int32_t systemDpi, std::int32_t windowDpi);

} // namespace zorbel
