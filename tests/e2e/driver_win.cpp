// Drives and observes a running Zorbel! from another process, for the end-to-end tests:
//   driver find-core [ms]           waits for the core window; prints its handle
//   driver open-tray                 posts a right click on the tray icon to the core window
//   driver close-core                posts the close requests WM_CLOSE and WM_SYSCOMMAND/SC_CLOSE
//                                    to the core window
//   driver core-pid                  prints the process id of the core window's process
//   driver keys KEY...               injects key presses (up down left right enter escape, or a hex vk)
//   driver msgbox CAPTION [ms]       waits for a message box, prints its texts, presses its default button
//   driver msgbox-read CAPTION [ms]  waits for a message box and prints its texts, leaving it open
//   driver msgbox-kind CAPTION [ms]  prints "owned" or "unowned", then the buttons' texts, one per
//                                    line, leaving the box open
//   driver msgbox-press CAPTION ID [ms]  presses the button with that identifier (IDNO 7)
//   driver msgbox-key CAPTION VK [ms]    brings the box to the front and presses the key (hex vk)
//   driver responsive [ms]           exit 0 when the core window answers a message within the time
//   driver icon-exists HWND          exit 0 when the tray still holds an icon of that window
//   driver wait-gone [ms]            waits until the core window has gone
//   driver menu-visible [ms]         waits for a visible popup menu window (class "#32768")
//   driver menu-gone [ms]            waits until no popup menu window is visible
//   driver windows                   lists the top-level windows: handle, visible, class, title
//   driver version                   prints the system version as RtlGetVersion reports it
//   driver locale                    prints the user's ISO 639-2 language name (GetLocaleInfoEx)
//   driver chord VK...               presses the keys (hex vk) together: down in order, up in reverse
//   driver host-window TITLE X Y W H keeps a visible top-level window until it is closed
//   driver find-window TITLE [ms]    waits for a top-level window with that title; prints its handle
//   driver cursor-over HWND          moves the mouse cursor to the middle of the window
//   driver topmost HWND              prints 1 when the window has WS_EX_TOPMOST, else 0
//   driver window-facts HWND         prints the window's class, style, extended style (without
//                                    WS_EX_TOPMOST) and its program's path, one per line
//   driver foreground                prints the handle of the foreground window
//   driver window-rect HWND          prints the window's rectangle: left top right bottom
//   driver menu-rects                prints the rectangle of every visible popup menu, one a line
//   driver controls HWND             prints the client size ("client W H"), then every child window
//                                    as "ID CLASS left top right bottom" in client coordinates
//   driver window-at X Y             prints the top-level window at the screen point
//   driver close HWND                posts WM_CLOSE to the window
//   driver select-tab HWND N         clicks the first tab of the window's tab control, then presses
//                                    Right N times, as the user picks a tab
//   driver text-width FACE HEIGHT WEIGHT TEXT...  makes the font as the program does (cell height
//                                    HEIGHT, weight 400 or 700) and prints the face the system
//                                    chose, then each text's width in pixels and the text
//   driver mouse X Y [down|up]       moves the mouse to the screen point, then presses or releases
//                                    the left button
// Exit status 0 on success, 1 when the awaited thing did not happen, 2 on bad usage.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "WinTestSupport.h"

namespace {

constexpr UINT kTrayCallbackMessage = 12501;

HWND findCore() { return FindWindowW(L"Zorbel!_Core_Window", L"Zorbel!_Core_Window"); }

using zorbel::test::waitFor;

DWORD timeoutArg(int argc, wchar_t** argv, int index, DWORD fallback) {
    return argc > index ? static_cast<DWORD>(std::wcstoul(argv[index], nullptr, 10)) : fallback;
}

WORD keyCode(const wchar_t* name) {
    const std::wstring key(name);
    if (key == L"up") return VK_UP;
    if (key == L"down") return VK_DOWN;
    if (key == L"left") return VK_LEFT;
    if (key == L"right") return VK_RIGHT;
    if (key == L"enter") return VK_RETURN;
    if (key == L"escape") return VK_ESCAPE;
    return static_cast<WORD>(std::wcstoul(name, nullptr, 16));
}

void pressKey(WORD vk) {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = vk;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(150);
}

// Keys down in order, then all up in reverse.
void pressChord(int argc, wchar_t** argv, int first) {
    std::vector<INPUT> inputs;
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    for (int i = first; i < argc; ++i) {
        key.ki.wVk = keyCode(argv[i]);
        key.ki.dwFlags = 0;
        inputs.push_back(key);
    }
    for (int i = argc - 1; i >= first; --i) {
        key.ki.wVk = keyCode(argv[i]);
        key.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(key);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
}

HWND handleArg(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(text, nullptr, 16)));
}

