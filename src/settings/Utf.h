// Text conversions between the UTF-8 bytes of files and the UTF-16 text of the program.
#pragma once

#include <string>
#include <string_view>

namespace zorbel {

// Each ill-formed sequence (its longest valid prefix) becomes one U+FFFD; characters beyond
// U+FFFF become surrogate pairs.
std::u16string utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD, so the result is always well-formed UTF-8.
std::string utf16ToUtf8(std::u16string_view utf16);
// Every byte is the character of the same number (ISO-8859-1).
std::string latin1ToUtf8(std::string_view latin1);

char asciiToLower(char c);
// Folds only A-Z, so multi-byte UTF-8 sequences compare byte for byte.
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

} // namespace zorbel
