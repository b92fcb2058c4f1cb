#include "inspect/ReportText.h"

#include <algorithm>

namespace zorbel {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

} // namespace

std::u16string unsignedDecimalText(std::uint64_t value) {
    std::u16string digits;
    do {
        digits.push_back(static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::u16string decimalText(std::int64_t value) { return paddedDecimal(value, 0); }

std::u16string paddedDecimal(std::int64_t value, std::size_t width) {
    const bool negative = value < 0;
    // Negated as unsigned, so the smallest 64-bit value has a magnitude too.
    const std::u16string digits =
        unsignedDecimalText(negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
    const std::size_t used = digits.size() + (negative ? 1 : 0);
    std::u16string text;
    text.reserve(used < width ? width : used);
    if (negative) text.push_back(u'-');
    if (used < width) text.append(width - used, u'0');
    text.append(digits);
    return text;
}

std::u16string paddedHex(std::uint64_t value, std::size_t width) {
    std::u16string digits;
    do {
        digits.push_back(kHexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits.size() < width) digits.append(width - digits.size(), u'0');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::uint64_t HandleNumber::unsignedBits() const {
    const auto raw = static_cast<std::uint64_t>(value);
    return bits >= 64 ? raw : raw & ((std::uint64_t{1} << bits) - 1);
}

std::u16string singleLine(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& unit : result)
        if (unit == u'\n' || unit == u'\r') unit = u' ';
    return result;
}

std::u16string trimLineEnd(std::u16string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == u'\r' || text[end - 1] == u'\n' || text[end - 1] == u' ')) --end;
    return std::u16string(text.substr(0, end));
}

char16_t foldCase(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z') return static_cast<char16_t>(unit + 0x20);
    if (unit < 0xC0) return unit;
    // Latin-1 capitals, except the multiplication sign.
    if (unit <= 0xDE) return unit == 0xD7 ? unit : static_cast<char16_t>(unit + 0x20);
    // Latin Extended-A: capital and small letter alternate, capital first, with two runs where
    // the pairing is shifted by one (U+0139-U+0148 and U+0179-U+017E). The Turkish dotted and
    // dotless i (U+0130, U+0131) have no simple pair and stay.
    if (unit == 0x130 || unit == 0x131) return unit;
    if (unit >= 0x100 && unit <= 0x137) return static_cast<char16_t>(unit | 1);
    if (unit >= 0x139 && unit <= 0x148) return (unit & 1) ? static_cast<char16_t>(unit + 1) : unit;
    if (unit >= 0x14A && unit <= 0x177) return static_cast<char16_t>(unit | 1);
    if (unit == 0x178) return 0xFF;
    if (unit >= 0x179 && unit <= 0x17E) return (unit & 1) ? static_cast<char16_t>(unit + 1) : unit;
    // Greek capitals (U+03A2 is unassigned).
    if (unit >= 0x391 && unit <= 0x3AB && unit != 0x3A2) return static_cast<char16_t>(unit + 0x20);
    // Cyrillic: U+0400-U+040F and U+0410-U+042F.
    if (unit >= 0x400 && unit <= 0x40F) return static_cast<char16_t>(unit + 0x50);
    if (unit >= 0x410 && unit <= 0x42F) return static_cast<char16_t>(unit + 0x20);
    return unit;
}

bool containsText(std::u16string_view haystack, std::u16string_view needle, bool caseSensitive) {
    if (needle.empty()) return true;
    if (caseSensitive) return haystack.find(needle) != std::u16string_view::npos;
    const auto same = [](char16_t a, char16_t b) { return foldCase(a) == foldCase(b); };
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(), same) != haystack.end();
}

std::u16string cutText(std::u16string_view text, std::size_t width) {
    if (text.size() <= width) return std::u16string(text);
    std::size_t length = width;
    if (length > 0 && isHighSurrogate(text[length - 1])) --length;
    return std::u16string(text.substr(0, length));
}

} // namespace zorbel
