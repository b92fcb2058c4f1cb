// Shows known pixels to a running Zorbel! and checks what its captures made of them, for the
// end-to-end capture test:
//   capture_probe paint SECONDS                 shows the painted window (quadrants) for a while
//   capture_probe wait-window TITLE [ms]        waits for a visible top-level window of that title
//   capture_probe window-gone TITLE [ms]        waits until there is none
//   capture_probe drag X1 Y1 X2 Y2              presses the left button at one screen point and
//                                               releases it at the other, with injected input
//   capture_probe clear-clipboard
//   capture_probe clipboard X Y W H [ms]        waits for a CF_DIB of W x H on the clipboard and
//                                               checks that it holds the painted window's pixels
//                                               from its (X, Y) on
// Exit status 0 on success, 1 when the awaited thing did not happen or differs, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "capture/CaptureTestSupport.h"
#include "capture/PaintedWindow.h"

namespace {

using namespace zorbel;

constexpr RECT kPainted{300, 200, 460, 300};

template <typename Predicate>
bool waitFor(DWORD timeoutMs, Predicate done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (done()) return true;
        Sleep(50);
    } while (GetTickCount64() < end);
    return done();
}

int argument(int argc, wchar_t** argv, int index, int fallback) {
    return argc > index ? static_cast<int>(std::wcstol(argv[index], nullptr, 10)) : fallback;
}

HWND visibleWindow(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

int paint(int seconds) {
    test::WindowThread thread;
    if (!test::createPaintedWindow(thread, test::Painting::Quadrants, kPainted)) return 1;
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}

void mouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Sleep(100);
}

int drag(int x1, int y1, int x2, int y2) {
    mouse(0, x1, y1);
    mouse(MOUSEEVENTF_LEFTDOWN, x1, y1);
    mouse(0, (x1 + x2) / 2, (y1 + y2) / 2);
    mouse(0, x2, y2);
    mouse(MOUSEEVENTF_LEFTUP, x2, y2);
    return 0;
}

int clearClipboard() {
    if (!OpenClipboard(nullptr)) return 1;
    EmptyClipboard();
    CloseClipboard();
    return 0;
}

int checkClipboard(int left, int top, int width, int height, DWORD timeoutMs) {
    std::optional<test::Picture> picture;
    waitFor(timeoutMs, [&] {
        picture = test::clipboardPicture();
        return picture.has_value();
    });
    if (!picture) {
        std::printf("no bitmap on the clipboard\n");
        return 1;
    }
    if (picture->width != width || picture->height != height) {
        std::printf("the bitmap is %dx%d, expected %dx%d\n", picture->width, picture->height, width, height);
        return 1;
    }
    const int paintedWidth = kPainted.right - kPainted.left;
    const int paintedHeight = kPainted.bottom - kPainted.top;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = test::expectedQuadrant(left + x, top + y, paintedWidth, paintedHeight);
            if (picture->at(x, y) != expected) {
                std::printf("pixel %d,%d is %06lx, expected %06lx\n", x, y, picture->at(x, y), expected);
                return 1;
            }
        }
    }
    std::printf("ok %dx%d\n", width, height);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    int status = 2;
    if (command == L"paint") {
        status = paint(argument(argc, argv, 2, 60));
    } else if (command == L"wait-window" && argc >= 3) {
        HWND found = nullptr;
        status = waitFor(static_cast<DWORD>(argument(argc, argv, 3, 10000)), [&] { return (found = visibleWindow(argv[2])) != nullptr; }) ? 0 : 1;
        if (found) std::printf("%p\n", static_cast<void*>(found));
    } else if (command == L"window-gone" && argc >= 3) {
        status = waitFor(static_cast<DWORD>(argument(argc, argv, 3, 10000)), [&] { return visibleWindow(argv[2]) == nullptr; }) ? 0 : 1;
    } else if (command == L"drag" && argc >= 6) {
        status = drag(argument(argc, argv, 2, 0), argument(argc, argv, 3, 0), argument(argc, argv, 4, 0),
                      argument(argc, argv, 5, 0));
    } else if (command == L"clear-clipboard") {
        status = clearClipboard();
    } else if (command == L"clipboard" && argc >= 6) {
        status = checkClipboard(argument(argc, argv, 2, 0), argument(argc, argv, 3, 0), argument(argc, argv, 4, 0),
                                argument(argc, argv, 5, 0), static_cast<DWORD>(argument(argc, argv, 6, 5000)));
    }
    std::fflush(stdout);
    // Wine's orderly exit now and then never finishes.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    return status;
}
