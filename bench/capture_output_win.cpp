// How long a capture takes on its way out: the screen copy, the three encoders and the clipboard
// copy, for the whole screen and for a 1920 x 1080 image like a desktop (flat areas, text-like
// detail, gradients), and a capture of the whole screen to the clipboard (`make bench` gives it a
// 3840 x 2160 screen).
//   capture_output_win [runs]      (default 9)
// Prints one "name: value" line per figure (median milliseconds, and file sizes).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "capture/ImageEncoding.h"
#include "capture/ImageOutput_win.h"
#include "capture/ScreenCapture_win.h"

namespace {

using namespace zorbel;
using zorbel::test::nowMs;

template <typename Work>
double medianMs(int runs, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = nowMs();
        work();
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Image desktopLike(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    unsigned seed = 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            if (y < 40 || x < 300) { // title bars and a side panel: gradients
                p[0] = static_cast<std::uint8_t>(x / 8);
                p[1] = static_cast<std::uint8_t>(y * 2);
                p[2] = 120;
            } else if ((y / 16) % 2 == 0 && x % 600 < 500) { // lines of "text"
                seed = seed * 1103515245u + 12345u;
                const std::uint8_t ink = (seed >> 16) % 3 == 0 ? 20 : 250;
                p[0] = p[1] = p[2] = ink;
            } else {
                p[0] = p[1] = p[2] = 250;
            }
            p[3] = 0;
        }
    }
    return image;
}

void measure(const char* name, const Image& image, int runs) {
    for (const auto& [label, format] : {std::pair{"png", ImageFormat::Png}, std::pair{"jpg", ImageFormat::Jpg},
                                        std::pair{"bmp", ImageFormat::Bmp}}) {
        std::size_t size = 0;
        const double ms = medianMs(runs, [&] { size = encodeImage(format, image).bytes.size(); });
        std::printf("%s_%s_encode_ms: %.1f\n%s_%s_bytes: %zu\n", name, label, ms, name, label, size);
    }
    const double clipboard = medianMs(runs, [&] { (void)copyImageToClipboard(image, coreWindow()); });
    std::printf("%s_clipboard_ms: %.1f\n", name, clipboard);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    bindFunctions();
    if (!createCoreWindow(GetModuleHandleW(nullptr))) return 1;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    Image screen;
    const double copy = medianMs(runs, [&] { screen = copyScreenRect(width, height, 0, 0).image; });
    std::printf("screen: %dx%d\nscreen_copy_ms: %.1f\n", width, height, copy);
    measure("screen", screen, runs);
    // What a region capture of the whole screen does before any save dialogue: the screen copy and
    // the clipboard copy.
    const double toClipboard = medianMs(runs, [&] {
        const Image captured = copyScreenRect(width, height, 0, 0).image;
        (void)copyImageToClipboard(captured, coreWindow());
    });
    std::printf("screen_to_clipboard_ms: %.1f\n", toClipboard);
    measure("desktop1080", desktopLike(1920, 1080), runs);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}
