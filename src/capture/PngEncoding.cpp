// PNG through libpng: 8-bit RGB without alpha, written to memory.
#include <png.h>

#include <csetjmp>

#include "capture/ImageEncoding.h"

namespace zorbel {
namespace {

// libpng reports errors with longjmp. The one function that calls setjmp holds no object with a
// destructor, so the jump skips nothing that needs cleaning up; the caller frees the structures.
[[noreturn]] void failEncoding(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

struct PngSink {
    std::string bytes;
    bool outOfMemory = false;
};

void appendToSink(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    try {
        sink->bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
        sink->outOfMemory = true;
    }
    // Outside the catch block: a longjmp must not leave one.
    if (sink->outOfMemory) png_error(png, "out of memory");
}

void flushNothing(png_structp) {}

bool writeRows(png_structp png, png_infop info, const Image& image, PngSink* sink) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, sink, appendToSink, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The rows hold blue, green, red and an unused byte per pixel.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height; ++y) png_write_row(png, image.pixel(0, y));
    png_write_end(png, info);
    return true;
}

class PngWriteStruct {
public:
    PngWriteStruct() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failEncoding, ignoreWarning);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~PngWriteStruct() {
        if (png_) png_destroy_write_struct(&png_, info_ ? &info_ : nullptr);
    }
    PngWriteStruct(const PngWriteStruct&) = delete;
    PngWriteStruct& operator=(const PngWriteStruct&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

} // namespace

std::optional<std::string> encodePng(const Image& image) {
    if (!isValidCapture(image)) return std::nullopt;
    PngWriteStruct writer;
    if (!writer.png() || !writer.info()) return std::nullopt;
    PngSink sink;
    if (!writeRows(writer.png(), writer.info(), image, &sink)) return std::nullopt;
    return std::move(sink.bytes);
}

} // namespace zorbel
