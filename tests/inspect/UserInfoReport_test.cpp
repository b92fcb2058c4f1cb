#include "inspect/UserInfoReport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "inspect/ReportRows.h"
#include "inspect/StyleNames.h"
#include "settings/Utf.h"

namespace zorbel {
namespace {

// ---- Style names ------------------------------------------------------------------------------

TEST(StyleNames, WindowStyles) {
    struct Case {
        std::uint32_t style;
        const char16_t* names;
    } cases[] = {
        {0x00000000, u"WS_OVERLAPPED"},
        {0x00000001, u"WS_ACTIVECAPTION | WS_OVERLAPPED"},
        {0x10CF0000, u"WS_BORDER | WS_CAPTION | WS_DLGFRAME | WS_GROUP | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | "
                     u"WS_OVERLAPPED | WS_OVERLAPPEDWINDOW | WS_POPUPWINDOW | WS_SYSMENU | WS_TABSTOP | "
                     u"WS_THICKFRAME | WS_TILEDWINDOW | WS_VISIBLE"},
        // A popup window with a border and a system menu.
        {0x80880000, u"WS_BORDER | WS_CAPTION | WS_OVERLAPPED | WS_OVERLAPPEDWINDOW | WS_POPUP | WS_POPUPWINDOW | "
                     u"WS_SYSMENU | WS_TILEDWINDOW"},
        {0x80000000, u"WS_POPUP | WS_POPUPWINDOW"},
        {0x50000000, u"WS_CHILDWINDOW | WS_VISIBLE"},
        {0xA0000000, u"WS_ICONIC | WS_POPUP | WS_POPUPWINDOW"},
        {0x00040000, u"WS_OVERLAPPED | WS_OVERLAPPEDWINDOW | WS_THICKFRAME | WS_TILEDWINDOW"},
        {0x0F300000, u"WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_DISABLED | WS_HSCROLL | WS_MAXIMIZE | WS_OVERLAPPED | "
                     u"WS_VSCROLL"},
    };
    for (const Case& c : cases) EXPECT_EQ(windowStyleNames(c.style), c.names) << std::hex << c.style;

    // Every bit: every name but the four aliases that are never listed.
    const std::u16string all = windowStyleNames(0xFFFFFFFF);
    for (const char16_t* alias : {u"WS_CHILD |", u"WS_MINIMIZE |", u"WS_SIZEBOX", u"WS_TILED |"})
        EXPECT_EQ(all.find(alias), std::u16string::npos) << std::u16string(alias).size();
    EXPECT_EQ(std::count(all.begin(), all.end(), u'|'), 23);
}

TEST(StyleNames, ExtendedStyles) {
    struct Case {
        std::uint32_t exStyle;
        const char16_t* names;
    } cases[] = {
        {0x00000000, u"WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_RIGHTSCROLLBAR"},
        // WS_EX_WINDOWEDGE with WS_EX_CLIENTEDGE: the combination, neither of the two.
        {0x00000300, u"WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_OVERLAPPEDWINDOW | WS_EX_RIGHTSCROLLBAR"},
        {0x00000188, u"WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_PALETTEWINDOW | WS_EX_RIGHTSCROLLBAR"},
        {0x00000388, u"WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_OVERLAPPEDWINDOW | WS_EX_PALETTEWINDOW | "
                     u"WS_EX_RIGHTSCROLLBAR"},
        {0x00000108, u"WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_RIGHTSCROLLBAR | WS_EX_TOPMOST | WS_EX_WINDOWEDGE"},
        {0x00000200, u"WS_EX_CLIENTEDGE | WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_RIGHTSCROLLBAR"},
        {0x00000288, u"WS_EX_CLIENTEDGE | WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_RIGHTSCROLLBAR | WS_EX_TOOLWINDOW | "
                     u"WS_EX_TOPMOST"},
        {0x00080008, u"WS_EX_LAYERED | WS_EX_LEFT | WS_EX_LTRREADING | WS_EX_RIGHTSCROLLBAR | WS_EX_TOPMOST"},
        {0x00007000, u"WS_EX_LEFT | WS_EX_LEFTSCROLLBAR | WS_EX_LTRREADING | WS_EX_RIGHT | WS_EX_RIGHTSCROLLBAR | "
                     u"WS_EX_RTLREADING"},
        {0x0A7F0475, u"WS_EX_ACCEPTFILES | WS_EX_APPWINDOW | WS_EX_COMPOSITED | WS_EX_CONTEXTHELP | "
                     u"WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME | WS_EX_LAYERED | WS_EX_LAYOUTRTL | WS_EX_LEFT | "
                     u"WS_EX_LTRREADING | WS_EX_MDICHILD | WS_EX_NOACTIVATE | WS_EX_NOINHERITLAYOUT | "
                     u"WS_EX_NOPARENTNOTIFY | WS_EX_NOREDIRECTIONBITMAP | WS_EX_RIGHTSCROLLBAR | WS_EX_STATICEDGE | "
                     u"WS_EX_TRANSPARENT"},
    };
    for (const Case& c : cases) EXPECT_EQ(extendedStyleNames(c.exStyle), c.names) << std::hex << c.exStyle;
}

// ---- The texts of single rows -------------------------------------------------------------------

TEST(UserInfoTexts, ClassAtomIsSigned16BitWithItsHexBits) {
    EXPECT_EQ(classAtomText(0xC1A5), u"-15963 (0xC1A5)");
    EXPECT_EQ(classAtomText(0x8002), u"-32766 (0x8002)");
    EXPECT_EQ(classAtomText(0x7FFF), u"32767 (0x7FFF)");
    EXPECT_EQ(classAtomText(0x0020), u"32 (0x20)");
    EXPECT_EQ(classAtomText(0), u"0 (0x0)");
}

TEST(UserInfoTexts, TouchTable) {
    EXPECT_EQ(touchText(false, 1), u"No\nDoes not support Windows Touch.");
    EXPECT_EQ(touchText(true, 1), u"Yes\nPrefers noncoalesced touch input.");
    EXPECT_EQ(touchText(true, 2), u"Yes\nPalm detection enabled.");
    EXPECT_EQ(touchText(true, 3), u"3\nUnknown enumeration.");
    EXPECT_EQ(touchText(true, 0), u"0\nUnknown enumeration.");
}

TEST(UserInfoTexts, AffinityTable) {
    EXPECT_EQ(displayAffinityText({0u, u""}), u"WDA_NONE\nDisabled, no restrictions.");
    EXPECT_EQ(displayAffinityText({1u, u""}), u"WDA_MONITOR\nThe window content is displayed only on a monitor.");
    EXPECT_EQ(displayAffinityText({0x11u, u""}), u"WDA_EXCLUDEFROMCAPTURE\nThe window is displayed only on a monitor.");
    EXPECT_EQ(displayAffinityText({2u, u""}), u"2\nUnknown enumeration.");
    EXPECT_EQ(displayAffinityText({std::nullopt, u"Invalid window handle.\r\n"}), u"Invalid window handle.");
}

TEST(UserInfoTexts, BandTable) {
    // The ends of the table and one between: an entry lost or shifted moves one of them.
    EXPECT_EQ(bandText({0u, u""}), u"ZBID_DEFAULT");
    EXPECT_EQ(bandText({13u, u""}), u"ZBID_IMMERSIVE_SEARCH");
    EXPECT_EQ(bandText({18u, u""}), u"ZBID_ABOVELOCK_UX");
    EXPECT_EQ(bandText({19u, u""}), u"19\nUnknown enumeration.");
    EXPECT_EQ(bandText({std::nullopt, u"The specified procedure could not be found.\r\n"}),
              u"The specified procedure could not be found.");
}

LayeredFacts layered(std::uint8_t alpha, std::uint32_t key, std::uint32_t flags) {
    LayeredFacts f;
    f.layered = true;
    f.queried = true;
    f.alpha = alpha;
    f.colourKey = key;
    f.flags = flags;
    return f;
}

TEST(UserInfoTexts, OpacityAndColourKey) {
    const std::uint32_t both = kLayeredAlpha | kLayeredColourKey;
    EXPECT_EQ(opacityText(layered(128, 0, both)), u"128 (50.20%)");
    EXPECT_EQ(opacityText(layered(255, 0, both)), u"255 (100.00%)");
    EXPECT_EQ(opacityText(layered(0, 0, both)), u"0 (0.00%)");
    EXPECT_EQ(opacityText(layered(1, 0, both)), u"1 (0.39%)");
    EXPECT_EQ(opacityText(layered(254, 0, both)), u"254 (99.61%)");

    EXPECT_EQ(colourKeyText(layered(0, 0x0000FF, both)), u"Red=255 | Green=0 | Blue=0 (0x0000FF)");
    EXPECT_EQ(colourKeyText(layered(0, 0x00804020, both)), u"Red=32 | Green=64 | Blue=128 (0x804020)");
    EXPECT_EQ(colourKeyText(layered(0, 0, both)), u"Red=0 | Green=0 | Blue=0 (0x000000)");
    // A key with its top byte set is written whole.
    EXPECT_EQ(colourKeyText(layered(0, 0x01000005, both)), u"Red=5 | Green=0 | Blue=0 (0x1000005)");

    // Values the window does not use are not shown as if it did.
    EXPECT_EQ(opacityText(layered(0, 0x0000FF, kLayeredColourKey)), u"Opaque\nLWA_ALPHA flag not set.");
    EXPECT_EQ(colourKeyText(layered(128, 0, kLayeredAlpha)), u"None\nLWA_COLORKEY flag not set.");

    LayeredFacts failed;
    failed.layered = true;
    failed.errorText = u"Invalid window handle.\r\n";
    EXPECT_EQ(opacityText(failed), u"Invalid window handle.");
    EXPECT_EQ(colourKeyText(failed), u"Invalid window handle.");

    const LayeredFacts opaque;
    EXPECT_EQ(opacityText(opaque), u"Opaque\nWS_EX_LAYERED bit not set.");
    EXPECT_EQ(colourKeyText(opaque), u"Opaque\nWS_EX_LAYERED bit not set.");
}

TEST(UserInfoTexts, DirectoryPath) {
    EXPECT_EQ(directoryPathText(u"C:\\Windows\\notepad.exe"), u"notepad.exe\nC:\\Windows\\");
    EXPECT_EQ(directoryPathText(u"Z:/opt/a/b.exe"), u"b.exe\nZ:/opt/a/");
    EXPECT_EQ(directoryPathText(u"C:\\mixed/sep\\x.exe"), u"x.exe\nC:\\mixed/sep\\");
    EXPECT_EQ(directoryPathText(u"plain.exe"), u"plain.exe\n");
    EXPECT_EQ(directoryPathText(u""), u"\n");
}

TEST(UserInfoTexts, NumbersOfHandlesIdsAndStyles) {
    EXPECT_EQ(handleText({0, 32}), u"00000000 (0x000000)");
    EXPECT_EQ(handleText({0xA01B2, 32}), u"00655794 (0x0A01B2)");
    // Handles beyond six hexadecimal digits are written whole, in both builds.
    EXPECT_EQ(handleText({0x12345678, 32}), u"305419896 (0x12345678)");
    EXPECT_EQ(handleText({-2147478988, 32}), u"-2147478988 (0x80001234)");
    EXPECT_EQ(handleText({-2147478988, 64}), u"-2147478988 (0xFFFFFFFF80001234)");
    EXPECT_EQ(idText(1234), u"0000001234 (0x000004D2)");
    EXPECT_EQ(idText(0xFFFFFFFF), u"4294967295 (0xFFFFFFFF)");
    EXPECT_EQ(styleValueText(0x14CF0000), u"0349110272 (0x14CF0000)");
    EXPECT_EQ(styleValueText(0x94C80000), u"-1798832128 (0x94C80000)");
    EXPECT_EQ(styleValueText(0), u"0000000000 (0x00000000)");
}

// ---- The whole tab ------------------------------------------------------------------------------

UserInfoFacts sampleFacts() {
    UserInfoFacts f;
    f.title = u"Calculator";
    f.className = u"ApplicationFrameWindow";
    f.classAtom = 0xC1A5;
    f.creatorVersion = 0x0A00;
    f.enabled = true;
    f.hung = false;
    f.visible = true;
    f.zoomed = false;
    f.iconic = false;
    f.touchWindow = false;
    f.displayAffinity = {0u, u""};
    f.unicode = true;
    f.band = {1u, u""};
    f.cloaked.result = 0;
    f.cloaked.words = {2, 0, 0, 0};
    f.layered = layered(128, 0x0000FF, kLayeredAlpha | kLayeredColourKey);
    f.theme = {0, 32};
    f.processImagePath = u"C:\\Windows\\System32\\ApplicationFrameHost.exe";
    f.processId = 4660;
    f.threadId = 0x1A2B;
    f.handle = {0xA01B2, 32};
    f.parent = {0x10010, 32};
    f.parentClass = u"#32769";
    f.root = {0xA01B2, 32};
    f.rootClass = u"ApplicationFrameWindow";
    f.rootOwner = {0, 32};
    f.rootOwnerClass = u"";
    f.style = 0x14CF0000;
    f.exStyle = 0x00080300;
    return f;
}

TEST(UserInfoReport, RowsInOrder) {
    const std::vector<std::u16string> expected = {
        u"Title\nCalculator",
        u"Class\nApplicationFrameWindow",
        u"Class Atom \n-15963 (0xC1A5)",
        u"Creator Version\n2560",
        u"Enabled\nYes\nEnabled for mouse and keyboard input.",
        u"Active\nYes\nWindow is responding.",
        u"Visible\nYes",
        u"Maximised\nNo",
        u"Minimised\nNo",
        u"Touch\nNo\nDoes not support Windows Touch.",
        u"Affinity\nWDA_NONE\nDisabled, no restrictions.",
        u"Encoding\nUnicode",
        u"Z-Order Band\nZBID_DESKTOP",
        u"DWMWA_CLOAKED\nDWM_CLOAKED_SHELL\nThe window was cloaked by the Shell.",
        u"Opacity\n128 (50.20%)",
        u"Colour Key\nRed=255 | Green=0 | Blue=0 (0x0000FF)",
        u"Theme Handle\n0 (0x00000000)",
        u"Directory Path\nApplicationFrameHost.exe\nC:\\Windows\\System32\\",
        u"ProcessID\n0000004660 (0x00001234)",
        u"ThreadID\n0000006699 (0x00001A2B)",
        u"Handle\n00655794 (0x0A01B2)",
        u"Parent\n00065552 (0x010010)\n#32769",
        u"Root\n00655794 (0x0A01B2)\nApplicationFrameWindow",
        u"Root Owner\n00000000 (0x000000)\n",
        u"Styles\n0349110272 (0x14CF0000)\nWS_BORDER | WS_CAPTION | WS_CLIPSIBLINGS | WS_DLGFRAME | WS_GROUP | "
        u"WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_OVERLAPPED | WS_OVERLAPPEDWINDOW | WS_POPUPWINDOW | WS_SYSMENU | "
        u"WS_TABSTOP | WS_THICKFRAME | WS_TILEDWINDOW | WS_VISIBLE",
        u"Extended Styles\n0000525056 (0x00080300)\nWS_EX_LAYERED | WS_EX_LEFT | WS_EX_LTRREADING | "
        u"WS_EX_OVERLAPPEDWINDOW | WS_EX_RIGHTSCROLLBAR",
    };
    EXPECT_EQ(userInfoRows(sampleFacts()), expected);
}

TEST(UserInfoReport, StatesAndForeignLineBreaks) {
    UserInfoFacts f = sampleFacts();
    f.title = u"two\nlines";
    f.className = u"odd\rclass";
    f.enabled = false;
    f.hung = true;
    f.unicode = false;
    f.parentClass = u"x\ny";
    const std::vector<std::u16string> rows = userInfoRows(f);
    ASSERT_EQ(rows.size(), 26u);
    // Text from another program never adds a column.
    EXPECT_EQ(rows[0], u"Title\ntwo lines");
    EXPECT_EQ(rows[1], u"Class\nodd class");
    EXPECT_EQ(rows[21], u"Parent\n00065552 (0x010010)\nx y");
    EXPECT_EQ(rows[4], u"Enabled\nNo\nMouse and keyboard input disabled.");
    EXPECT_EQ(rows[5], u"Active\nNo\nWindow is hung (ghost).");
    EXPECT_EQ(rows[11], u"Encoding\nANSI");
    for (const std::u16string& row : rows) EXPECT_LE(std::count(row.begin(), row.end(), u'\n'), 2) << utf16ToUtf8(row);
}

// ---- Rows as the list shows and copies them -----------------------------------------------------

TEST(ReportRows, SplitIntoThreeCells) {
    using Cells = std::array<std::u16string, kReportColumns>;
    EXPECT_EQ(splitReportRow(u"Visible\nYes"), (Cells{u"Visible", u"Yes", u""}));
    EXPECT_EQ(splitReportRow(u"Enabled\nYes\nEnabled for mouse and keyboard input."),
              (Cells{u"Enabled", u"Yes", u"Enabled for mouse and keyboard input."}));
    EXPECT_EQ(splitReportRow(u"Root Owner\n00000000 (0x000000)\n"), (Cells{u"Root Owner", u"00000000 (0x000000)", u""}));
    EXPECT_EQ(splitReportRow(u"a\nb\nc\nd"), (Cells{u"a", u"b", u"c d"}));
    EXPECT_EQ(splitReportRow(u"alone"), (Cells{u"alone", u"", u""}));
    EXPECT_EQ(splitReportRow(u""), (Cells{u"", u"", u""}));
}

TEST(ReportRows, CopyTexts) {
    EXPECT_EQ(copyRowText({u"Visible", u"Yes", u""}), u"Visible\t\t\tYes\t\t\t");
    EXPECT_EQ(copyRowText({}), u"");
    EXPECT_EQ(copyAllText({{u"a", u"b", u"c"}, {u"d", u"", u"f"}}), u"a\t\t\tb\t\t\tc\r\nd\t\t\t\t\t\tf\r\n");
    EXPECT_EQ(copyAllText({}), u"");
}

} // namespace
} // namespace zorbel
