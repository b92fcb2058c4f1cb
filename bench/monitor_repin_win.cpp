// What the window monitor adds to a tray-menu rebuild: the same rebuild with 200 listed windows,
// once without rules and once with 50, alternately in one run.
//   monitor_repin_win [windows] [runs]      (defaults 200 and 100)
// Of the 50 rules, 49 agree with the windows on class and style but name another program, so the
// program path is needed for every window; the last one matches them all, so every window is
// monitored (and, after the first rebuild, already pinned). Then the worst case: every window
// unpinned before each rebuild, which re-pins them all. The windows belong to a second thread
// that pumps its messages. Prints one "name: value" line per figure.
#include <windows.h>

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
#include "windows/WindowMonitor_win.h"

namespace {

using namespace zorbel;

using zorbel::test::nowMs;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timedRebuild() {
    test::pumpMessages();
    const double start = nowMs();
    rebuildTrayMenu();
    return nowMs() - start;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int windowCount = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 100;
    constexpr int kRules = 50;

    bindFunctions();
    if (!createCoreWindow(GetModuleHandleW(nullptr))) {
        std::fprintf(stderr, "cannot create the core window\n");
        return 1;
    }
    (void)reloadMenuIconsIfDpiChanged();
    // Rules are added here by hand; nothing is saved.
    SetEnvironmentVariableW(L"APPDATA", nullptr);

    test::WindowThread owner;
    std::vector<HWND> windows;
    for (int i = 0; i < windowCount; ++i) {
        test::WindowShape shape;
        shape.title = L"Monitored benchmark window " + std::to_wstring(i);
        shape.x = 20 + (i % 40) * 20;
        shape.y = 20 + (i % 25) * 20;
        HWND hwnd = owner.createWindow(shape);
        if (!hwnd) {
            std::fprintf(stderr, "cannot create window %d\n", i);
            return 1;
        }
        windows.push_back(hwnd);
    }

    const MonitorWindowFacts facts = readMonitorFacts(windows.front());
    const std::u16string program = windowProgramPath(windows.front());
    MonitorRules rules(1);
    for (int i = 0; i + 1 < kRules; ++i)
        rules.push_back({u"other", u"C:\\Programs\\other" + test::decimal(i) + u".exe", facts.className, facts.style,
                         facts.exStyle | WS_EX_TOPMOST});
    rules.push_back({u"bench", program, facts.className, facts.style, facts.exStyle | WS_EX_TOPMOST});

    // The first rebuilds make the icons and pin every window; both kinds of run start warm.
    monitorRules() = rules;
    rebuildTrayMenu();
    rebuildTrayMenu();
    int pinned = 0;
    for (HWND hwnd : windows) pinned += (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
    const int listed = listedWindowCount();

    // Alternately, so that whatever else the machine does weighs on both kinds alike; the
    // difference of each pair is what the rules cost in that moment.
    std::vector<double> without;
    std::vector<double> with;
    std::vector<double> differences;
    for (int run = 0; run < runs; ++run) {
        const bool rulesFirst = run % 2 != 0;
        double plain = 0;
        double ruled = 0;
        for (int half = 0; half < 2; ++half) {
            const bool withRules = (half == 0) == rulesFirst;
            if (withRules)
                monitorRules() = rules;
            else
                monitorRules().assign(1, MonitorRule{});
            (withRules ? ruled : plain) = timedRebuild();
        }
        without.push_back(plain);
        with.push_back(ruled);
        differences.push_back(ruled - plain);
    }

    // The worst case: every window lost its pin since the last rebuild (as if each had been
    // closed and started again), so the rebuild re-pins all of them.
    std::vector<double> repinning;
    int repinned = 0;
    monitorRules() = rules;
    for (int run = 0; run < std::max(1, runs / 4); ++run) {
        for (HWND hwnd : windows)
            SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        repinning.push_back(timedRebuild());
        repinned = 0;
        for (HWND hwnd : windows) repinned += (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
    }

    // One program path read, the cost a window of a program of its own adds.
    std::vector<double> reads;
    for (int i = 0; i < runs; ++i) {
        const double start = nowMs();
        const std::u16string path = processImagePath(GetCurrentProcessId());
        reads.push_back(nowMs() - start);
        if (path.empty()) return 1;
    }

    monitorRules() = rules;
    MonitorPass pass;
    for (HWND hwnd : windows)
        (void)pass.repin(hwnd, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), nullptr);

    const double medianWithout = median(without);
    const double medianWith = median(with);
    std::printf("listed windows: %d (%d of them the benchmark's)\n", listed, windowCount);
    std::printf("windows pinned by the monitor: %d\n", pinned);
    std::printf("rebuild without rules, median of %d: %.2f ms\n", runs, medianWithout);
    std::printf("rebuild with %d rules, median of %d: %.2f ms\n", kRules, runs, medianWith);
    std::printf("added by the rules: %.1f %% (difference of the medians)\n",
                (medianWith - medianWithout) * 100.0 / medianWithout);
    std::printf("added by the rules, median of the paired differences: %.3f ms (%.1f %%)\n", median(differences),
                median(differences) * 100.0 / medianWithout);
    std::printf("rebuild with %d rules re-pinning every window, median of %zu: %.2f ms (%d re-pinned), %+.1f %%\n",
                kRules, repinning.size(), median(repinning), repinned,
                (median(repinning) - medianWithout) * 100.0 / medianWithout);
    std::printf("program paths read per rebuild: %d\n", pass.pathsRead());
    std::printf("one program path read, median: %.3f ms\n", median(reads));
    std::fflush(stdout);
    // Without taking the windows down one by one (Wine without a window manager waits for each).
    ExitProcess(0);
}
