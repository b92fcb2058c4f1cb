#include "inspect/ReportText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace zorbel {
namespace {

TEST(ReportText, PaddedDecimalPadsAfterTheSignAndNeverCuts) {
    struct Case {
        std::int64_t value;
        std::size_t width;
        const char16_t* text;
    } cases[] = {
        {0, 8, u"00000000"},
        {655794, 8, u"00655794"},
        {-1, 8, u"-0000001"},
        {12345678, 8, u"12345678"},
        {123456789, 8, u"123456789"},                 // longer than the field: whole
        {-2147483647 - 1, 10, u"-2147483648"},        // a style with the top bit: 11 characters
        {-1, 0, u"-1"},
        {std::numeric_limits<std::int64_t>::min(), 1, u"-9223372036854775808"},
        {std::numeric_limits<std::int64_t>::max(), 30, u"000000000009223372036854775807"},
    };
    for (const Case& c : cases) EXPECT_EQ(paddedDecimal(c.value, c.width), c.text) << c.value;
}

TEST(ReportText, PaddedHexIsUpperCaseAndNeverCuts) {
    struct Case {
        std::uint64_t value;
        std::size_t width;
        const char16_t* text;
    } cases[] = {
        {0, 6, u"000000"},        {0xA01B2, 6, u"0A01B2"},          {0xff, 1, u"FF"},
        {0, 1, u"0"},             {0x1234567, 6, u"1234567"},        {0xFFFFFFFF80001234, 6, u"FFFFFFFF80001234"},
        {0x80000000, 8, u"80000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(paddedHex(c.value, c.width), c.text) << c.value;
}

TEST(ReportText, HandleNumberShowsItsBitsAtThePointerWidth) {
    EXPECT_EQ((HandleNumber{-2147478988, 32}).unsignedBits(), 0x80001234u);
    EXPECT_EQ((HandleNumber{-2147478988, 64}).unsignedBits(), 0xFFFFFFFF80001234u);
    EXPECT_EQ((HandleNumber{0xA01B2, 32}).unsignedBits(), 0xA01B2u);
}

TEST(ReportText, DecimalTexts) {
    EXPECT_EQ(decimalText(0), u"0");
    EXPECT_EQ(decimalText(-15963), u"-15963");
    EXPECT_EQ(decimalText(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
    EXPECT_EQ(unsignedDecimalText(std::numeric_limits<std::uint64_t>::max()), u"18446744073709551615");
}

TEST(ReportText, LineBreaksAndLineEnds) {
    EXPECT_EQ(singleLine(u"a\nb\r\nc"), u"a b  c");
    EXPECT_EQ(trimLineEnd(u"Not implemented.\r\n"), u"Not implemented.");
    EXPECT_EQ(trimLineEnd(u"\r\n"), u"");
    EXPECT_EQ(trimLineEnd(u"keep\r\ninside"), u"keep\r\ninside");
}

TEST(ReportText, CaseFoldingPairsCapitalsWithSmallLetters) {
    const char16_t pairs[][2] = {
        {u'A', u'a'},    {u'Z', u'z'},    {0xC0, 0xE0},   {0xDE, 0xFE},   {0x100, 0x101}, {0x139, 0x13A},
        {0x147, 0x148},  {0x14A, 0x14B},  {0x176, 0x177}, {0x178, 0xFF},  {0x179, 0x17A}, {0x17D, 0x17E},
        {0x391, 0x3B1},  {0x3A9, 0x3C9},  {0x400, 0x450}, {0x410, 0x430}, {0x42F, 0x44F},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(foldCase(pair[0]), pair[1]) << int(pair[0]);
        EXPECT_EQ(foldCase(pair[1]), pair[1]) << int(pair[1]);
    }
    // Units without a simple pair stay as they are.
    for (char16_t unit : {u'0', u'@', u'[', char16_t(0xD7), char16_t(0xDF), char16_t(0x130), char16_t(0x131),
                          char16_t(0x3A2), char16_t(0xD800), char16_t(0xFFFF)})
        EXPECT_EQ(foldCase(unit), unit) << int(unit);
}

TEST(ReportText, ContainsText) {
    EXPECT_TRUE(containsText(u"Square44x44Logo.targetsize-48_ALTFORM-unplated.png", u"48_altform", false));
    EXPECT_FALSE(containsText(u"Square44x44Logo.targetsize-48_ALTFORM-unplated.png", u"48_altform", true));
    EXPECT_TRUE(containsText(u"ÄRGER", u"ärger", false));
    EXPECT_FALSE(containsText(u"ab", u"abc", false));
    EXPECT_TRUE(containsText(u"", u"", true));
    EXPECT_FALSE(containsText(u"", u"x", false));
}

TEST(ReportText, CutTextKeepsSurrogatePairsWhole) {
    EXPECT_EQ(cutText(u"Window List (418)", 11), u"Window List");
    EXPECT_EQ(cutText(u"short", 11), u"short");
    EXPECT_EQ(cutText(u"ab\U0001F600", 3), u"ab");
    EXPECT_EQ(cutText(u"ab\U0001F600", 4), u"ab\U0001F600");
}

} // namespace
} // namespace zorbel
