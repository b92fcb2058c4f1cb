#include "settings/Utf.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace zorbel {
namespace {

struct Utf8Case {
    const char* label;
    std::string_view utf8;
    std::u16string_view utf16;
};

class Utf8ToUtf16 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToUtf16, DecodesOrReplacesEachIllFormedSequenceOnce) {
    EXPECT_EQ(utf8ToUtf16(GetParam().utf8), GetParam().utf16) << GetParam().label;
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8ToUtf16,
    ::testing::Values(Utf8Case{"empty", "", u""}, Utf8Case{"ascii", "abc", u"abc"},
                      Utf8Case{"embedded nul", "a\0b"sv, u"a\0b"sv}, Utf8Case{"two bytes", "\xC3\xA9", u"\u00E9"},
                      Utf8Case{"three bytes", "\xE2\x82\xAC", u"\u20AC"},
                      Utf8Case{"four bytes become a pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
                      Utf8Case{"highest code point", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
                      Utf8Case{"stray continuation", "a\x80" "b", u"a\uFFFDb"},
                      Utf8Case{"invalid lead bytes", "\xC0\xC1\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                      Utf8Case{"overlong two bytes", "\xC0\xAF", u"\uFFFD\uFFFD"},
                      Utf8Case{"overlong three bytes", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
                      Utf8Case{"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                      Utf8Case{"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                      Utf8Case{"truncated at the end", "x\xE2\x82", u"x\uFFFD"},
                      Utf8Case{"truncated before ascii", "\xF0\x9F\x98" "A", u"\uFFFDA"},
                      Utf8Case{"truncated before a new lead", "\xE2\xC3\xA9", u"\uFFFD\u00E9"}));

struct Utf16Case {
    const char* label;
    std::u16string_view utf16;
    std::string_view utf8;
};

class Utf16ToUtf8 : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16ToUtf8, EncodesAndReplacesUnpairedSurrogates) {
    EXPECT_EQ(utf16ToUtf8(GetParam().utf16), GetParam().utf8) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf16ToUtf8,
    ::testing::Values(Utf16Case{"one-byte limit", u"\u007F", "\x7F"}, Utf16Case{"two-byte limits", u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
                      Utf16Case{"three-byte limits", u"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF"},
                      Utf16Case{"pair", u"\xDBFF\xDFFF", "\xF4\x8F\xBF\xBF"},
                      Utf16Case{"high surrogate at the end", u"a\xD800", "a\xEF\xBF\xBD"},
                      Utf16Case{"high surrogate before a letter", u"\xD800z", "\xEF\xBF\xBDz"},
                      Utf16Case{"low surrogate alone", u"\xDC00", "\xEF\xBF\xBD"},
                      Utf16Case{"pair in the wrong order", u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"}));

TEST(Utf, EveryCodePointSurvivesBothConversions) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::u16string text;
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        const std::string utf8 = utf16ToUtf8(text);
        ASSERT_EQ(utf8.size(), c < 0x80 ? 1u : c < 0x800 ? 2u : c < 0x10000 ? 3u : 4u) << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(utf8ToUtf16(utf8), text) << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(Utf, Latin1BytesBecomeTheCharactersOfTheSameNumber) {
    EXPECT_EQ(latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(utf8ToUtf16(latin1ToUtf8(one)), std::u16string(1, static_cast<char16_t>(byte))) << byte;
    }
}

struct FoldCase {
    std::string_view a;
    std::string_view b;
    bool equal;
};

void PrintTo(const FoldCase& c, std::ostream* out) { *out << '"' << c.a << "\" / \"" << c.b << '"'; }

class EqualsIgnoreAsciiCase : public ::testing::TestWithParam<FoldCase> {};

TEST_P(EqualsIgnoreAsciiCase, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(equalsIgnoreAsciiCase(GetParam().a, GetParam().b), GetParam().equal) << GetParam().a << " / " << GetParam().b;
    EXPECT_EQ(equalsIgnoreAsciiCase(GetParam().b, GetParam().a), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(Table, EqualsIgnoreAsciiCase,
                         ::testing::Values(FoldCase{"", "", true}, FoldCase{"Global", "gLOBAL", true},
                                           FoldCase{"pMessageBeep", "PMESSAGEBEEP", true}, FoldCase{"1 Title", "1 title", true},
                                           FoldCase{"Global", "Globa", false}, FoldCase{"a", "b", false},
                                           // Bit 0x20 alone would make these pairs equal.
                                           FoldCase{"[", "{", false}, FoldCase{"@", "`", false}, FoldCase{"^", "~", false},
                                           // No folding beyond ASCII: É and é stay different.
                                           FoldCase{"\xC3\x89", "\xC3\xA9", false}));

} // namespace
} // namespace zorbel
