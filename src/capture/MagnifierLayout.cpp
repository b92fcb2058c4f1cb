#include "capture/MagnifierLayout.h"

#include <cmath>
#include <string>

#include "app/DpiLayout.h"

namespace zorbel {
namespace {

constexpr int kSide = 110;
constexpr int kBoxSize = 20;
constexpr int kFar = 150;
constexpr int kNear = 30;
// A wheel turn of at least this much is one step (a notch is 120).
constexpr int kWheelStep = 100;

std::u16string decimalText(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

int clampZoom(int zoom) {
    return zoom < kMinMagnifierZoom ? kMinMagnifierZoom : zoom > kMaxMagnifierZoom ? kMaxMagnifierZoom : zoom;
}

} // namespace

MagnifierLayout magnifierLayout(int dpi) {
    MagnifierLayout layout;
    layout.dpi = dpi;
    const int w = scaleForDpi(kSide, dpi);
    const int t = scaleForDpi(kBoxSize, dpi);
    layout.side = w;
    layout.boxSize = t;
    layout.magnified = {1, 1, w - 1, w - 1};
    layout.colourFrame = {w - t, 2, w - 2, t + 2};
    layout.swatch = {w - t + 1, 3, w - t + 1 + (t - 4), 3 + (t - 2)};
    layout.centre = {w / 2, w / 2};
    layout.farDistance = scaleForDpi(kFar, dpi);
    layout.nearDistance = scaleForDpi(kNear, dpi);
    return layout;
}

CaptureRect magnifierSource(CapturePoint p, int zoom, int dpi) {
    int side = mulDiv(clampZoom(zoom), dpi, kDesignDpi);
    if (side < 1) side = 1;
    if (side % 2 == 0) ++side;
    return {p.x - side / 2, p.y - side / 2, p.x - side / 2 + side, p.y - side / 2 + side};
}

std::u16string magnifierZoomText(int zoom) {
    const long long percent = std::llround(static_cast<double>(zoom) * 100.0 / kMaxMagnifierZoom);
    return u" Z= " + decimalText(percent) + u"% ";
}

std::u16string magnifierPositionText(CapturePoint p) {
    const long long x = p.x >= 0 ? static_cast<long long>(p.x) + 1 : p.x;
    const long long y = p.y >= 0 ? static_cast<long long>(p.y) + 1 : p.y;
    return u" X= " + decimalText(x) + u" / Y= " + decimalText(y) + u" ";
}

CapturePoint magnifierPosition(CapturePoint cursor, const CaptureRect& monitor, const MagnifierLayout& layout) {
    CapturePoint at;
    at.x = cursor.x + layout.farDistance < monitor.right ? cursor.x + layout.nearDistance : cursor.x - layout.farDistance;
    if (cursor.y < monitor.top)
        at.y = cursor.y + layout.farDistance;
    else if (cursor.y + layout.farDistance < monitor.bottom)
        at.y = cursor.y + layout.nearDistance;
    else
        at.y = cursor.y - layout.farDistance;
    return at;
}

int WheelZoom::apply(int zoom, int wheelDelta) {
    if ((pending_ < 0 && wheelDelta > 0) || (pending_ > 0 && wheelDelta < 0)) pending_ = 0;
    pending_ += wheelDelta;
    if (pending_ <= -kWheelStep) {
        pending_ = 0;
        ++zoom; // backward: a wider square
    } else if (pending_ >= kWheelStep) {
        pending_ = 0;
        --zoom;
    }
    return clampZoom(zoom);
}

} // namespace zorbel
