// A second process with one top-level window, for the tests that act on other programs' windows:
//   windowhost_win TITLE [STYLE [EXSTYLE [refuse-zorder]]]      (styles in hexadecimal)
// The window's class is "ZorbelHostWindow". Posting it kHangMessage blocks its thread for good, as
// a hung program's; the test ends the process when done. With refuse-zorder the window turns every
// Z-order change down in WM_WINDOWPOSCHANGING (SetWindowPos still returns success). It counts the wheel and middle-button
// messages it receives and answers kCountMessage with them (wheel count in the low word, middle
// clicks in the high word).
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT kHangMessage = WM_APP + 1;
constexpr UINT kCountMessage = WM_APP + 2;
constexpr wchar_t kClassName[] = L"ZorbelHostWindow";

bool refuseZOrder = false;
LRESULT wheelCount = 0;
LRESULT middleCount = 0;

LRESULT CALLBACK hostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case kHangMessage:
        Sleep(INFINITE);
        return 0;
    case kCountMessage:
        return (middleCount << 16) | wheelCount;
    case WM_MOUSEWHEEL:
        ++wheelCount;
        return 0;
    case WM_MBUTTONDOWN:
        ++middleCount;
        return 0;
    case WM_WINDOWPOSCHANGING:
        if (refuseZOrder) reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOZORDER;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const DWORD style = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 16)) : WS_OVERLAPPEDWINDOW;
    const DWORD exStyle = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 16)) : WS_EX_APPWINDOW;
    refuseZOrder = argc > 4 && std::wcscmp(argv[4], L"refuse-zorder") == 0;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return 1;
    HWND hwnd = CreateWindowExW(exStyle, kClassName, argv[1], style, 100, 120, 360, 240, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
