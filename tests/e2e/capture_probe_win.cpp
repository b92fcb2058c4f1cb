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
//   capture_probe clipboard-png X Y W H [ms]    the same for the clipboard's "PNG" format
//   capture_probe save-as NAME [ms]             waits for the save dialogue, types NAME into its
//                                               file name field with real keys and presses Enter
//   capture_probe png-file PATH X Y W H [ms]    waits for the PNG file and checks its pixels
//                                               like the clipboard's
// Exit status 0 on success, 1 when the awaited thing did not happen or differs, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "capture/CaptureTestSupport.h"
#include "capture/PaintedWindow.h"

namespace {

using namespace zorbel;
using test::waitFor;

constexpr RECT kPainted{300, 200, 460, 300};
constexpr wchar_t kSaveTitle[] = L"Saving your image...";

int argument(int argc, wchar_t** argv, int index, int fallback) {
    return argc > index ? static_cast<int>(std::wcstol(argv[index], nullptr, 10)) : fallback;
}

HWND visibleWindow(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

HWND visibleDialogue(const wchar_t* title) {
    HWND hwnd = FindWindowW(L"#32770", title);
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
    const OpenClipboardScope clipboard(nullptr);
    return clipboard && EmptyClipboard() ? 0 : 1;
}

int checkPicture(const test::Picture& picture, int left, int top, int width, int height) {
    if (picture.width != width || picture.height != height) {
        std::printf("the bitmap is %dx%d, expected %dx%d\n", picture.width, picture.height, width, height);
        return 1;
    }
    const int paintedWidth = kPainted.right - kPainted.left;
    const int paintedHeight = kPainted.bottom - kPainted.top;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = test::expectedQuadrant(left + x, top + y, paintedWidth, paintedHeight);
            if (picture.at(x, y) != expected) {
                std::printf("pixel %d,%d is %06lx, expected %06lx\n", x, y, picture.at(x, y), expected);
                return 1;
            }
        }
    }
    std::printf("ok %dx%d\n", width, height);
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
    return checkPicture(*picture, left, top, width, height);
}

std::optional<test::Picture> readPngFile(const wchar_t* path) {
    const UniqueFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
    return test::pictureFromPng(bytes.data(), bytes.size());
}

// The "PNG" format: asking for it makes the program that copied render it, or gives what it
// rendered before it ended.
int checkClipboardPng(int left, int top, int width, int height, DWORD timeoutMs) {
    std::optional<test::Picture> picture;
    waitFor(timeoutMs, [&] {
        const std::optional<std::string> bytes = test::clipboardBytes(test::pngClipboardFormat());
        if (bytes) picture = test::pictureFromPng(bytes->data(), bytes->size());
        return picture.has_value();
    });
    if (!picture) {
        std::printf("no readable PNG on the clipboard\n");
        return 1;
    }
    return checkPicture(*picture, left, top, width, height);
}

int checkPngFile(const wchar_t* path, int left, int top, int width, int height, DWORD timeoutMs) {
    std::optional<test::Picture> picture;
    // The file may be seen while it is still being written: wait until it decodes.
    waitFor(timeoutMs, [&] { return (picture = readPngFile(path)).has_value(); });
    if (!picture) {
        std::printf("no readable PNG file at %ls\n", path);
        return 1;
    }
    return checkPicture(*picture, left, top, width, height);
}

void key(WORD vk, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void typeText(const wchar_t* text) {
    for (; *text; ++text) {
        INPUT input[2]{};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wScan = *text;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        Sleep(10);
    }
}

// The file name field has the focus when the dialogue opens, its default name selected; the
// name is typed over the whole field all the same.
int answerSaveDialogue(const wchar_t* name, DWORD timeoutMs) {
    HWND dialogue = nullptr;
    if (!waitFor(timeoutMs, [&] { return (dialogue = visibleDialogue(kSaveTitle)) != nullptr; })) {
        std::printf("no save dialogue\n");
        return 1;
    }
    SetForegroundWindow(dialogue);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    wchar_t className[32]{};
    const bool inEdit = waitFor(2000, [&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialogue, nullptr), &info) && info.hwndFocus &&
               GetClassNameW(info.hwndFocus, className, 32) && _wcsicmp(className, L"Edit") == 0;
    });
    if (!inEdit) {
        std::printf("the dialogue's focus is not in a text field\n");
        return 1;
    }
    key(VK_HOME);
    key(VK_HOME, KEYEVENTF_KEYUP);
    key(VK_SHIFT);
    key(VK_END);
    key(VK_END, KEYEVENTF_KEYUP);
    key(VK_SHIFT, KEYEVENTF_KEYUP);
    Sleep(100);
    typeText(name);
    Sleep(100);
    key(VK_RETURN);
    key(VK_RETURN, KEYEVENTF_KEYUP);
    if (!waitFor(timeoutMs, [&] { return !IsWindow(dialogue); })) {
        std::printf("the save dialogue stayed open\n");
        return 1;
    }
    std::printf("saved as %ls\n", name);
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
    } else if (command == L"clipboard-png" && argc >= 6) {
        status = checkClipboardPng(argument(argc, argv, 2, 0), argument(argc, argv, 3, 0), argument(argc, argv, 4, 0),
                                   argument(argc, argv, 5, 0), static_cast<DWORD>(argument(argc, argv, 6, 5000)));
    } else if (command == L"save-as" && argc >= 3) {
        status = answerSaveDialogue(argv[2], static_cast<DWORD>(argument(argc, argv, 3, 10000)));
    } else if (command == L"png-file" && argc >= 7) {
        status = checkPngFile(argv[2], argument(argc, argv, 3, 0), argument(argc, argv, 4, 0), argument(argc, argv, 5, 0),
                              argument(argc, argv, 6, 0), static_cast<DWORD>(argument(argc, argv, 7, 5000)));
    }
    std::fflush(stdout);
    // Wine's orderly exit now and then never finishes.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    return status;
}
