// The magnifier beside the cursor during a region capture: its layout for a DPI, the square of
// screen pixels it enlarges, its two lines of text, where it goes, and its zoom value.
#pragma once

#include <cstdint>
#include <string>

#include "capture/CaptureGeometry.h"

namespace zorbel {

// The side, in 96-DPI pixels, of the square of screen pixels that is magnified.
inline constexpr int kDefaultMagnifierZoom = 55;
inline constexpr int kMinMagnifierZoom = 1;
inline constexpr int kMaxMagnifierZoom = 109;

struct MagnifierLayout {
    int dpi = 96;
    int side = 0;            // the window is side x side
    int boxSize = 0;         // t
    CaptureRect magnified;   // where the enlarged pixels go
    CaptureRect colourFrame; // the swatch's black frame (Rectangle's corners)
    CaptureRect swatch;      // the colour under the cursor
    CapturePoint centre;     // the enlarged cursor pixel
    int farDistance = 0;     // distances from the cursor
    int nearDistance = 0;
};

MagnifierLayout magnifierLayout(int dpi);

// The square of screen pixels shown for the cursor at p: an odd side, so that p is its middle.
CaptureRect magnifierSource(CapturePoint p, int zoom, int dpi);

// " Z= 50% ": the zoom in percent of life size, rounded.
std::u16string magnifierZoomText(int zoom);
// " X= 1 / Y= 1 ": screen coordinates counted from 1; negative ones as they are.
std::u16string magnifierPositionText(CapturePoint p);

// The window's top-left corner: below and to the right of the cursor, to its left near the
// monitor's right edge, above it near the bottom edge.
CapturePoint magnifierPosition(CapturePoint cursor, const CaptureRect& monitor, const MagnifierLayout& layout);

// The mouse wheel's effect on the zoom. A backward turn widens the square (less magnification),
// a forward turn narrows it, one step per notch. Turns of less than a notch (touchpads, smooth
// wheels) add up until they make one; a change of direction starts afresh.
class WheelZoom {
public:
    int apply(int zoom, int wheelDelta);

private:
    int pending_ = 0;
};

} // namespace zorbel