LRESULT CALLBACK hostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int hostWindow(const wchar_t* title, int x, int y, int width, int height) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"ZorbelDriverHostWindow";
    if (!RegisterClassExW(&windowClass)) return 1;
    HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                x, y, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!hwnd) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void printUtf8Line(const wchar_t* text) {
    char utf8[4096]{};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    std::printf("%s\n", utf8);
}

BOOL CALLBACK printChildText(HWND child, LPARAM) {
    wchar_t className[64]{};
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Static") != 0) return TRUE;
    wchar_t text[1024]{};
    // UTF-8 on stdout so the test scripts can compare any language.
    if (GetWindowTextW(child, text, 1024) > 0) printUtf8Line(text);
    return TRUE;
}

BOOL CALLBACK findVisibleMenu(HWND hwnd, LPARAM parameter) {
    wchar_t className[16]{};
    GetClassNameW(hwnd, className, 16);
    if (std::wcscmp(className, L"#32768") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(parameter) = hwnd;
    return FALSE;
}

// The visible popup menu window, if any. Open menus are windows of the system class "#32768";
// only a visible one counts, in case a closed menu's window lingers hidden.
HWND visibleMenuWindow() {
    HWND found = nullptr;
    EnumWindows(findVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK printTopLevelWindow(HWND hwnd, LPARAM) {
    wchar_t className[256]{};
    wchar_t title[512]{};
    GetClassNameW(hwnd, className, 256);
    GetWindowTextW(hwnd, title, 512);
    wchar_t line[1024]{};
    std::swprintf(line, 1024, L"%p %d %ls \"%ls\"", static_cast<void*>(hwnd), IsWindowVisible(hwnd) ? 1 : 0,
                  className, title);
    printUtf8Line(line);
    return TRUE;
}

int messageBox(const wchar_t* caption, DWORD timeoutMs, bool press) {
    HWND box = nullptr;
    if (!waitFor(timeoutMs, [&] { return (box = FindWindowW(L"#32770", caption)) != nullptr; })) return 1;
    // The box is found as soon as it is created; give it time to fill in its controls.
    Sleep(200);
    EnumChildWindows(box, printChildText, 0);
    std::fflush(stdout);
    if (press) PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

BOOL CALLBACK printButtonText(HWND child, LPARAM) {
    wchar_t className[64]{};
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Button") != 0 || !IsWindowVisible(child)) return TRUE;
    wchar_t text[256]{};
    GetWindowTextW(child, text, 256);
    printUtf8Line(text);
    return TRUE;
}

int messageBoxKind(const wchar_t* caption, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!waitFor(timeoutMs, [&] { return (box = FindWindowW(L"#32770", caption)) != nullptr; })) return 1;
    Sleep(200);
    // Whether the box is topmost cannot be seen here: Wine does not give MB_TOPMOST boxes
    // WS_EX_TOPMOST.
    std::printf("%s\n", GetWindow(box, GW_OWNER) ? "owned" : "unowned");
    EnumChildWindows(box, printButtonText, 0);
    std::fflush(stdout);
    return 0;
}

void printRect(const RECT& rect) { std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom); }

BOOL CALLBACK printVisibleMenuRect(HWND hwnd, LPARAM) {
    wchar_t className[16]{};
    GetClassNameW(hwnd, className, 16);
    RECT rect{};
    if (std::wcscmp(className, L"#32768") == 0 && IsWindowVisible(hwnd) && GetWindowRect(hwnd, &rect)) printRect(rect);
    return TRUE;
}

BOOL CALLBACK printControl(HWND child, LPARAM parameter) {
    const HWND top = reinterpret_cast<HWND>(parameter);
    wchar_t className[64]{};
    GetClassNameW(child, className, 64);
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rect), 2);
    std::printf("%d %ls %ld %ld %ld %ld\n", GetDlgCtrlID(child), className, rect.left, rect.top, rect.right,
                rect.bottom);
    return TRUE;
}

int printControls(HWND hwnd) {
    RECT client{};
    if (!GetClientRect(hwnd, &client)) return 1;
    std::printf("client %ld %ld\n", client.right, client.bottom);
    EnumChildWindows(hwnd, printControl, reinterpret_cast<LPARAM>(hwnd));
    std::fflush(stdout);
    return 0;
}

// Absolute SendInput moves, so that low-level hooks and the window under the point see them as
// they see the user's mouse.
int moveMouse(int x, int y, const wchar_t* button) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width < 2 || height < 2) return 1;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, width - 1);
    input.mi.dy = MulDiv(y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (button && std::wcscmp(button, L"down") == 0) input.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    if (button && std::wcscmp(button, L"up") == 0) input.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    const UINT sent = SendInput(1, &input, sizeof(INPUT));
    Sleep(100);
    return sent == 1 ? 0 : 1;
}

