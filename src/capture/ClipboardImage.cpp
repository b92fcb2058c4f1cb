#include "capture/ClipboardImage.h"

#include <cstdint>
#include <limits>

#include "capture/ImageEncoding.h"

namespace zorbel {
namespace {

constexpr std::uint32_t kUncompressed = 0; // BI_RGB
constexpr std::uint64_t kColourTableEntry = 4;

std::uint32_t le32(std::string_view bytes, std::size_t at) {
    return std::uint32_t{static_cast<std::uint8_t>(bytes[at])} |
           (std::uint32_t{static_cast<std::uint8_t>(bytes[at + 1])} << 8) |
           (std::uint32_t{static_cast<std::uint8_t>(bytes[at + 2])} << 16) |
           (std::uint32_t{static_cast<std::uint8_t>(bytes[at + 3])} << 24);
}

std::uint16_t le16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

} // namespace

std::optional<Image> imageFromPackedDib(std::string_view dib) {
    if (dib.size() < kBitmapInfoHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = le32(dib, 0);
    const auto width = static_cast<std::int32_t>(le32(dib, 4));
    const auto height = static_cast<std::int32_t>(le32(dib, 8));
    const std::uint16_t bitCount = le16(dib, 14);
    const std::uint32_t compression = le32(dib, 16);
    const std::uint32_t coloursUsed = le32(dib, 32);
    if (headerSize < kBitmapInfoHeaderSize || headerSize > dib.size() || compression != kUncompressed ||
        (bitCount != 24 && bitCount != 32) || width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    const bool topDown = height < 0;
    // In 64 bits: a 32-bit size_t would wrap on a wide enough header.
    const std::uint64_t rows = topDown ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(height))
                                       : static_cast<std::uint64_t>(height);
    const auto columns = static_cast<std::uint64_t>(width);
    const std::uint64_t bytesPerPixel = bitCount / 8u;
    const std::uint64_t stride = (columns * bytesPerPixel + 3) & ~std::uint64_t{3};
    const std::uint64_t bitsAt = std::uint64_t{headerSize} + std::uint64_t{coloursUsed} * kColourTableEntry;
    if (bitsAt > dib.size() || rows > (dib.size() - bitsAt) / stride) return std::nullopt;

    Image image;
    image.width = width;
    image.height = static_cast<int>(rows);
    image.pixels.resize(static_cast<std::size_t>(columns * rows * kImageChannels));
    const auto* bits = reinterpret_cast<const std::uint8_t*>(dib.data()) + bitsAt;
    for (std::uint64_t y = 0; y < rows; ++y) {
        const std::uint8_t* source = bits + static_cast<std::size_t>((topDown ? y : rows - 1 - y) * stride);
        std::uint8_t* target = image.pixel(0, static_cast<int>(y));
        for (std::uint64_t x = 0; x < columns; ++x, source += bytesPerPixel, target += kImageChannels) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
            target[3] = 0;
        }
    }
    return image;
}

std::optional<std::string> pngFromPackedDib(std::string_view dib) {
    try {
        const std::optional<Image> image = imageFromPackedDib(dib);
        if (!image) return std::nullopt;
        return encodePng(*image);
    } catch (...) { // out of memory for the pixels
        return std::nullopt;
    }
}

} // namespace zorbel
