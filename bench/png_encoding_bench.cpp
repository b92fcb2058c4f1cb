// Times the capture encoders against libpng's defaults (zlib level 6, adaptive filters) on the
// PNG files named on the command line, or on synthetic screen and photo pictures without any.
// The plain copy of the pixels is the floor no encoder can beat. The pictures people capture:
//
//   scripts/make-corpus.sh && build/native/png_encoding_bench build/corpus/*.png
//   png_encoding_bench --check FOLDER file.png ...   no timing: writes our files into FOLDER and
//                                                     prints each picture's sizes (tests use it)
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "capture/ImageEncoding.h"
#include "capture/LibpngReference.h"

namespace zorbel {
namespace {

constexpr int kRuns = 5;

void fillRect(Image& image, int left, int top, int width, int height, std::uint32_t bgr) {
    for (int y = std::max(0, top); y < std::min(image.height, top + height); ++y)
        for (int x = std::max(0, left); x < std::min(image.width, left + width); ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = bgr & 0xFF;
            p[1] = (bgr >> 8) & 0xFF;
            p[2] = (bgr >> 16) & 0xFF;
            p[3] = 0;
        }
}

// A desktop: a gradient wallpaper, overlapping windows with gradient title bars, lines of
// anti-aliased "text", toolbar icons, a taskbar.
Image desktopLike(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(120 + 100 * y / height);
            p[1] = static_cast<std::uint8_t>(60 + 80 * x / width);
            p[2] = static_cast<std::uint8_t>(30 + 40 * (x + y) / (width + height));
            p[3] = 0;
        }
    std::uint32_t seed = 7;
    auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    const int windows = 6;
    for (int w = 0; w < windows; ++w) {
        const int left = static_cast<int>(next(static_cast<std::uint32_t>(width / 2)));
        const int top = static_cast<int>(next(static_cast<std::uint32_t>(height / 2)));
        const int right = std::min(width, left + width / 3 + static_cast<int>(next(static_cast<std::uint32_t>(width / 3))));
        const int bottom = std::min(height - 40, top + height / 3 + static_cast<int>(next(static_cast<std::uint32_t>(height / 3))));
        fillRect(image, left, top, right - left, bottom - top, 0xFFFFFF);
        for (int y = top; y < top + 30 && y < bottom; ++y) // title bar, a horizontal gradient
            for (int x = left; x < right; ++x) {
                std::uint8_t* p = image.pixel(x, y);
                p[0] = static_cast<std::uint8_t>(200 - 60 * (x - left) / std::max(1, right - left));
                p[1] = 120;
                p[2] = 40;
            }
        for (int i = 0; i < 8; ++i) // toolbar icons
            for (int y = top + 36; y < top + 52 && y < bottom; ++y)
                for (int x = left + 8 + i * 24; x < left + 24 + i * 24 && x < right; ++x) {
                    std::uint8_t* p = image.pixel(x, y);
                    p[0] = static_cast<std::uint8_t>(x * 13 + i * 40);
                    p[1] = static_cast<std::uint8_t>(y * 7);
                    p[2] = static_cast<std::uint8_t>(i * 30);
                }
        for (int line = top + 60; line + 12 < bottom; line += 18) { // text from a font of 60 glyphs
            int x = left + 10;
            while (x + 10 < right - 10) {
                const int glyph = static_cast<int>(next(60));
                if (glyph < 8) {
                    x += 4; // a space
                    continue;
                }
                const int glyphWidth = 5 + glyph % 4;
                const std::uint32_t shape = static_cast<std::uint32_t>(glyph) * 2654435761u;
                for (int gy = 0; gy < 11; ++gy)
                    for (int gx = 0; gx < glyphWidth; ++gx) {
                        const bool ink = (shape >> ((gy * 3 + gx) % 32) & 1) &&
                                         (gx == 0 || gy % 5 == 0 || gx == glyphWidth - 1);
                        if (!ink) continue;
                        // Anti-aliased: the right edge of a stroke is grey.
                        const std::uint8_t level = static_cast<std::uint8_t>(gx == glyphWidth - 1 ? 140 : 20);
                        std::uint8_t* p = image.pixel(x + gx, line + gy);
                        p[0] = p[1] = p[2] = level;
                    }
                x += glyphWidth + 2;
            }
        }
    }
    fillRect(image, 0, height - 40, width, 40, 0x202020); // taskbar
    return image;
}

// A photograph: smooth light and colour over the frame, fine texture and sensor noise.
Image photoLike(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    std::uint32_t seed = 99;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            const double light = 0.5 + 0.3 * std::sin(u * 5.0 + v * 3.0) + 0.15 * std::cos(v * 11.0 - u * 2.0);
            const double texture = 6.0 * std::sin(x * 0.31 + std::sin(y * 0.07) * 4.0);
            const int noise = static_cast<int>(seed >> 28) - 8;
            std::uint8_t* p = image.pixel(x, y);
            const double base = 255.0 * light + texture;
            p[0] = static_cast<std::uint8_t>(std::clamp(base * 0.7 + noise, 0.0, 255.0));
            p[1] = static_cast<std::uint8_t>(std::clamp(base * 0.9 + noise / 2, 0.0, 255.0));
            p[2] = static_cast<std::uint8_t>(std::clamp(base + 20.0 * u + noise, 0.0, 255.0));
            p[3] = 0;
        }
    return image;
}

