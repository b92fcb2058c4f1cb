// How long the tray menu rebuild takes with many listed windows, and what the process holds
// afterwards.
//   menu_rebuild_win [windows] [runs]      (defaults 200 and 50)
// The windows belong to a second thread that pumps its messages, so the responsiveness test and
// the icon queries cross threads as they do for other programs' windows. Each has an icon of its
// own. Prints one "name: value" line per figure.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"

namespace {

using namespace zorbel;

using zorbel::test::nowMs;

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// A small icon of one colour with a transparent corner, different for every window.
HICON makeIcon(int index) {
    constexpr int kSide = 16;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueBitmap mask(CreateBitmap(kSide, kSide, 1, 1, nullptr));
    if (!colour || !mask) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::uint32_t rgb = (static_cast<std::uint32_t>(index * 37) & 0xFF) << 16 |
                              (static_cast<std::uint32_t>(index * 91) & 0xFF) << 8 | (index * 53 & 0xFF);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) pixels[y * kSide + x] = (x + y < 6 ? 0u : 0xFF000000u | rgb);
    ICONINFO icon{TRUE, 0, 0, mask.get(), colour.get()};
    return CreateIconIndirect(&icon);
}

PROCESS_MEMORY_COUNTERS_EX memoryCounters() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    return memory;
}

struct Timings {
    double median;
    double p90;
};

template <typename BeforeEach>
Timings timeRebuilds(int runs, BeforeEach beforeEach) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        beforeEach(run);
        test::pumpMessages();
        const double start = nowMs();
        rebuildTrayMenu();
        times.push_back(nowMs() - start);
    }
    return {percentile(times, 0.5), percentile(times, 0.9)};
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int windowCount = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 50;

    bindFunctions();
    if (!createCoreWindow(GetModuleHandleW(nullptr))) {
        std::fprintf(stderr, "cannot create the core window\n");
        return 1;
    }
    (void)reloadMenuIconsIfDpiChanged();

    test::WindowThread owner;
    std::vector<HWND> windows;
    std::vector<HICON> icons;
    for (int i = 0; i < windowCount; ++i) {
        test::WindowShape shape;
        shape.title = L"Benchmark window " + std::to_wstring(i);
        shape.x = 20 + (i % 40) * 20;
        shape.y = 20 + (i % 25) * 20;
        HWND hwnd = owner.createWindow(shape);
        if (!hwnd) {
            std::fprintf(stderr, "cannot create window %d\n", i);
            return 1;
        }
        icons.push_back(makeIcon(i));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.back()));
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.back()));
        windows.push_back(hwnd);
    }

    const PROCESS_MEMORY_COUNTERS_EX before = memoryCounters();

    // The first rebuild reads every title and makes every icon; later ones find them cached.
    const double firstStart = nowMs();
    rebuildTrayMenu();
    const double firstMs = nowMs() - firstStart;
    const int listed = listedWindowCount();
    if (listed < windowCount) {
        std::fprintf(stderr, "only %d of the %d windows are listed\n", listed, windowCount);
        return 1;
    }

    const Timings cached = timeRebuilds(runs, [](int) {});
    // Every title changes before each rebuild: every icon is made again.
    const Timings retitled = timeRebuilds(runs, [&](int run) {
        for (std::size_t i = 0; i < windows.size(); ++i)
            SetWindowTextW(windows[i], (L"Benchmark window " + std::to_wstring(i) + L" pass " + std::to_wstring(run)).c_str());
    });

    const PROCESS_MEMORY_COUNTERS_EX memory = memoryCounters();

    std::printf("listed windows: %d (%d of them the benchmark's)\n", listed, windowCount);
    std::printf("first rebuild (titles and icons made): %.2f ms\n", firstMs);
    std::printf("cached rebuild, median of %d: %.2f ms\n", runs, cached.median);
    std::printf("cached rebuild, p90: %.2f ms\n", cached.p90);
    std::printf("rebuild after every title changed, median of %d: %.2f ms\n", runs, retitled.median);
    std::printf("rebuild after every title changed, p90: %.2f ms\n", retitled.p90);
    // Wine leaves PrivateUsage at 0; the commit charge (PagefileUsage) is the private memory there.
    std::printf("private bytes: %.1f MiB (commit charge %.1f MiB)\n",
                static_cast<double>(memory.PrivateUsage) / (1024.0 * 1024.0),
                static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0));
    std::printf("commit charge added by the rebuilds (menu, table, %d x 10 icon images): %.1f MiB\n", listed,
                static_cast<double>(memory.PagefileUsage - before.PagefileUsage) / (1024.0 * 1024.0));
    std::printf("working set: %.1f MiB (peak %.1f MiB)\n", static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0),
                static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    std::printf("GDI objects: %lu, USER objects: %lu\n", GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    std::fflush(stdout);

    // The process ends here without taking its windows down one by one: under Wine without a
    // window manager every shown window that is destroyed costs a two-second wait.
    ExitProcess(0);
}
