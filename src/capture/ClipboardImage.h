// The PNG that the clipboard offers beside the DIB. It is made from the DIB only when a program
// asks for it, so a capture that is never pasted as PNG costs no encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/ImageOps.h"

namespace zorbel {

// The registered clipboard format that browsers, chat and office programs paste losslessly.
inline constexpr char16_t kPngClipboardFormatName[] = u"PNG";

// The pixels of a packed DIB (BITMAPINFOHEADER or a larger header, uncompressed, 24 or 32 bits
// per pixel, either row order) as a capture image, the fourth byte 0. Nothing for anything else,
// or when the block is shorter than its header says.
std::optional<Image> imageFromPackedDib(std::string_view dib);

// The PNG file of a packed DIB, or nothing when it cannot be read or encoded.
std::optional<std::string> pngFromPackedDib(std::string_view dib);

} // namespace zorbel
