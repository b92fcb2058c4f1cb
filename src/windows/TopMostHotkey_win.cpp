#include "windows/TopMostHotkey.h"

#include "app/CoreServices.h"

namespace zorbel {
namespace {

constexpr UINT kResponseTimeoutMs = 100;
constexpr UINT kZOrderFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;

bool answersInTime(HWND window) {
    SetLastError(0);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kResponseTimeoutMs, &result)) return true;
    core::reportSystemError(GetLastError());
    return false;
}

} // namespace

bool toggleTopMostFromHotkey(HWND window) {
    if (!answersInTime(window)) return false;
    const bool topMost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND insertAfter = topMost ? HWND_NOTOPMOST : HWND_TOPMOST;
    SetLastError(0);
    // Made twice, the second only after the first succeeded, as every Z-order change here is.
    if (!SetWindowPos(window, insertAfter, 0, 0, 0, 0, kZOrderFlags) ||
        !SetWindowPos(window, insertAfter, 0, 0, 0, 0, kZOrderFlags)) {
        core::reportSystemError(GetLastError());
        return false;
    }
    core::requestMenuRebuild();
    return true;
}

} // namespace zorbel
