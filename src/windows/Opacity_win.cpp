#include "windows/Opacity_win.h"

#include "app/BoundFunctions_win.h"
#include "windows/Opacity.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;
// SWP_NOACTIVATE as well: activation would bring the window to the top, and the frame refresh
// must keep its place in the Z-order (and the focus where the user has it).
constexpr UINT kFrameRefreshFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE;

WindowChange systemFailure() { return WindowChange::failure(FailedStep::SystemCall, GetLastError()); }

// SetWindowLongW returns the previous value, which may itself be 0: only the last error tells a
// failure. The window may also change the style in WM_STYLECHANGING, so the layered bit is read
// back, and a request the window turned down counts as refused.
WindowChange writeLayeredBit(HWND hwnd, LONG exStyle, bool layered) {
    const LONG wanted = layered ? (exStyle | WS_EX_LAYERED) : (exStyle & ~WS_EX_LAYERED);
    SetLastError(0);
    if (SetWindowLongW(hwnd, GWL_EXSTYLE, wanted) == 0 && GetLastError() != 0) return systemFailure();
    if (((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0) != layered) return systemFailure();
    return WindowChange::success();
}

} // namespace

WindowChange applyWindowOpacity(HWND hwnd, int percent) {
    SetLastError(0);
    const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (exStyle == 0 && GetLastError() != 0) return systemFailure();
    LayeringFacts facts;
    facts.layered = (exStyle & WS_EX_LAYERED) != 0;
    COLORREF colourKey = 0;
    if (const auto getAttributes = bound().GetLayeredWindowAttributes; facts.layered && getAttributes) {
        BYTE alpha = 0;
        DWORD flags = 0;
        facts.attributesReadable = getAttributes(hwnd, &colourKey, &alpha, &flags) != FALSE;
        facts.flags = flags;
    }
    const OpacityPlan plan = planOpacity(facts, percent);

    switch (plan.action) {
    case OpacityPlan::Action::Nothing:
        return WindowChange::success();
    case OpacityPlan::Action::LeaveAlone:
        return WindowChange::failure(FailedStep::DrawsOwnTransparency, 0);
    case OpacityPlan::Action::RemoveLayering: {
        const WindowChange removed = writeLayeredBit(hwnd, exStyle, false);
        if (!removed.ok) return removed;
        RedrawWindow(hwnd, nullptr, nullptr, kRepaintFlags);
        return WindowChange::success();
    }
    case OpacityPlan::Action::SetAttributes:
        break;
    }

    if (!facts.layered) {
        const WindowChange added = writeLayeredBit(hwnd, exStyle, true);
        if (!added.ok) return added;
    }
    SetLastError(0);
    if (!SetLayeredWindowAttributes(hwnd, colourKey, plan.alpha, plan.flags)) {
        const WindowChange failed = systemFailure();
        if (!facts.layered) (void)writeLayeredBit(hwnd, exStyle, false);
        return failed;
    }
    SetLastError(0);
    if (!SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameRefreshFlags)) return systemFailure();
    return WindowChange::success();
}

bool setWindowOpacity(HWND hwnd, int percent) {
    WindowChange change = testResponsiveness(hwnd);
    if (change.ok) change = applyWindowOpacity(hwnd, percent);
    return reportIfFailed(change);
}

std::optional<std::uint8_t> windowConstantAlpha(HWND hwnd) {
    const auto getAttributes = bound().GetLayeredWindowAttributes;
    if (!getAttributes || (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return std::nullopt;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!getAttributes(hwnd, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return std::nullopt;
    return alpha;
}

} // namespace zorbel
