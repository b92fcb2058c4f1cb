#include "app/CoreWindow_win.h"

#include <windowsx.h>

#include "app/BoundFunctions_win.h"
#include "app/Clipboard_win.h"
#include "app/Commands_win.h"
#include "app/Handles_win.h"
#include "app/Hotkeys_win.h"
#include "app/Notifications_win.h"
#include "app/Process_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"
#include "capture/RegionOverlay_win.h"
#include "settings/UpdateCheck_win.h"

namespace zorbel {
namespace {

UniqueWindow window;
// Set while the window is taken down on purpose (by the exits), and while its WM_DESTROY runs.
bool destroying = false;
UINT taskbarCreated = 0;
UINT shellHook = 0;
bool taskbarCreatedAllowed = false;

constexpr WPARAM kShellWindowCreated = 1;
constexpr WPARAM kShellWindowDestroyed = 2;
constexpr WPARAM kShellRedraw = 6;
constexpr WPARAM kShellRudeAppActivated = 0x8004;

void onShellHook(WPARAM code, LPARAM window) {
    const bool interesting = code == kShellWindowCreated || code == kShellWindowDestroyed || code == kShellRedraw ||
                             code == kShellRudeAppActivated;
    if (interesting && window > 0) requestMenuRebuild();
}

void onTrayCallback(HWND hwnd, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        // So that a popup menu opened for the icon closes when the user clicks elsewhere.
        PostMessageW(hwnd, WM_NULL, 0, 0);
        showTrayMenu();
        break;
    default:
        break;
    }
}

// Only Exit ends the program. Anything else that takes the window down (a DestroyWindow from
// elsewhere in the process) would leave a process without timer and tray, still holding the
// single-instance mutex: the exit routine runs instead.
void onDestroy() {
    if (destroying) return;
    destroying = true;
    exitRoutine();
}

void onCommand(WPARAM wParam, LPARAM lParam) {
    // Menu commands only: controls carry their handle in lParam.
    if (lParam == 0 && HIWORD(wParam) == 0) executeMenuCommand(LOWORD(wParam));
}

LRESULT coreWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (taskbarCreated != 0 && message == taskbarCreated) {
        recreateTrayIcon();
        return 0;
    }
    if (shellHook != 0 && message == shellHook) {
        onShellHook(wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_HELP:
        openUrl(kHomePageUrl);
        return 0;
    case WM_HOTKEY:
        onHotkey(wParam);
        return 0;
    case WM_DPICHANGED:
        reloadMenuIconsIfDpiChanged();
        return 0;
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    // A close request (taskkill without /F, or SC_CLOSE from outside) would reach DefWindowProcW,
    // which destroys the window: the program is ended only through Exit.
    case WM_CLOSE:
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) return 0;
        break;
    case WM_DESTROY:
        onDestroy();
        return 0;
    // The session ends and the process with it, without Exit: the user's mouse speed first.
    case WM_ENDSESSION:
        if (wParam) closeRegionCaptureForExit();
        return 0;
    case WM_RENDERFORMAT:
        renderDelayedClipboardFormat(static_cast<UINT>(wParam));
        return 0;
    case WM_RENDERALLFORMATS:
        renderAllDelayedClipboardFormats(hwnd);
        return 0;
    case WM_DESTROYCLIPBOARD:
        forgetDelayedClipboardFormats();
        return 0;
    case kUpdateCheckDoneMessage:
        onUpdateCheckDone(wParam, lParam);
        return 0;
    default:
        break;
    }
    // Only the tray callback's mouse moves refresh the tooltip: other messages whose lParam
    // happens to equal WM_MOUSEMOVE (a WM_MOVE to x = 512, say) must reach the default handling.
    if (message == kTrayCallbackMessage && lParam == WM_MOUSEMOVE) {
        refreshTrayTooltip();
        return 0;
    }
    if (message == kTrayCallbackMessage) {
        onTrayCallback(hwnd, lParam);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT CALLBACK coreWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return coreWindowMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

} // namespace

bool createCoreWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = coreWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kCoreWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    // A plain hidden top-level window rather than a message-only one: the shell hook and the
    // taskbar's broadcasts only reach top-level windows.
    window.reset(CreateWindowExW(0, kCoreWindowClass, kCoreWindowTitle, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, nullptr));
    return static_cast<bool>(window);
}

HWND coreWindow() { return window.get(); }

void destroyCoreWindow() {
    if (destroying) {
        // Called by the exit routine from inside WM_DESTROY: the window is already going.
        window.release();
        return;
    }
    destroying = true;
    // A capture not yet pasted as PNG is rendered now, so the clipboard keeps it after the exit.
    renderAllDelayedClipboardFormats(window.get());
    window.reset();
    destroying = false;
}

bool registerCoreMessages() {
    taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    shellHook = RegisterWindowMessageW(L"SHELLHOOK");
    // An elevated process does not receive Explorer's broadcast from a lower integrity level
    // unless it lets the message through; without it a restarted taskbar takes the icon for good.
    if (const auto changeFilter = bound().ChangeWindowMessageFilterEx; changeFilter && taskbarCreated != 0 && window)
        taskbarCreatedAllowed = changeFilter(window.get(), taskbarCreated, MSGFLT_ALLOW, nullptr) != FALSE;
    return taskbarCreated != 0 && shellHook != 0;
}

UINT taskbarCreatedMessage() { return taskbarCreated; }
bool taskbarCreatedPassesMessageFilter() { return taskbarCreatedAllowed; }
UINT shellHookMessage() { return shellHook; }

} // namespace zorbel
