// From the release of the mouse button to the capture on the clipboard: a region capture through
// the real Zorbel!.exe, timed from the SendInput of the left button's release to the moment
// another process (this one) finds the CF_DIB of the selected size, for a small region and for
// the whole screen.
//   mouseup_clipboard_win PATH\Zorbel!.exe [runs]      (default 7)
// The program starts with the default settings but without the save dialogue and the beep; repeat
// capture (a default) keeps the overlay open from one drag to the next, and the default capture
// hotkey, Ctrl+R, opens it. Each run empties the clipboard first. Run it with a window manager on
// the display: without one, hiding the overlay waits two seconds for a confirmation that never
// comes. Prints one "name: median ms (min..max)" line per region.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/Handles_win.h"
#include "capture/CaptureTestSupport.h"

namespace {

using namespace zorbel;
using zorbel::test::nowMs;

constexpr double kGiveUpMs = 20000;
constexpr char kSettings[] = "\xEF\xBB\xBF\r\n[Global]\r\n"
                             "pImageFormat = 0\r\npMessageBeep = 0\r\npAdministrator = 0\r\npClipboard = 1\r\n"
                             "pDialogue = 0\r\npRepeatCapture = 1\r\npMagnifyWindow = 1\r\npCapture = 594\r\n"
                             "pCaptureCB = 1\r\npTopMost = 581\r\npTopMostCB = 1\r\npUpdate = 1\r\n";

void mouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

void key(WORD vk, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

HWND visibleOverlay() {
    HWND hwnd = FindWindowW(nullptr, L"Capture Window");
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool clipboardHasDibOfSize(int width, int height) {
    if (!IsClipboardFormatAvailable(CF_DIB)) return false;
    const OpenClipboardScope clipboard(nullptr);
    if (!clipboard) return false;
    HANDLE data = GetClipboardData(CF_DIB);
    if (!data) return false;
    const LockedGlobalMemory locked(data);
    if (!locked.data() || GlobalSize(data) < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, locked.data(), sizeof(header));
    return header.biWidth == width && (header.biHeight == height || header.biHeight == -height);
}

bool emptyClipboard() {
    const OpenClipboardScope clipboard(nullptr);
    return clipboard && EmptyClipboard();
}

// One drag from (x1, y1) to (x2, y2), both inside the selection; the milliseconds from the release
// to the DIB, or nothing when it did not come.
std::optional<double> timeOneCapture(int x1, int y1, int x2, int y2) {
    if (!emptyClipboard()) return std::nullopt;
    if (!test::waitFor(10000, [] { return visibleOverlay() != nullptr; })) return std::nullopt;
    mouse(0, x1, y1);
    Sleep(50);
    mouse(MOUSEEVENTF_LEFTDOWN, x1, y1);
    Sleep(50);
    mouse(0, (x1 + x2) / 2, (y1 + y2) / 2);
    Sleep(50);
    mouse(0, x2, y2);
    Sleep(100);
    const double start = nowMs();
    mouse(MOUSEEVENTF_LEFTUP, x2, y2);
    const DWORD sequence = GetClipboardSequenceNumber();
    while (nowMs() - start < kGiveUpMs) {
        if (GetClipboardSequenceNumber() != sequence && clipboardHasDibOfSize(x2 - x1 + 1, y2 - y1 + 1))
            return nowMs() - start;
        Sleep(1);
    }
    return std::nullopt;
}

void report(const char* name, std::vector<double> times) {
    if (times.empty()) {
        std::printf("%s: no capture arrived\n", name);
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: %.0f ms (%.0f..%.0f, %zu runs)\n", name, times[times.size() / 2], times.front(), times.back(),
                times.size());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mouseup_clipboard_win PATH\\Zorbel!.exe [runs]\n");
        return 2;
    }
    const std::wstring program = argv[1];
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 7;

    wchar_t appData[MAX_PATH]{};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const std::wstring folder = std::wstring(appData) + L"\\Zorbel!";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!test::writeBytes(folder + L"\\Zorbel!.ini", std::string(kSettings))) {
        std::fprintf(stderr, "cannot write the settings file\n");
        return 1;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
    HWND core = nullptr;
    test::waitFor(30000, [&] {
        core = FindWindowW(L"Zorbel!_Core_Window", L"Zorbel!_Core_Window");
        return core && test::trayIconExists(core);
    });
    int status = 1;
    if (core) {
        Sleep(1500); // the hotkeys are registered at the end of start-up
        key(VK_CONTROL);
        key('R');
        key('R', KEYEVENTF_KEYUP);
        key(VK_CONTROL, KEYEVENTF_KEYUP);
        if (test::waitFor(10000, [] { return visibleOverlay() != nullptr; })) {
            const int width = GetSystemMetrics(SM_CXSCREEN);
            const int height = GetSystemMetrics(SM_CYSCREEN);
            std::vector<double> small;
            std::vector<double> whole;
            for (int run = 0; run < runs; ++run) {
                if (const auto ms = timeOneCapture(100, 100, 399, 299)) small.push_back(*ms);
                if (const auto ms = timeOneCapture(0, 0, width - 1, height - 1)) whole.push_back(*ms);
            }
            std::printf("mouse-up to clipboard, %dx%d screen\n", width, height);
            report("300x200 region", small);
            report("whole screen", whole);
            status = small.empty() || whole.empty() ? 1 : 0;
        } else {
            std::fprintf(stderr, "Ctrl+R opened no overlay\n");
        }
    } else {
        std::fprintf(stderr, "no core window with a tray icon\n");
    }
    TerminateProcess(processHandle.get(), 0);
    WaitForSingleObject(processHandle.get(), 10000);
    if (core) test::deleteTrayIcon(core);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    return status;
}
