#include "app/DpiLayout.h"

#include <limits>

namespace zorbel {

std::int32_t mulDiv(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    magnitude = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<std::int32_t>(result);
}

std::int32_t interfaceFontCellHeight(std::int32_t points, std::int32_t dpi) {
    // The cell height at 96 DPI, scaled like every other length: rounding the pixel height at the
    // window's DPI first would make the font up to a tenth smaller than the design at 120 and
    // 144 DPI (17 and 21 pixels for 8 pt instead of 19 and 23), beside controls that did scale.
    return scaleForDpi(mulDiv(mulDiv(points, kDesignDpi, 72), 96, 72), dpi);
}

LayoutRect centreInWorkArea(const LayoutRect& workArea, std::int32_t outerWidth, std::int32_t outerHeight) {
    const std::int32_t left = workArea.left + (workArea.width() - outerWidth) / 2;
    const std::int32_t top = workArea.top + (workArea.height() - outerHeight) / 2;
    return {left, top, left + outerWidth, top + outerHeight};
}

std::int32_t layoutDpi(DpiAwareness threadAwareness, std::int32_t systemDpi, std::int32_t windowDpi) {
    switch (threadAwareness) {
    case DpiAwareness::SystemAware:
        return systemDpi;
    case DpiAwareness::PerMonitorAware:
        return windowDpi;
    default:
        return 96;
    }
}

} // namespace zorbel
