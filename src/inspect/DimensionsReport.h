// The "Dimensions" tab of the information report: DPI, sizes and Desktop Window Manager
// attributes of one window, and the text of a single DWM attribute.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

// DwmGetWindowAttribute numbers the report knows.
enum class DwmAttribute : std::uint32_t {
    NcRenderingEnabled = 1,
    CaptionButtonBounds = 5,
    ExtendedFrameBounds = 9,
    Cloaked = 14,
    VisibleFrameBorderThickness = 37,
    SystemBackdropType = 38,
};

// What DwmGetWindowAttribute gave: on success (result 0) the value's 32-bit words, one for the
// numeric attributes and four (left, top, right, bottom) for the rectangles; otherwise the
// system's text for the result.
struct DwmReading {
    std::int32_t result = 0;
    std::u16string errorText;
    std::array<std::int32_t, 4> words{};
};

// "value\ncomment", or the error text when the reading failed.
std::u16string dwmAttributeText(DwmAttribute attribute, const DwmReading& reading);

struct ReportRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct DimensionsFacts {
    // The predefined awareness context (-1 ... -5) the window's context equals, or 0 for none;
    // then awarenessValue is the context's own value.
    std::int32_t awarenessContext = 0;
    std::int64_t awarenessValue = 0;
    std::optional<std::int32_t> hostingBehavior; // empty where the system cannot tell
    std::uint32_t dpiWindow = 0;
    std::uint32_t dpiMonitor = 0;
    std::uint32_t dpiSystem = 0;
    ReportRect window;
    ReportRect client;
    std::uint32_t borderWidth = 0;
    std::uint32_t borderHeight = 0;
    DwmReading captionButtonBounds;
    DwmReading extendedFrameBounds;
    DwmReading ncRenderingEnabled;
    std::optional<DwmReading> visibleFrameBorderThickness; // only from build 22000
    std::optional<DwmReading> systemBackdropType;          // only from build 22621
};

// The rows of the tab, each "label\nresult" or "label\nresult\ncomment".
std::vector<std::u16string> dimensionsRows(const DimensionsFacts& facts);

// The texts of the DPI-awareness and DPI-hosting rows.
std::u16string dpiAwarenessText(std::int32_t awarenessContext, std::int64_t awarenessValue);
std::u16string dpiHostingText(std::optional<std::int32_t> hostingBehavior);

// The scale in percent of a DPI, rounded to the nearest percent (0 for 0 dpi).
std::int32_t scalePercent(std::uint32_t dpi);
// A length in pixels at 100 %: rounded like MulDiv(length, 100, scale), -1 for a scale of 0.
std::int64_t unscaledLength(std::int64_t length, std::int32_t scale);


} // namespace zorbel
