#include "inspect/DimensionsReport.h"

#include "inspect/ReportText.h"

namespace zorbel {
namespace {

std::u16string rectText(std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom) {
    return u"Left: " + decimalText(left) + u", Right: " + decimalText(right) + u", Top: " + decimalText(top) +
           u", Bottom: " + decimalText(bottom);
}

std::u16string rectText(const ReportRect& r) { return rectText(r.left, r.right, r.top, r.bottom); }

std::u16string wordsRectText(const DwmReading& reading) {
    const auto& w = reading.words;
    return rectText(w[0], w[2], w[1], w[3]);
}

std::u16string unknownEnumeration(std::uint32_t value) { return unsignedDecimalText(value) + u"\nUnknown enumeration."; }

std::u16string cloakText(std::uint32_t value) {
    switch (value) {
    case 0: return u"NULL\nNot cloaked.";
    case 1: return u"DWM_CLOAKED_APP\nThe window was cloaked by its owner application.";
    case 2: return u"DWM_CLOAKED_SHELL\nThe window was cloaked by the Shell.";
    case 4: return u"DWM_CLOAKED_INHERITED\nThe cloak value was inherited from its owner window.";
    default: return unknownEnumeration(value);
    }
}

std::u16string backdropText(std::uint32_t value) {
    switch (value) {
    case 0: return u"DWMSBT_AUTO\nDWM decides the system-drawn backdrop material for this window.";
    case 1: return u"DWMSBT_NONE\nDon't draw any system backdrop.";
    case 2: return u"DWMSBT_MAINWINDOW\nDraw the backdrop material effect corresponding to a long-lived window.";
    case 3: return u"DWMSBT_TRANSIENTWINDOW\nDraw the backdrop material effect corresponding to a transient window.";
    case 4:
        return u"DWMSBT_TABBEDWINDOW\nDraw the backdrop material effect corresponding to a window with a tabbed "
               u"title bar.";
    default: return unknownEnumeration(value);
    }
}

std::u16string sizeText(std::int64_t width, std::int64_t height) {
    return decimalText(width) + u" x " + decimalText(height);
}

std::int64_t width(const ReportRect& r) { return static_cast<std::int64_t>(r.right) - r.left; }
std::int64_t height(const ReportRect& r) { return static_cast<std::int64_t>(r.bottom) - r.top; }

} // namespace

std::u16string dwmAttributeText(DwmAttribute attribute, const DwmReading& reading) {
    if (reading.result != 0) return trimLineEnd(reading.errorText);
    const auto value = static_cast<std::uint32_t>(reading.words[0]);
    switch (attribute) {
    case DwmAttribute::NcRenderingEnabled:
        return value != 0 ? u"Enabled\nNon-client rendering is enabled." : u"Disabled\nNon-client rendering is disabled.";
    case DwmAttribute::CaptionButtonBounds:
        return wordsRectText(reading) + u"\nThe bounds of the caption button area in the window-relative space.";
    case DwmAttribute::ExtendedFrameBounds:
        return wordsRectText(reading) + u"\nThe extended frame bounds rectangle in screen space.";
    case DwmAttribute::Cloaked: return cloakText(value);
    case DwmAttribute::VisibleFrameBorderThickness:
        return unsignedDecimalText(value) + u"\nThe value can vary depending on the DPI of the window.";
    case DwmAttribute::SystemBackdropType: return backdropText(value);
    }
    return unknownEnumeration(static_cast<std::uint32_t>(attribute));
}

std::u16string dpiAwarenessText(std::int32_t awarenessContext, std::int64_t awarenessValue) {
    switch (awarenessContext) {
    case -1: return u"DPI_AWARENESS_CONTEXT_UNAWARE\nDPI unaware.";
    case -2: return u"DPI_AWARENESS_CONTEXT_SYSTEM_AWARE\nSystem DPI aware.";
    case -3: return u"DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE\nPer monitor DPI aware.";
    case -4: return u"DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2\nDPI scaling per top-level window.";
    case -5: return u"DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED\nDPI unaware with improved quality of GDI-based content.";
    default: return decimalText(awarenessValue) + u"\nUnknown enumeration.";
    }
}

std::u16string dpiHostingText(std::optional<std::int32_t> hostingBehavior) {
    if (!hostingBehavior) return u"Unavailable\nThis version of Windows cannot report the DPI hosting behavior.";
    switch (*hostingBehavior) {
    case -1: return u"DPI_HOSTING_BEHAVIOR_INVALID\nInvalid DPI hosting behavior.";
    case 0: return u"DPI_HOSTING_BEHAVIOR_DEFAULT\nDefault DPI hosting behavior.";
    case 1: return u"DPI_HOSTING_BEHAVIOR_MIXED\nMixed DPI hosting behavior.";
    default: return decimalText(*hostingBehavior) + u"\nUnknown enumeration.";
    }
}

std::int32_t scalePercent(std::uint32_t dpi) {
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(dpi) * 100 + 48) / 96);
}

