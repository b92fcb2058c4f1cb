// What the region capture overlay knows between mouse events: the current point, the anchor of
// a selection, the rectangle being dragged, and what of it is drawn on the overlay. Points are
// overlay client coordinates.
#pragma once

#include <optional>
#include <vector>

#include "capture/CaptureGeometry.h"

namespace zorbel {

// What is drawn on the overlay; every figure inverts what is under it, so drawing a figure a
// second time removes it.
struct OverlayMarks {
    std::optional<CapturePoint> crosshair; // full-screen lines through the current point
    std::optional<CapturePoint> anchor;    // full-screen lines through the anchor
    std::optional<CaptureRect> selection;  // the pixels a release would capture
    bool operator==(const OverlayMarks&) const = default;
};

struct OverlayFigure {
    enum class Kind { Crosshair, Rectangle };
    Kind kind = Kind::Crosshair;
    CapturePoint point; // Crosshair
    CaptureRect rect;   // Rectangle
    bool operator==(const OverlayFigure&) const = default;
};

// The figures to draw (each inverting) to turn the overlay from showing before into showing after.
std::vector<OverlayFigure> figuresToToggle(const OverlayMarks& before, const OverlayMarks& after);
// Every figure of marks, for painting the overlay afresh.
std::vector<OverlayFigure> figuresOf(const OverlayMarks& marks);

class RegionSelection {
public:
    // The mouse is at p (the crosshair follows it).
    void moveTo(CapturePoint p);
    // Left button down at the current point: the first corner, or, when an anchor was left by an
    // earlier click, a selection from that anchor to here.
    void pressLeft();
    // Left button up: the rectangle to capture (right and bottom exclusive, both clicked pixels
    // inside) when it is at least 3 x 3 pixels; otherwise nothing, and the anchor stays for a
    // selection by a second click.
    std::optional<CaptureRect> releaseLeft();
    // Shift: forgets the anchor of a click when no drag is under way. True when there was one.
    bool dropAnchor();
    // After a capture: no selection, no anchor, no drag. The crosshair stays.
    void finishCapture();
    // The overlay closed: as finishCapture, and nothing is drawn any longer.
    void reset();

    OverlayMarks marks() const;
    bool dragging() const { return dragging_; }
    bool anchored() const { return anchor_.has_value(); }
    std::optional<CapturePoint> current() const { return current_; }

private:
    std::optional<CapturePoint> current_;
    std::optional<CapturePoint> anchor_;
    CapturePoint corner_; // the selection's first corner while dragging
    bool dragging_ = false;
};

// The smallest selection that is captured.
inline constexpr int kMinimumSelectionSide = 3;

// Precision mode slows the system mouse to its slowest speed and gives the user's speed back
// when it ends. It is on exactly while a speed is saved, so a speed that could not be read is
// never replaced (it could not be given back).
class PrecisionMode {
public:
    static constexpr int kSlowestSpeed = 1;
    static constexpr int kFastestSpeed = 20;

    bool active() const { return savedSpeed_ != 0; }
    // userSpeed: what the system said, nothing when it could not be read. True when the speed is
    // now to be set to the slowest (false: already on, or nothing to give back later).
    bool begin(std::optional<int> userSpeed);
    // The speed to give back, when precision mode was on.
    std::optional<int> end();

private:
    int savedSpeed_ = 0;
};

} // namespace zorbel
