#include "capture/ImageEncoding.h"

#include <cstring>
#include <limits>
#include <new>

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

// Reserves the whole output at once, so that a picture too large for the memory fails here,
// before anything is written, and not half-way.
void reserveOutput(std::string& out, std::size_t bytes, std::size_t memoryLimit) {
    if (bytes > memoryLimit) throw std::bad_alloc();
    out.reserve(bytes);
}

// Runs an encoder that may throw std::bad_alloc (or std::length_error, its cousin for sizes no
// string can have) and turns that into OutOfMemory: nothing may throw into a window procedure.
template <typename Encode>
EncodedImage withoutThrowing(Encode encode) noexcept {
    try {
        return encode();
    } catch (...) {
        return {ImageFailure::OutOfMemory, {}};
    }
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

    // The rows, padding included, are made in place: a call a pixel cost more than the copy.
    const std::size_t stride = pixelBytes / static_cast<std::uint32_t>(image.height);
    const auto width = static_cast<std::size_t>(image.width);
    std::size_t at = out.size();
    out.resize(at + pixelBytes, '\0');
    auto* rows = reinterpret_cast<unsigned char*>(out.data());
    for (int y = image.height - 1; y >= 0; --y, at += stride) {
        const std::uint8_t* pixel = image.pixel(0, y);
        unsigned char* row = rows + at;
        // Blue, green, red: each pixel but the last as four bytes, the next one overwriting the
        // fourth.
        for (std::size_t x = 0; x + 1 < width; ++x) std::memcpy(row + x * 3, pixel + x * kImageChannels, 4);
        std::memcpy(row + (width - 1) * 3, pixel + (width - 1) * kImageChannels, 3);
    }
}

} // namespace

bool isValidCapture(const Image& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    const std::uint64_t expected =
        static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height) * kImageChannels;
    return image.pixels.size() == expected;
}

EncodedImage encodeImage(ImageFormat format, const Image& image) {
    if (!isValidCapture(image)) return {ImageFailure::InvalidImage, {}};
    return withoutThrowing([&]() -> EncodedImage {
        std::optional<std::string> bytes;
        switch (format) {
        case ImageFormat::Png:
            if (image.width > kMaxPngSide || image.height > kMaxPngSide) return {ImageFailure::TooLargeForFormat, {}};
            bytes = encodePng(image);
            break;
        case ImageFormat::Jpg:
            if (image.width > kMaxJpegSide || image.height > kMaxJpegSide) return {ImageFailure::TooLargeForFormat, {}};
            bytes = encodeJpeg(image);
            break;
        case ImageFormat::Bmp:
            return encodeBmp(image);
        default:
            return {ImageFailure::InvalidImage, {}}; // no such file type
        }
        // Sizes are checked above, so what is left for libpng, zlib and libjpeg to fail on is
        // memory.
        if (!bytes) return {ImageFailure::OutOfMemory, {}};
        return {ImageFailure::None, std::move(*bytes)};
    });
}

EncodedImage encodePackedDib(const Image& image, std::size_t memoryLimit) {
    if (!isValidCapture(image)) return {ImageFailure::InvalidImage, {}};
    const auto pixelBytes = dibPixelBytes(image);
    if (!pixelBytes) return {ImageFailure::TooLargeForFormat, {}};
    return withoutThrowing([&] {
        EncodedImage encoded;
        reserveOutput(encoded.bytes, kBitmapInfoHeaderSize + *pixelBytes, memoryLimit);
        appendInfoHeaderAndPixels(encoded.bytes, image, *pixelBytes);
        return encoded;
    });
}

EncodedImage encodeBmp(const Image& image, std::size_t memoryLimit) {
    if (!isValidCapture(image)) return {ImageFailure::InvalidImage, {}};
    const auto pixelBytes = dibPixelBytes(image);
    if (!pixelBytes) return {ImageFailure::TooLargeForFormat, {}};
    const std::uint32_t offset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
    return withoutThrowing([&] {
        EncodedImage encoded;
        std::string& out = encoded.bytes;
        reserveOutput(out, offset + *pixelBytes, memoryLimit);
        out += "BM";
        putLe32(out, offset + *pixelBytes);
        putLe16(out, 0);
        putLe16(out, 0);
        putLe32(out, offset);
        appendInfoHeaderAndPixels(out, image, *pixelBytes);
        return encoded;
    });
}

ImageFailureNotice imageFailureNotice(ImageFailure failure, std::optional<ImageFormat> format,
                                      std::uint32_t systemError) {
    using Kind = ImageFailureNotice::Kind;
    switch (failure) {
    case ImageFailure::None:
        return {};
    case ImageFailure::InvalidImage:
        return {Kind::InvalidImage, 0, {}};
    case ImageFailure::OutOfMemory:
        return {Kind::SystemText, kErrorNotEnoughMemory, {}};
    case ImageFailure::WriteFailed:
        return {Kind::SystemText, systemError != 0 ? systemError : kErrorWriteFault, {}};
    case ImageFailure::TooLargeForFormat:
        break;
    }
    if (!format) return {Kind::Text, 0, u"The image is too large for the clipboard (at most 4 GB)."};
    switch (*format) {
    case ImageFormat::Png:
        return {Kind::Text, 0, u"The image is too large for the PNG format (at most 1,000,000 pixels a side)."};
    case ImageFormat::Jpg:
        return {Kind::Text, 0, u"The image is too large for the JPG format (at most 65,500 pixels a side)."};
    case ImageFormat::Bmp:
        break;
    }
    return {Kind::Text, 0, u"The image is too large for the BMP format (a file of at most 4 GB)."};
}

} // namespace zorbel