// ---- libpng with its defaults, the reference -------------------------------------------------

bool decodesTo(const std::string& bytes, const Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return false;
    png.format = PNG_FORMAT_BGR;
    std::vector<std::uint8_t> bgr(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, bgr.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    for (std::size_t i = 0, n = bgr.size() / 3; i < n; ++i)
        if (std::memcmp(&bgr[i * 3], &image.pixels[i * 4], 3) != 0) return false;
    return true;
}

// ---- Timing --------------------------------------------------------------------------------------

struct Result {
    double milliseconds = 0; // best of kRuns
    std::size_t bytes = 0;
};

Result timeBest(const std::function<std::size_t()>& run) {
    Result result;
    result.milliseconds = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        result.bytes = run();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        result.milliseconds = std::min(result.milliseconds, elapsed.count());
    }
    return result;
}

// One line per picture: the times and sizes of libpng's defaults and ours, then the ratio of the
// times and the change in size. JPEG and the plain copy come after, for the floor and the scale.
void report(const std::string& name, const Image& image) {
    const Result libpng = timeBest([&] { return test::writeWithLibpngDefaults(image).size(); });
    const Result ours = timeBest([&] { return encodePng(image).value_or(std::string()).size(); });
    const Result copy = timeBest([&] {
        std::vector<std::uint8_t> pixels = image.pixels;
        return pixels.size();
    });
    const Result jpeg = timeBest([&] { return encodeJpeg(image).value_or(std::string()).size(); });
    const auto file = encodePng(image);
    const bool exact = file && decodesTo(*file, image);
    std::printf("%-28s %9s %-6s %8.1f %8.1f %6.2fx %+6.1f %% %11zu %11zu %7.1f %7.1f%s\n", name.c_str(),
                (std::to_string(image.width) + "x" + std::to_string(image.height)).c_str(),
                looksLikeScreenContent(image) ? "screen" : "photo", libpng.milliseconds, ours.milliseconds,
                libpng.milliseconds / ours.milliseconds,
                100.0 * (static_cast<double>(ours.bytes) / static_cast<double>(libpng.bytes) - 1.0), libpng.bytes,
                ours.bytes, jpeg.milliseconds, copy.milliseconds, exact ? "" : "  ** DOES NOT DECODE EXACTLY **");
    std::fflush(stdout);
}

// --check: no timing. Writes our file of the picture into folder and prints one line: the name,
// the probe's verdict, libpng's size and ours, and the change; false when ours does not decode
// through libpng to exactly the picture.
bool check(const std::string& name, const Image& image, const std::string& folder) {
    const std::size_t libpng = test::writeWithLibpngDefaults(image).size();
    const auto ours = encodePng(image);
    const bool exact = ours && decodesTo(*ours, image);
    if (ours) {
        if (FILE* file = std::fopen((folder + "/" + name).c_str(), "wb")) {
            std::fwrite(ours->data(), 1, ours->size(), file);
            std::fclose(file);
        }
    }
    const std::size_t size = ours ? ours->size() : 0;
    std::printf("%s %s %zu %zu %+.1f%s\n", name.c_str(), looksLikeScreenContent(image) ? "screen" : "photo", libpng,
                size, 100.0 * (static_cast<double>(size) / static_cast<double>(libpng) - 1.0),
                exact ? "" : " DOES-NOT-DECODE-EXACTLY");
    return exact;
}

// The file name without its folder.
std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace
} // namespace zorbel

int main(int argc, char** argv) {
    using namespace zorbel;
    if (argc >= 3 && std::string(argv[1]) == "--check") {
        bool allExact = true;
        for (int i = 3; i < argc; ++i) {
            const auto image = test::readPngFile(argv[i]);
            if (!image) {
                std::fprintf(stderr, "%s: not a readable PNG\n", argv[i]);
                allExact = false;
                continue;
            }
            allExact = check(baseName(argv[i]), *image, argv[2]) && allExact;
        }
        return allExact ? 0 : 1;
    }
    std::printf("best of %d runs each; times in ms; ratio = libpng's time / ours; size = ours against libpng's\n", kRuns);
    std::printf("%-28s %9s %-6s %8s %8s %7s %8s %11s %11s %7s %7s\n", "picture", "size", "probe", "libpng", "ours",
                "ratio", "size", "libpng B", "ours B", "jpeg", "copy");
    if (argc == 1) {
        report("synthetic desktop", desktopLike(1920, 1080));
        report("synthetic desktop", desktopLike(3840, 2160));
        report("synthetic photo", photoLike(3840, 2160));
    }
    for (int i = 1; i < argc; ++i) {
        const auto image = test::readPngFile(argv[i]);
        if (!image) {
            std::fprintf(stderr, "%s: not a readable PNG\n", argv[i]);
            continue;
        }
        report(baseName(argv[i]), *image);
    }
    return 0;
}
