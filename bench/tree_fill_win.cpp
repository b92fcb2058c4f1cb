// How long the window tree's Desktop enumeration and tree fill take with many windows of another
// thread, split into the time the system takes to answer and the time of our own code.
//   tree_fill_win [windows] [runs]      (defaults 2000 and 15)
// The windows belong to a second thread that pumps its messages: a quarter of them top-level, each
// with three children. Prints one "name: value" line per figure.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "WinTestSupport.h"
#include "app/BoundFunctions_win.h"
#include "inspect/TreeWindow_win.h"
#include "inspect/WindowList_win.h"

namespace {

using namespace zorbel;
using zorbel::test::nowMs;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

BOOL CALLBACK collect(HWND window, LPARAM list) noexcept {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Exactly the questions the Desktop enumeration asks the system, and nothing of ours: the list of
// windows, then per window its title, its class and its parent.
double systemQueriesMs() {
    const auto internalGetWindowText = bound().InternalGetWindowText;
    const double start = nowMs();
    std::vector<HWND> windows;
    if (bound().NtUserBuildHwndList && !runningUnderWine()) {
        UINT count = 0;
        bound().NtUserBuildHwndList(nullptr, GetDesktopWindow(), TRUE, FALSE, 0, 0, nullptr, &count);
        windows.assign(count + 1, nullptr);
        bound().NtUserBuildHwndList(nullptr, GetDesktopWindow(), TRUE, FALSE, 0, count, windows.data(), &count);
    } else {
        EnumChildWindows(GetDesktopWindow(), collect, reinterpret_cast<LPARAM>(&windows));
    }
    wchar_t text[260];
    for (HWND window : windows) {
        internalGetWindowText(window, text, 260);
        GetClassNameW(window, text, 260);
        GetAncestor(window, GA_PARENT);
    }
    return nowMs() - start;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int windowCount = argc > 1 ? std::max(4, _wtoi(argv[1])) : 2000;
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
    bindFunctions();

    test::WindowThread owner;
    int created = 0;
    for (int top = 0; created < windowCount; ++top) {
        test::WindowShape shape;
        shape.title = L"Benchmark window " + std::to_wstring(top);
        shape.style = WS_OVERLAPPEDWINDOW;
        HWND parent = owner.createWindow(shape);
        if (!parent) {
            std::fprintf(stderr, "cannot create window %d\n", created);
            return 1;
        }
        ++created;
        for (int child = 0; child < 3 && created < windowCount; ++child, ++created) {
            test::WindowShape childShape;
            childShape.title = L"Benchmark child " + std::to_wstring(child);
            childShape.style = WS_CHILD | WS_VISIBLE;
            childShape.exStyle = 0;
            childShape.owner = parent;
            if (!owner.createWindow(childShape)) {
                std::fprintf(stderr, "cannot create window %d\n", created);
                return 1;
            }
        }
    }

    openTreeWindow();
    if (!treeWindow()) {
        std::fprintf(stderr, "cannot open the tree window\n");
        return 1;
    }
    test::pumpMessages();

    std::vector<double> whole, listFill, system, paints;
    for (int run = 0; run < runs; ++run) {
        system.push_back(systemQueriesMs());

        double start = nowMs();
        (void)fillFromSystemList(GetDesktopWindow(), true, 0);
        listFill.push_back(nowMs() - start);

        UpdateWindow(treeControl());
        test::pumpMessages();
        const int paintsBefore = treePaintCount();
        start = nowMs();
        runTreeCommand(ViewerCommand::EnumerateDesktop);
        UpdateWindow(treeControl());
        whole.push_back(nowMs() - start);
        test::pumpMessages();
        paints.push_back(treePaintCount() - paintsBefore);
    }
    const int items = static_cast<int>(SendMessageW(treeControl(), TVM_GETCOUNT, 0, 0));

    // Right after a fill, another thread asks the tree window with a 100 ms time-out while this
    // thread goes back to its message loop.
    runTreeCommand(ViewerCommand::EnumerateDesktop);
    const double filled = nowMs();
    bool answered = false;
    double answeredAfter = 0;
    std::atomic<bool> probed{false};
    HWND tree = treeWindow();
    std::thread prober([&] {
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutW(tree, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &result) != 0;
        answeredAfter = nowMs() - filled;
        probed = true;
    });
    while (!probed) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        test::pumpMessages();
    }
    prober.join();

    const double wholeMs = median(whole);
    const double systemMs = median(system);
    const double listMs = median(listFill);
    std::printf("windows created: %d; tree items: %d (%s)\n", created, items,
                runningUnderWine() ? "Wine: EnumChildWindows" : "NtUserBuildHwndList");
    std::printf("Desktop enumeration and tree fill, median of %d: %.1f ms\n", runs, wholeMs);
    std::printf("  system queries alone (list, titles, classes, parents): %.1f ms\n", systemMs);
    std::printf("  our own code (whole minus system queries): %.1f ms\n", wholeMs - systemMs);
    std::printf("  window list fill (system queries plus entries): %.1f ms\n", listMs);
    std::printf("  tree fill and title (whole minus list fill): %.1f ms\n", wholeMs - listMs);
    std::printf("tree paints per refill, median: %.0f\n", median(paints));
    std::printf("100 ms SendMessageTimeout right after a fill: %s after %.1f ms\n",
                answered ? "answered" : "NOT answered", answeredAfter);
    std::fflush(stdout);
    // Without a window manager every destroyed shown window costs Wine a wait: end at once.
    ExitProcess(0);
}
