// The names of a window's style and extended-style bits, as the information report lists them.
#pragma once

#include <cstdint>
#include <string>

namespace zorbel {

// The names joined by " | ", in the tables' order. A name whose value has several bits is listed
// as soon as one of them is set; names that share a bit are listed together.
std::u16string windowStyleNames(std::uint32_t style);
// WS_EX_OVERLAPPEDWINDOW and WS_EX_PALETTEWINDOW stand for the bits they combine, which are then
// not listed alone. WS_EX_LEFT, WS_EX_LTRREADING and WS_EX_RIGHTSCROLLBAR are always listed.
std::u16string extendedStyleNames(std::uint32_t exStyle);

} // namespace zorbel
