// File formats of captured images. A capture is a 32-bit image with its bytes in DIB order (blue,
// green, red, unused), rows top-down; every encoder writes the colours only, so the picture comes
// out fully opaque whatever the fourth byte holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/ImageOps.h"

namespace zorbel {

// The order of the save dialogue's file types; the value is what the settings store.
enum class ImageFormat : std::int32_t { Png = 0, Bmp = 1, Jpg = 2 };

inline constexpr int kJpegQuality = 100;

// Sizes of the headers of a Windows bitmap.
inline constexpr std::uint32_t kBitmapFileHeaderSize = 14;
inline constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

// True when the image has a size and exactly width * height * 4 bytes.
bool isValidCapture(const Image& image);

// The bytes of a file of that format, or nothing when the image is not valid or the encoder
// failed (a libpng or libjpeg error included). Nothing is ever half-made.
std::optional<std::string> encodeImage(ImageFormat format, const Image& image);

std::optional<std::string> encodePng(const Image& image);
// True when the image looks like screen content (flat areas, text) rather than a photograph: a
// good share of sampled pixels equal their left neighbour. It picks how encodePng compresses.
bool looksLikeScreenContent(const Image& image);
std::optional<std::string> encodeJpeg(const Image& image, int quality = kJpegQuality);
// A ".bmp" file: the file header followed by the packed bitmap below.
std::optional<std::string> encodeBmp(const Image& image);
// What CF_DIB holds: a BITMAPINFOHEADER and 24-bit pixels, rows bottom-up, each padded to four
// bytes. Bottom-up, because not every program that pastes reads a negative height.
std::optional<std::string> encodePackedDib(const Image& image);

} // namespace zorbel
