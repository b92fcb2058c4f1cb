#include "capture/RegionSelection.h"

#include <algorithm>
#include <utility>

namespace zorbel {
namespace {

// Both corners inside: right and bottom one past the larger coordinate.
CaptureRect spanning(CapturePoint a, CapturePoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

OverlayFigure crosshairAt(CapturePoint p) { return {OverlayFigure::Kind::Crosshair, p, {}}; }
OverlayFigure rectangle(const CaptureRect& rect) { return {OverlayFigure::Kind::Rectangle, {}, rect}; }

template <typename Value, typename Make>
void toggleChanged(std::vector<OverlayFigure>& figures, const std::optional<Value>& before,
                   const std::optional<Value>& after, Make make) {
    if (before == after) return;
    if (before) figures.push_back(make(*before));
    if (after) figures.push_back(make(*after));
}

} // namespace

std::vector<OverlayFigure> figuresToToggle(const OverlayMarks& before, const OverlayMarks& after) {
    std::vector<OverlayFigure> figures;
    toggleChanged(figures, before.crosshair, after.crosshair, crosshairAt);
    toggleChanged(figures, before.anchor, after.anchor, crosshairAt);
    toggleChanged(figures, before.selection, after.selection, rectangle);
    return figures;
}

std::vector<OverlayFigure> figuresOf(const OverlayMarks& marks) { return figuresToToggle({}, marks); }

void RegionSelection::moveTo(CapturePoint p) { current_ = p; }

void RegionSelection::pressLeft() {
    const CapturePoint here = current_.value_or(CapturePoint{});
    if (anchor_) {
        corner_ = *anchor_;
    } else {
        anchor_ = here;
        corner_ = here;
    }
    dragging_ = true;
}

std::optional<CaptureRect> RegionSelection::releaseLeft() {
    if (!dragging_) return std::nullopt;
    const CaptureRect rect = spanning(corner_, current_.value_or(corner_));
    if (rect.width() < kMinimumSelectionSide || rect.height() < kMinimumSelectionSide) {
        dragging_ = false;
        return std::nullopt;
    }
    return rect;
}

bool RegionSelection::dropAnchor() {
    if (dragging_ || !anchor_) return false;
    anchor_.reset();
    return true;
}

void RegionSelection::finishCapture() {
    anchor_.reset();
    dragging_ = false;
}

void RegionSelection::reset() {
    finishCapture();
    current_.reset();
}

OverlayMarks RegionSelection::marks() const {
    OverlayMarks marks;
    marks.crosshair = current_;
    marks.anchor = anchor_;
    if (dragging_) marks.selection = spanning(corner_, current_.value_or(corner_));
    return marks;
}

bool PrecisionMode::begin(std::optional<int> userSpeed) {
    if (active() || !userSpeed || *userSpeed < kSlowestSpeed || *userSpeed > kFastestSpeed) return false;
    savedSpeed_ = *userSpeed;
    return true;
}

std::optional<int> PrecisionMode::end() {
    if (!active()) return std::nullopt;
    return std::exchange(savedSpeed_, 0);
}

} // namespace zorbel
