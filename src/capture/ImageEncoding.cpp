#include "capture/ImageEncoding.h"

#include <limits>

namespace zorbel {
namespace {

constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

void putLe16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void putLe32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Bytes of one 24-bit row, padded to a multiple of four; nothing when it does not fit 32 bits.
std::optional<std::uint32_t> dibRowStride(int width) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    if (stride > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(stride);
}

// The pixel bytes of a 24-bit bottom-up DIB; nothing when the file would pass 4 GiB.
std::optional<std::uint32_t> dibPixelBytes(const Image& image) {
    const auto stride = dibRowStride(image.width);
    if (!stride) return std::nullopt;
    const std::uint64_t total = static_cast<std::uint64_t>(*stride) * static_cast<std::uint64_t>(image.height);
    if (total > std::numeric_limits<std::uint32_t>::max() - kBitmapFileHeaderSize - kBitmapInfoHeaderSize)
        return std::nullopt;
    return static_cast<std::uint32_t>(total);
}

void appendInfoHeaderAndPixels(std::string& out, const Image& image, std::uint32_t pixelBytes) {
    putLe32(out, kBitmapInfoHeaderSize);
    putLe32(out, static_cast<std::uint32_t>(image.width));
    putLe32(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up
    putLe16(out, 1);                                        // planes
    putLe16(out, 24);                                       // bits per pixel
    putLe32(out, 0);                                        // BI_RGB
    putLe32(out, pixelBytes);
    putLe32(out, kPixelsPerMetreAt96Dpi);
    putLe32(out, kPixelsPerMetreAt96Dpi);
    putLe32(out, 0); // colours used
    putLe32(out, 0); // colours important

    const std::size_t padding = pixelBytes / static_cast<std::uint32_t>(image.height) -
                                static_cast<std::size_t>(image.width) * 3;
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* pixel = image.pixel(0, y);
        for (int x = 0; x < image.width; ++x, pixel += kImageChannels)
            out.append(reinterpret_cast<const char*>(pixel), 3); // blue, green, red
        out.append(padding, '\0');
    }
}

} // namespace

bool isValidCapture(const Image& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    const std::uint64_t expected =
        static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height) * kImageChannels;
    return image.pixels.size() == expected;
}

std::optional<std::string> encodeImage(ImageFormat format, const Image& image) {
    switch (format) {
    case ImageFormat::Png:
        return encodePng(image);
    case ImageFormat::Bmp:
        return encodeBmp(image);
    case ImageFormat::Jpg:
        return encodeJpeg(image);
    }
    return std::nullopt;
}

std::optional<std::string> encodePackedDib(const Image& image) {
    if (!isValidCapture(image)) return std::nullopt;
    const auto pixelBytes = dibPixelBytes(image);
    if (!pixelBytes) return std::nullopt;
    std::string out;
    out.reserve(kBitmapInfoHeaderSize + *pixelBytes);
    appendInfoHeaderAndPixels(out, image, *pixelBytes);
    return out;
}

std::optional<std::string> encodeBmp(const Image& image) {
    if (!isValidCapture(image)) return std::nullopt;
    const auto pixelBytes = dibPixelBytes(image);
    if (!pixelBytes) return std::nullopt;
    const std::uint32_t offset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
    std::string out;
    out.reserve(offset + *pixelBytes);
    out += "BM";
    putLe32(out, offset + *pixelBytes);
    putLe16(out, 0);
    putLe16(out, 0);
    putLe32(out, offset);
    appendInfoHeaderAndPixels(out, image, *pixelBytes);
    return out;
}

} // namespace zorbel
