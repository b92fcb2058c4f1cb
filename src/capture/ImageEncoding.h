// File formats of captured images. A capture is a 32-bit image with its bytes in DIB order (blue,
// green, red, unused), rows top-down; every encoder writes the colours only, so the picture comes
// out fully opaque whatever the fourth byte holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "app/ImageOps.h"

namespace zorbel {

// The order of the save dialogue's file types; the value is what the settings store.
enum class ImageFormat : std::int32_t { Png = 0, Bmp = 1, Jpg = 2 };

inline constexpr int kJpegQuality = 100;

// Sizes of the headers of a Windows bitmap.
inline constexpr std::uint32_t kBitmapFileHeaderSize = 14;
inline constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

// The largest side each format takes: libpng's readers refuse a wider or taller PNG by default,
// and JPEG cannot hold more (JPEG_MAX_DIMENSION).
inline constexpr int kMaxPngSide = 1'000'000;
inline constexpr int kMaxJpegSide = 65'500;

// Why an image did not become a file or a clipboard copy.
enum class ImageFailure {
    None,
    InvalidImage,      // no size, or not exactly width * height * 4 bytes
    OutOfMemory,       // the encoder could not have the memory it needs
    TooLargeForFormat, // the format cannot hold a picture of that size
    WriteFailed,       // the file or the clipboard refused it
};

// An encoder's output: the bytes, or why there are none. Nothing is ever half-made.
struct EncodedImage {
    ImageFailure failure = ImageFailure::None;
    std::string bytes;

    explicit operator bool() const { return failure == ImageFailure::None; }
};

// No limit on the memory an encoder's output may take but the system's own.
inline constexpr std::size_t kNoMemoryLimit = std::numeric_limits<std::size_t>::max();

// True when the image has a size and exactly width * height * 4 bytes.
bool isValidCapture(const Image& image);

// The bytes of a file of that format. Never throws: an allocation that fails anywhere in an
// encoder is OutOfMemory (a capture of several 8K screens needs about 10 bytes a pixel at once).
EncodedImage encodeImage(ImageFormat format, const Image& image);

std::optional<std::string> encodePng(const Image& image);
// True when the image looks like screen content (flat areas, text, gradients) rather than a
// photograph: hardly any sampled pixel differs a little from its left neighbour and from the
// pixel above. encodePng asks it of each band of rows and compresses the band to suit.
bool looksLikeScreenContent(const Image& image);
// The bands of rows encodePng deflates side by side on that many cores, and which of them it
// deflates as photographs.
struct PngBandPlan {
    int firstRow = 0;
    int endRow = 0;
    bool photo = false;
    bool operator==(const PngBandPlan&) const = default;
};
std::vector<PngBandPlan> planPngBands(const Image& image, unsigned cores);
std::optional<std::string> encodeJpeg(const Image& image, int quality = kJpegQuality);
// A ".bmp" file: the file header followed by the packed bitmap below. memoryLimit is the most
// bytes the output may take; a larger output fails as an allocation the system refused would.
EncodedImage encodeBmp(const Image& image, std::size_t memoryLimit = kNoMemoryLimit);
// What CF_DIB holds: a BITMAPINFOHEADER and 24-bit pixels, rows bottom-up, each padded to four
// bytes. Bottom-up, because not every program that pastes reads a negative height.
EncodedImage encodePackedDib(const Image& image, std::size_t memoryLimit = kNoMemoryLimit);

// What the user is told when an image could not be saved or copied.
struct ImageFailureNotice {
    enum class Kind {
        Nothing,      // no failure
        InvalidImage, // the warning balloon 8, "The captured image is not a valid image format."
        SystemText,   // the system's text for systemCode
        Text,         // text, naming the format's limit
    };
    Kind kind = Kind::Nothing;
    std::uint32_t systemCode = 0;
    std::u16string text;

    bool operator==(const ImageFailureNotice&) const = default;
};

inline constexpr std::uint32_t kErrorNotEnoughMemory = 8; // ERROR_NOT_ENOUGH_MEMORY
inline constexpr std::uint32_t kErrorWriteFault = 29;     // ERROR_WRITE_FAULT

// format is the file type, or nothing for the clipboard copy. systemError is the Win32 error of
// a refused write (a failed write without one is shown as ERROR_WRITE_FAULT).
ImageFailureNotice imageFailureNotice(ImageFailure failure, std::optional<ImageFormat> format,
                                      std::uint32_t systemError);

} // namespace zorbel