BOOL CALLBACK findTabControl(HWND child, LPARAM parameter) {
    wchar_t className[64]{};
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, WC_TABCONTROLW) != 0) return TRUE;
    *reinterpret_cast<HWND*>(parameter) = child;
    return FALSE;
}

// The tab control's messages carry pointers that are not carried across processes, so the tab is
// chosen as the user does: a click gives the control the focus, the arrow keys move along.
int selectTab(HWND hwnd, int index) {
    HWND tab = nullptr;
    EnumChildWindows(hwnd, findTabControl, reinterpret_cast<LPARAM>(&tab));
    RECT rect{};
    if (!tab || !GetWindowRect(tab, &rect)) return 1;
    SetForegroundWindow(hwnd);
    Sleep(200);
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    const int x = rect.left + MulDiv(12, dpi, 96), y = rect.top + MulDiv(10, dpi, 96);
    if (moveMouse(x, y, L"down") != 0 || moveMouse(x, y, L"up") != 0) return 1;
    for (int i = 0; i < index; ++i) pressKey(VK_RIGHT);
    return 0;
}

int printTextWidths(int argc, wchar_t** argv) {
    const HFONT font = CreateFontW(std::wcstol(argv[3], nullptr, 10), 0, 0, 0, std::wcstol(argv[4], nullptr, 10), FALSE,
                                   FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, argv[2]);
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!font || !dc) return 1;
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(dc, LF_FACESIZE, face);
    printUtf8Line(face);
    for (int i = 5; i < argc; ++i) {
        SIZE size{};
        GetTextExtentPoint32W(dc, argv[i], static_cast<int>(std::wcslen(argv[i])), &size);
        wchar_t line[512]{};
        std::swprintf(line, 512, L"%ld %ls", size.cx, argv[i]);
        printUtf8Line(line);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return 0;
}

int printSystemVersion() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                    reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
              : nullptr;
    if (!rtlGetVersion) return 1;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) != 0) return 1;
    std::printf("%lu.%lu.%lu\n", info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber);
    return 0;
}