std::int64_t unscaledLength(std::int64_t length, std::int32_t scale) {
    if (scale == 0) return -1;
    // MulDiv rounds half away from zero.
    const std::int64_t product = length * 100;
    const std::int64_t divisor = scale < 0 ? -static_cast<std::int64_t>(scale) : scale;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    return (product < 0) != (scale < 0) ? -magnitude : magnitude;
}

std::vector<std::u16string> dimensionsRows(const DimensionsFacts& f) {
    const std::int32_t scale = scalePercent(f.dpiWindow);
    std::vector<std::u16string> rows;
    rows.push_back(u"DPI Awareness\n" + dpiAwarenessText(f.awarenessContext, f.awarenessValue));
    rows.push_back(u"DPI Hosting\n" + dpiHostingText(f.hostingBehavior));
    rows.push_back(u"DPI Window\n" + unsignedDecimalText(f.dpiWindow) + u"dpi");
    rows.push_back(u"DPI Monitor\n" + unsignedDecimalText(f.dpiMonitor) + u"dpi");
    rows.push_back(u"DPI System\n" + unsignedDecimalText(f.dpiSystem) + u"dpi");
    rows.push_back(u"Scale\n" + decimalText(scale) + u"%");
    rows.push_back(u"Window Dimensions\n" +
                   sizeText(unscaledLength(width(f.window), scale), unscaledLength(height(f.window), scale)));
    rows.push_back(u"       DPI Scaled\n" + sizeText(width(f.window), height(f.window)));
    rows.push_back(u"Client Dimensions\n" +
                   sizeText(unscaledLength(width(f.client), scale), unscaledLength(height(f.client), scale)));
    rows.push_back(u"       DPI Scaled\n" + sizeText(width(f.client), height(f.client)));
    rows.push_back(u"Window Border\nWidth: " + unsignedDecimalText(f.borderWidth) + u" pixels, Height: " +
                   unsignedDecimalText(f.borderHeight) + u" pixels");
    rows.push_back(u"Window Coordinates\n" + rectText(f.window));
    rows.push_back(u"Client Coordinates\n" + rectText(f.client));
    rows.push_back(u"DWMWA_CAPTION_BUTTON_BOUNDS\n" +
                   dwmAttributeText(DwmAttribute::CaptionButtonBounds, f.captionButtonBounds));
    rows.push_back(u"DWMWA_EXTENDED_FRAME_BOUNDS\n" +
                   dwmAttributeText(DwmAttribute::ExtendedFrameBounds, f.extendedFrameBounds));
    rows.push_back(u"DWMWA_NCRENDERING_ENABLED\n" +
                   dwmAttributeText(DwmAttribute::NcRenderingEnabled, f.ncRenderingEnabled));
    if (f.visibleFrameBorderThickness)
        rows.push_back(u"DWMWA_VISIBLE_FRAME_BORDER_THICKNESS\n" +
                       dwmAttributeText(DwmAttribute::VisibleFrameBorderThickness, *f.visibleFrameBorderThickness));
    if (f.systemBackdropType)
        rows.push_back(u"DWMWA_SYSTEMBACKDROP_TYPE\n" +
                       dwmAttributeText(DwmAttribute::SystemBackdropType, *f.systemBackdropType));
    return rows;
}

} // namespace zorbel
