#include "capture/CaptureGeometry.h"

#include "app/DpiLayout.h"

namespace zorbel {
namespace {

constexpr std::int32_t kHostMargin = 10;

bool usable(const std::optional<CaptureRect>& rect) {
    return rect && isCapturableSize(rect->width(), rect->height());
}

} // namespace

bool isCapturableSize(std::int32_t width, std::int32_t height) { return width > 1 && height > 1; }

CapturePoint thumbnailHostPosition(std::int32_t virtualScreenWidth, std::int32_t virtualScreenHeight) {
    return {virtualScreenWidth + kHostMargin, virtualScreenHeight + kHostMargin};
}

std::optional<CaptureSize> thumbnailSizeAtWindowDpi(CaptureSize source, std::int32_t windowDpi, std::int32_t monitorDpi) {
    if (source.width <= 0 || source.height <= 0) return std::nullopt;
    if (windowDpi <= 0 || monitorDpi <= 0) return source;
    const CaptureSize scaled{mulDiv(source.width, windowDpi, monitorDpi), mulDiv(source.height, windowDpi, monitorDpi)};
    if (scaled.width <= 0 || scaled.height <= 0) return std::nullopt;
    return scaled;
}

CaptureRect desktopForegroundRect(const std::optional<CaptureRect>& frameBounds,
                                  const std::optional<CaptureRect>& windowRect, const CaptureRect& virtualScreen) {
    if (usable(frameBounds)) return *frameBounds;
    if (usable(windowRect)) return *windowRect;
    return virtualScreen;
}

} // namespace zorbel