int printLanguageName() {
    wchar_t name[16]{};
    if (GetLocaleInfoEx(nullptr, LOCALE_SISO639LANGNAME2, name, 16) <= 0) return 1;
    printUtf8Line(name);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    // Rectangles and mouse points in the screen's own pixels, whatever the DPI: an unaware process
    // would see them scaled to 96 DPI.
    SetProcessDPIAware();
    const std::wstring command(argv[1]);
    if (command == L"find-core") {
        HWND core = nullptr;
        if (!waitFor(timeoutArg(argc, argv, 2, 10000), [&] { return (core = findCore()) != nullptr; })) return 1;
        std::printf("%p\n", static_cast<void*>(core));
        return 0;
    }
    if (command == L"open-tray") {
        HWND core = findCore();
        if (!core) return 1;
        return PostMessageW(core, kTrayCallbackMessage, 0, WM_RBUTTONDOWN) ? 0 : 1;
    }
    if (command == L"close-core") {
        HWND core = findCore();
        if (!core) return 1;
        return PostMessageW(core, WM_CLOSE, 0, 0) && PostMessageW(core, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    if (command == L"core-pid") {
        HWND core = findCore();
        DWORD processId = 0;
        if (!core || !GetWindowThreadProcessId(core, &processId)) return 1;
        std::printf("%lu\n", processId);
        return 0;
    }
    if (command == L"keys") {
        for (int i = 2; i < argc; ++i) pressKey(keyCode(argv[i]));
        return 0;
    }
    if (command == L"msgbox" && argc >= 3) return messageBox(argv[2], timeoutArg(argc, argv, 3, 10000), true);
    if (command == L"msgbox-kind" && argc >= 3) return messageBoxKind(argv[2], timeoutArg(argc, argv, 3, 10000));
    if (command == L"msgbox-read" && argc >= 3) return messageBox(argv[2], timeoutArg(argc, argv, 3, 10000), false);
    if (command == L"msgbox-press" && argc >= 4) {
        HWND box = nullptr;
        if (!waitFor(timeoutArg(argc, argv, 4, 10000), [&] { return (box = FindWindowW(L"#32770", argv[2])) != nullptr; }))
            return 1;
        // As a click does: the button tells the box.
        const int id = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
        HWND button = GetDlgItem(box, id);
        return button && PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) ? 0 : 1;
    }
    if (command == L"msgbox-key" && argc >= 4) {
        HWND box = nullptr;
        if (!waitFor(timeoutArg(argc, argv, 4, 10000), [&] { return (box = FindWindowW(L"#32770", argv[2])) != nullptr; }))
            return 1;
        SetForegroundWindow(box);
        Sleep(200);
        pressKey(keyCode(argv[3]));
        return 0;
    }
    if (command == L"responsive") {
        HWND core = findCore();
        DWORD_PTR result = 0;
        return core && SendMessageTimeoutW(core, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutArg(argc, argv, 2, 1000), &result) ? 0 : 1;
    }
    if (command == L"icon-exists" && argc >= 3) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[2], nullptr, 16)));
        data.uID = 0;
        return Shell_NotifyIconW(NIM_MODIFY, &data) ? 0 : 1;
    }
    if (command == L"wait-gone")
        return waitFor(timeoutArg(argc, argv, 2, 10000), [] { return findCore() == nullptr; }) ? 0 : 1;
    if (command == L"menu-visible") {
        HWND menu = nullptr;
        if (!waitFor(timeoutArg(argc, argv, 2, 5000), [&] { return (menu = visibleMenuWindow()) != nullptr; }))
            return 1;
        RECT rect{};
        GetWindowRect(menu, &rect);
        std::printf("%p %ldx%ld\n", static_cast<void*>(menu), rect.right - rect.left, rect.bottom - rect.top);
        return 0;
    }
    if (command == L"menu-gone")
        return waitFor(timeoutArg(argc, argv, 2, 5000), [] { return visibleMenuWindow() == nullptr; }) ? 0 : 1;
    if (command == L"chord") {
        pressChord(argc, argv, 2);
        return 0;
    }
    if (command == L"host-window" && argc >= 7)
        return hostWindow(argv[2], std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10),
                          std::wcstol(argv[5], nullptr, 10), std::wcstol(argv[6], nullptr, 10));
    if (command == L"find-window" && argc >= 3) {
        HWND hwnd = nullptr;
        if (!waitFor(timeoutArg(argc, argv, 3, 10000), [&] { return (hwnd = FindWindowW(nullptr, argv[2])) != nullptr; }))
            return 1;
        std::printf("%p\n", static_cast<void*>(hwnd));
        return 0;
    }
    if (command == L"cursor-over" && argc >= 3) {
        RECT rect{};
        if (!GetWindowRect(handleArg(argv[2]), &rect)) return 1;
        return SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) ? 0 : 1;
    }
    if (command == L"window-facts" && argc >= 3) {
        HWND hwnd = handleArg(argv[2]);
        wchar_t className[256] = {};
        DWORD processId = 0;
        if (!IsWindow(hwnd) || !GetClassNameW(hwnd, className, 256) || !GetWindowThreadProcessId(hwnd, &processId))
            return 1;
        const zorbel::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
        if (!process) return 1;
        std::vector<wchar_t> path(32768);
        DWORD length = static_cast<DWORD>(path.size());
        const BOOL named = QueryFullProcessImageNameW(process.get(), 0, path.data(), &length);
        if (!named) return 1;
        std::printf("%ls\n%ld\n%ld\n%ls\n", className, GetWindowLongW(hwnd, GWL_STYLE),
                    GetWindowLongW(hwnd, GWL_EXSTYLE) & ~static_cast<LONG>(WS_EX_TOPMOST), path.data());
        return 0;
    }
    if (command == L"topmost" && argc >= 3) {
        HWND hwnd = handleArg(argv[2]);
        if (!IsWindow(hwnd)) return 1;
        std::printf("%d\n", (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
        return 0;
    }
    if (command == L"foreground") {
        std::printf("%p\n", static_cast<void*>(GetForegroundWindow()));
        return 0;
    }
    if (command == L"window-rect" && argc >= 3) {
        RECT rect{};
        if (!GetWindowRect(handleArg(argv[2]), &rect)) return 1;
        printRect(rect);
        return 0;
    }
    if (command == L"menu-rects") {
        EnumWindows(printVisibleMenuRect, 0);
        std::fflush(stdout);
        return 0;
    }
    if (command == L"text-width" && argc >= 5) return printTextWidths(argc, argv);
    if (command == L"window-at" && argc >= 4) {
        const POINT point{std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)};
        const HWND hwnd = WindowFromPoint(point);
        if (!hwnd) return 1;
        std::printf("%p\n", static_cast<void*>(GetAncestor(hwnd, GA_ROOT)));
        return 0;
    }
    if (command == L"close" && argc >= 3) return PostMessageW(handleArg(argv[2]), WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == L"select-tab" && argc >= 4)
        return selectTab(handleArg(argv[2]), static_cast<int>(std::wcstol(argv[3], nullptr, 10)));
    if (command == L"controls" && argc >= 3) return printControls(handleArg(argv[2]));
    if (command == L"mouse" && argc >= 4)
        return moveMouse(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10), argc > 4 ? argv[4] : nullptr);
    if (command == L"version") return printSystemVersion();
    if (command == L"locale") return printLanguageName();
    if (command == L"windows") {
        EnumWindows(printTopLevelWindow, 0);
        std::fflush(stdout);
        return 0;
    }
    return 2;
}
