// Number and text helpers shared by the inspection reports and the window tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorbel {

std::u16string decimalText(std::int64_t value);
std::u16string unsignedDecimalText(std::uint64_t value);

// D(v, n): v in signed decimal, zero-padded to n characters after the sign ("-0000001" for -1
// and n = 8). A longer number is written whole, never cut.
std::u16string paddedDecimal(std::int64_t value, std::size_t width);
// H(v, n): v in upper-case hexadecimal without leading zeros, zero-padded to n characters. A
// longer number is written whole.
std::u16string paddedHex(std::uint64_t value, std::size_t width);

// A handle as the pointer-size integer it is: 32 bits in the 32-bit program, 64 in the 64-bit
// one, where handles are sign-extended 32-bit values. Decimal texts read it signed; hexadecimal
// texts show its bits at the pointer width.
struct HandleNumber {
    std::int64_t value = 0;
    int bits = 32;

    std::uint64_t unsignedBits() const;
    bool operator==(const HandleNumber&) const = default;
};

// The text with every line feed and carriage return replaced by a blank: text from other
// programs (titles, paths, package names) must not split a report row into extra columns.
std::u16string singleLine(std::u16string_view text);
// The text without the line ends (CR, LF) and blanks that system message texts end with.
std::u16string trimLineEnd(std::u16string_view text);

// Simple case folding of one UTF-16 unit: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic
// capitals to their small letters. Other units stay as they are.
char16_t foldCase(char16_t unit);
// True when needle occurs in haystack; an empty needle occurs everywhere.
bool containsText(std::u16string_view haystack, std::u16string_view needle, bool caseSensitive);

// The first `width` units of text, one fewer when the cut would split a surrogate pair.
std::u16string cutText(std::u16string_view text, std::size_t width);

} // namespace zorbel
