#include "inspect/DimensionsReport.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

DwmReading reading(std::int32_t a, std::int32_t b = 0, std::int32_t c = 0, std::int32_t d = 0) {
    DwmReading r;
    r.words = {a, b, c, d};
    return r;
}

DwmReading failed(const char16_t* text) {
    DwmReading r;
    r.result = static_cast<std::int32_t>(0x80004001u);
    r.errorText = text;
    return r;
}

TEST(DwmAttributeText, Tables) {
    struct Case {
        DwmAttribute attribute;
        std::uint32_t value;
        const char16_t* text;
    } cases[] = {
        {DwmAttribute::NcRenderingEnabled, 1, u"Enabled\nNon-client rendering is enabled."},
        {DwmAttribute::NcRenderingEnabled, 7, u"Enabled\nNon-client rendering is enabled."},
        {DwmAttribute::NcRenderingEnabled, 0, u"Disabled\nNon-client rendering is disabled."},
        {DwmAttribute::Cloaked, 0, u"NULL\nNot cloaked."},
        {DwmAttribute::Cloaked, 1, u"DWM_CLOAKED_APP\nThe window was cloaked by its owner application."},
        {DwmAttribute::Cloaked, 2, u"DWM_CLOAKED_SHELL\nThe window was cloaked by the Shell."},
        {DwmAttribute::Cloaked, 4, u"DWM_CLOAKED_INHERITED\nThe cloak value was inherited from its owner window."},
        {DwmAttribute::Cloaked, 3, u"3\nUnknown enumeration."},
        {DwmAttribute::VisibleFrameBorderThickness, 1, u"1\nThe value can vary depending on the DPI of the window."},
        {DwmAttribute::VisibleFrameBorderThickness, 0xFFFFFFFF,
         u"4294967295\nThe value can vary depending on the DPI of the window."},
        {DwmAttribute::SystemBackdropType, 0, u"DWMSBT_AUTO\nDWM decides the system-drawn backdrop material for this window."},
        {DwmAttribute::SystemBackdropType, 1, u"DWMSBT_NONE\nDon't draw any system backdrop."},
        {DwmAttribute::SystemBackdropType, 2,
         u"DWMSBT_MAINWINDOW\nDraw the backdrop material effect corresponding to a long-lived window."},
        {DwmAttribute::SystemBackdropType, 3,
         u"DWMSBT_TRANSIENTWINDOW\nDraw the backdrop material effect corresponding to a transient window."},
        {DwmAttribute::SystemBackdropType, 4,
         u"DWMSBT_TABBEDWINDOW\nDraw the backdrop material effect corresponding to a window with a tabbed title bar."},
        {DwmAttribute::SystemBackdropType, 5, u"5\nUnknown enumeration."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dwmAttributeText(c.attribute, reading(static_cast<std::int32_t>(c.value))), c.text)
            << static_cast<int>(c.attribute) << " " << c.value;

    EXPECT_EQ(dwmAttributeText(DwmAttribute::CaptionButtonBounds, reading(10, 20, 300, 40)),
              u"Left: 10, Right: 300, Top: 20, Bottom: 40\n"
              u"The bounds of the caption button area in the window-relative space.");
    EXPECT_EQ(dwmAttributeText(DwmAttribute::ExtendedFrameBounds, reading(-1920, -8, -100, 1032)),
              u"Left: -1920, Right: -100, Top: -8, Bottom: 1032\n"
              u"The extended frame bounds rectangle in screen space.");
    // A refused attribute shows the system's text, without its line end.
    EXPECT_EQ(dwmAttributeText(DwmAttribute::Cloaked, failed(u"Not implemented.\r\n")), u"Not implemented.");
}

TEST(DimensionsTexts, AwarenessAndHosting) {
    EXPECT_EQ(dpiAwarenessText(-1, -1), u"DPI_AWARENESS_CONTEXT_UNAWARE\nDPI unaware.");
    EXPECT_EQ(dpiAwarenessText(-2, 0x11), u"DPI_AWARENESS_CONTEXT_SYSTEM_AWARE\nSystem DPI aware.");
    EXPECT_EQ(dpiAwarenessText(-3, 0x12), u"DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE\nPer monitor DPI aware.");
    EXPECT_EQ(dpiAwarenessText(-4, 0x22), u"DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2\nDPI scaling per top-level window.");
    EXPECT_EQ(dpiAwarenessText(-5, 0x40000010),
              u"DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED\nDPI unaware with improved quality of GDI-based content.");
    EXPECT_EQ(dpiAwarenessText(0, 24592), u"24592\nUnknown enumeration.");
    EXPECT_EQ(dpiAwarenessText(0, 0), u"0\nUnknown enumeration.");

    EXPECT_EQ(dpiHostingText(-1), u"DPI_HOSTING_BEHAVIOR_INVALID\nInvalid DPI hosting behavior.");
    EXPECT_EQ(dpiHostingText(0), u"DPI_HOSTING_BEHAVIOR_DEFAULT\nDefault DPI hosting behavior.");
    EXPECT_EQ(dpiHostingText(1), u"DPI_HOSTING_BEHAVIOR_MIXED\nMixed DPI hosting behavior.");
    EXPECT_EQ(dpiHostingText(2), u"2\nUnknown enumeration.");
    EXPECT_EQ(dpiHostingText(std::nullopt).substr(0, 12), u"Unavailable\n");
}

TEST(DimensionsTexts, ScaleRoundsToTheNearestPercent) {
    const std::pair<std::uint32_t, std::int32_t> cases[] = {{96, 100}, {120, 125}, {100, 104}, {144, 150},
                                                            {192, 200}, {0, 0},     {97, 101}, {72, 75}};
    for (auto [dpi, percent] : cases) EXPECT_EQ(scalePercent(dpi), percent) << dpi;
    EXPECT_EQ(unscaledLength(1500, 150), 1000);
    EXPECT_EQ(unscaledLength(1, 150), 1);   // 0.67 rounds up
    EXPECT_EQ(unscaledLength(-3, 200), -2); // half away from zero
    EXPECT_EQ(unscaledLength(0, 0), -1);    // MulDiv's answer to a zero divisor
}

DimensionsFacts facts150() {
    DimensionsFacts f;
    f.awarenessContext = -4;
    f.awarenessValue = 0x22;
    f.hostingBehavior = 0;
    f.dpiWindow = 144;
    f.dpiMonitor = 144;
    f.dpiSystem = 96;
    f.window = {100, 50, 1600, 950};
    f.client = {108, 81, 1592, 942};
    f.borderWidth = 8;
    f.borderHeight = 8;
    f.captionButtonBounds = reading(1300, 0, 1492, 45);
    f.extendedFrameBounds = reading(107, 50, 1593, 943);
    f.ncRenderingEnabled = reading(1);
    return f;
}

TEST(DimensionsReport, RowsOfAWindowAt150Percent) {
    const std::vector<std::u16string> expected = {
        u"DPI Awareness\nDPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2\nDPI scaling per top-level window.",
        u"DPI Hosting\nDPI_HOSTING_BEHAVIOR_DEFAULT\nDefault DPI hosting behavior.",
        u"DPI Window\n144dpi",
        u"DPI Monitor\n144dpi",
        u"DPI System\n96dpi",
        u"Scale\n150%",
        u"Window Dimensions\n1000 x 600",
        u"       DPI Scaled\n1500 x 900",
        u"Client Dimensions\n989 x 574",
        u"       DPI Scaled\n1484 x 861",
        u"Window Border\nWidth: 8 pixels, Height: 8 pixels",
        u"Window Coordinates\nLeft: 100, Right: 1600, Top: 50, Bottom: 950",
        u"Client Coordinates\nLeft: 108, Right: 1592, Top: 81, Bottom: 942",
        u"DWMWA_CAPTION_BUTTON_BOUNDS\nLeft: 1300, Right: 1492, Top: 0, Bottom: 45\n"
        u"The bounds of the caption button area in the window-relative space.",
        u"DWMWA_EXTENDED_FRAME_BOUNDS\nLeft: 107, Right: 1593, Top: 50, Bottom: 943\n"
        u"The extended frame bounds rectangle in screen space.",
        u"DWMWA_NCRENDERING_ENABLED\nEnabled\nNon-client rendering is enabled.",
    };
    EXPECT_EQ(dimensionsRows(facts150()), expected);
}

TEST(DimensionsReport, BuildDependentRows) {
    DimensionsFacts f = facts150();
    EXPECT_EQ(dimensionsRows(f).size(), 16u);
    f.visibleFrameBorderThickness = reading(1);
    const auto rows17 = dimensionsRows(f);
    ASSERT_EQ(rows17.size(), 17u);
    EXPECT_EQ(rows17[16], u"DWMWA_VISIBLE_FRAME_BORDER_THICKNESS\n1\nThe value can vary depending on the DPI of the window.");
    f.systemBackdropType = reading(2);
    const auto rows18 = dimensionsRows(f);
    ASSERT_EQ(rows18.size(), 18u);
    EXPECT_EQ(rows18[17], u"DWMWA_SYSTEMBACKDROP_TYPE\nDWMSBT_MAINWINDOW\n"
                          u"Draw the backdrop material effect corresponding to a long-lived window.");
}

TEST(DimensionsReport, VanishedWindow) {
    DimensionsFacts f; // what the system answers for a window that no longer exists
    f.awarenessContext = 0;
    f.hostingBehavior = -1;
    f.captionButtonBounds = failed(u"Invalid window handle.\r\n");
    f.extendedFrameBounds = failed(u"Invalid window handle.\r\n");
    f.ncRenderingEnabled = failed(u"Invalid window handle.\r\n");
    const auto rows = dimensionsRows(f);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[2], u"DPI Window\n0dpi");
    EXPECT_EQ(rows[5], u"Scale\n0%");
    EXPECT_EQ(rows[6], u"Window Dimensions\n-1 x -1");
    EXPECT_EQ(rows[7], u"       DPI Scaled\n0 x 0");
    EXPECT_EQ(rows[8], u"Client Dimensions\n-1 x -1");
    EXPECT_EQ(rows[13], u"DWMWA_CAPTION_BUTTON_BOUNDS\nInvalid window handle.");
}

} // namespace
} // namespace zorbel
