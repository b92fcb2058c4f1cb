#include "windows/ZOrder_win.h"

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"

namespace zorbel {
namespace {

constexpr UINT kZOrderFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;

// What the window's TopMost state must be after the change, if the change decides it.
enum class ExpectedTopMost { Set, Cleared, Either };

ExpectedTopMost expectedTopMost(HWND insertAfter) {
    if (insertAfter == HWND_TOPMOST) return ExpectedTopMost::Set;
    // HWND_BOTTOM also takes the TopMost state away.
    if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM) return ExpectedTopMost::Cleared;
    return ExpectedTopMost::Either;
}

} // namespace

WindowChange testResponsiveness(HWND hwnd) {
    SetLastError(0);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kResponsivenessTimeoutMs, &result) != 0)
        return WindowChange::success();
    return WindowChange::failure(FailedStep::Responsiveness, GetLastError());
}

bool isWindowResponsive(HWND hwnd) { return reportIfFailed(testResponsiveness(hwnd)); }

bool isTopMost(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

WindowChange changeWindowZOrder(HWND hwnd, HWND insertAfter, Activation activation) {
    const WindowChange responsive = testResponsiveness(hwnd);
    if (!responsive.ok) return responsive;
    const UINT flags = kZOrderFlags | (activation == Activation::KeepInactive ? SWP_NOACTIVATE : 0);
    SetLastError(0);
    // The second, identical call is made only when the first succeeded.
    if (!SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, flags) || !SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, flags))
        return WindowChange::failure(FailedStep::SystemCall, GetLastError());
    const ExpectedTopMost expected = expectedTopMost(insertAfter);
    if (expected != ExpectedTopMost::Either && isTopMost(hwnd) != (expected == ExpectedTopMost::Set))
        return WindowChange::failure(FailedStep::SystemCall, GetLastError());
    core::requestMenuRebuild();
    return WindowChange::success();
}

bool setWindowZOrder(HWND hwnd, HWND insertAfter, Activation activation) {
    return reportIfFailed(changeWindowZOrder(hwnd, insertAfter, activation));
}

bool toggleTopMost(HWND hwnd) { return setWindowZOrder(hwnd, isTopMost(hwnd) ? HWND_NOTOPMOST : HWND_TOPMOST); }

HWND rootWindowUnderCursor() {
    const BoundFunctions& f = bound();
    POINT point{};
    const bool havePoint = f.GetPhysicalCursorPos ? f.GetPhysicalCursorPos(&point) != FALSE : GetCursorPos(&point) != FALSE;
    if (!havePoint) return nullptr;
    HWND hit = f.WindowFromPhysicalPoint ? f.WindowFromPhysicalPoint(point) : WindowFromPoint(point);
    return hit ? GetAncestor(hit, GA_ROOT) : nullptr;
}

} // namespace zorbel
