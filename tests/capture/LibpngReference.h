// libpng as the reference the PNG encoder is held against, shared by the native tests and the
// encoding benchmark: its reader, and its writer with its default settings.
#pragma once

#include <png.h>

#include <csetjmp>
#include <optional>
#include <string>

#include "app/ImageOps.h"

namespace zorbel::test {

// A PNG read by libpng's simplified reader, begun by the caller, as BGRX with the fourth byte 255.
inline std::optional<Image> finishPngRead(png_image& png) {
    png.format = PNG_FORMAT_BGRA;
    Image image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

inline std::optional<Image> decodePngBytes(const std::string& bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
    return finishPngRead(png);
}

inline std::optional<Image> readPngFile(const char* path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path)) return std::nullopt;
    return finishPngRead(png);
}

// The file libpng writes of the image with its defaults (level 6, the five filters weighed by
// the sum of absolute differences); empty when libpng fails.
inline std::string writeWithLibpngDefaults(const Image& image) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t length) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), length);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height; ++y) png_write_row(png, const_cast<std::uint8_t*>(image.pixel(0, y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace zorbel::test
