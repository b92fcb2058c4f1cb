// How long the tray menu rebuild takes with many listed windows, what the process holds
// afterwards, and how long a tray click takes to show the menu while windows answer slowly.
//   menu_rebuild_win [windows] [runs] [clicks]      (defaults 200, 50 and 12; clicks 0: no click figures)
// First the click figures: 40, then 120 windows, each on a thread of its own, answer WM_NULL and
// WM_GETICON after 90 ms; the one-second timer rebuilds the menu on every tick (as under Wine,
// where no shell notification arrives), and a second thread posts the tray click at random moments
// (during a rebuild or not), as the shell does, and waits for the popup menu window to show.
// Then the rebuild figures: the windows belong to one second thread that pumps its messages, so
// the responsiveness test and the icon queries cross threads as they do for other programs'
// windows. Each has an icon of its own. Prints one "name: value" line per figure.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <random>
#include <thread>
#include <cwchar>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/TrayIcon_win.h"
#include "app/TimerPolicy.h"
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

// GDI objects in use. Wine's GetGuiResources reports 0; there the free slots of the GDI table are
// counted instead (by taking them all and giving them back), and a difference of two counts is
// the difference of the objects held.
struct GdiCount {
    long value;
    bool freeSlots; // value counts free slots, not objects held
};

GdiCount gdiCount() {
    const DWORD held = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (held > 0) return {static_cast<long>(held), false};
    std::vector<UniqueBrush> brushes;
    while (brushes.size() < (1u << 18)) {
        UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        if (!brush) break;
        brushes.push_back(std::move(brush));
    }
    return {static_cast<long>(brushes.size()), true};
}

long gdiObjectsAdded(const GdiCount& before, const GdiCount& after) {
    return after.freeSlots ? before.value - after.value : after.value - before.value;
}

// ---- Tray click to visible menu ----------------------------------------------------------------

bool popupMenuVisible() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

std::atomic<bool> menuSeen{false};

// Closes the menu from inside its modal loop once the clicking thread has seen it.
void CALLBACK closeSeenMenu(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (menuSeen && isTrayMenuShown()) EndMenu();
}

// Click-to-menu times in ms; empty when a menu never showed.
std::vector<double> clickLatencies(int clicks) {
    const DWORD guiThread = GetCurrentThreadId();
    std::vector<double> latencies;
    bool failed = false;
    std::thread clicker([&] {
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> pause(0, 999);
        Sleep(1500); // the first tick builds the first menu
        for (int click = 0; click < clicks && !failed; ++click) {
            Sleep(static_cast<DWORD>(pause(random)));
            const double start = nowMs();
            PostMessageW(coreWindow(), kTrayCallbackMessage, 0, WM_RBUTTONDOWN);
            while (!popupMenuVisible() && nowMs() - start < 15000) Sleep(1);
            if (!popupMenuVisible()) {
                failed = true;
                break;
            }
            latencies.push_back(nowMs() - start);
            menuSeen = true;
            while (popupMenuVisible()) Sleep(1);
            menuSeen = false;
        }
        PostThreadMessageW(guiThread, WM_QUIT, 0, 0);
    });
    const UINT_PTR closer = SetTimer(nullptr, 0, 5, closeSeenMenu);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, closer);
    clicker.join();
    if (failed) latencies.clear();
    return latencies;
}

// Returns false when a menu never showed.
bool reportClickLatency(int slowWindows, int clicks) {
    test::SlowWindows slow(slowWindows, 90, L"Slow benchmark window");
    if (slow.windows().size() != static_cast<std::size_t>(slowWindows)) {
        std::fprintf(stderr, "cannot create the slow windows\n");
        return false;
    }
    setRebuildOnEveryTick(true);
    const UINT_PTR timer = SetTimer(coreWindow(), kRebuildTimerId, 1000, trayMenuTimerProc);
    const std::vector<double> latencies = clickLatencies(clicks);
    KillTimer(coreWindow(), timer);
    setRebuildOnEveryTick(false);
    if (latencies.empty()) {
        std::fprintf(stderr, "no menu showed for a click with %d slow windows\n", slowWindows);
        return false;
    }
    // The last rebuild with them, timed on its own.
    const double start = nowMs();
    rebuildTrayMenu();
    const double rebuildMs = nowMs() - start;
    std::printf("tray click to visible menu, %d windows answering after 90 ms, median of %zu: %.1f ms (max %.1f)\n",
                slowWindows, latencies.size(), percentile(latencies, 0.5),
                *std::max_element(latencies.begin(), latencies.end()));
    std::printf("cached rebuild with them: %.1f ms (%d listed)\n", rebuildMs, listedWindowCount());
    std::fflush(stdout);
    return true;
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
    const int clicks = argc > 3 ? std::max(0, _wtoi(argv[3])) : 12;

    bindFunctions();
    if (!createCoreWindow(GetModuleHandleW(nullptr))) {
        std::fprintf(stderr, "cannot create the core window\n");
        return 1;
    }
    (void)reloadMenuIconsIfDpiChanged();

    for (int slowWindows : {40, 120})
        if (clicks > 0 && !reportClickLatency(slowWindows, clicks)) return 1;
    // The slow windows are gone; the next rebuild forgets them.
    rebuildTrayMenu();

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
    test::pumpMessages();
    const GdiCount gdiBefore = gdiCount();

    // The first rebuild reads every title and makes every icon; later ones find them cached.
    const double firstStart = nowMs();
    rebuildTrayMenu();
    const double firstMs = nowMs() - firstStart;
    const GdiCount gdiAfter = gdiCount();
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
    std::printf("GDI objects: %lu, USER objects: %lu (GetGuiResources)\n",
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    const long menuGdi = gdiObjectsAdded(gdiBefore, gdiAfter);
    std::printf("GDI objects the menu holds after the first rebuild: %ld, %.2f per listed window (%s)\n", menuGdi,
                static_cast<double>(menuGdi) / listed,
                gdiAfter.freeSlots ? "free GDI slots counted" : "GetGuiResources");
    std::fflush(stdout);

    // The process ends here without taking its windows down one by one: under Wine without a
    // window manager every shown window that is destroyed costs a two-second wait.
    ExitProcess(0);
}
