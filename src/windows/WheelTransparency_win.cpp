#include "windows/WheelTransparency_win.h"

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "windows/ControlWindow_win.h"
#include "windows/Opacity_win.h"
#include "windows/WheelHook.h"
#include "windows/WindowFailures_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

WheelTarget targetUnderCursor(std::int32_t x, std::int32_t y) {
    const BoundFunctions& f = bound();
    // The physical cursor position: the event's own point is in the hook thread's coordinates.
    POINT point{x, y};
    POINT physical{};
    if (f.GetPhysicalCursorPos && f.GetPhysicalCursorPos(&physical)) point = physical;
    // Neither call sends a message to another thread's window.
    HWND hit = f.WindowFromPhysicalPoint ? f.WindowFromPhysicalPoint(point) : WindowFromPoint(point);
    HWND root = hit ? GetAncestor(hit, GA_ROOT) : nullptr;
    if (!root) return {};
    return {reinterpret_cast<std::uintptr_t>(root), static_cast<std::uint32_t>(GetWindowLongW(root, GWL_EXSTYLE))};
}

bool postWheelWork() {
    HWND target = windowControlWindow();
    return target && PostMessageW(target, kWheelWorkMessage, 0, 0);
}

WheelHook wheel({targetUnderCursor, postWheelWork});
UniqueHook hook;
WheelStatistics statistics;
// The last window the mode left alone because it draws its own transparency: the user is told
// once, not at every wheel step over it.
HWND leftAlone = nullptr;

LRESULT CALLBACK wheelHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && lParam != 0) {
        const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (wheel.onMouseEvent(code, static_cast<std::uint32_t>(wParam), event.mouseData, event.pt.x, event.pt.y) ==
            HookVerdict::Swallow)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void applyWheelBatch(const WheelBatch& batch) {
    HWND hwnd = reinterpret_cast<HWND>(batch.window);
    // Reading the alpha sends the window nothing; the change itself is preceded by the
    // responsiveness test, so a hung window costs at most its 100 ms.
    const int percent = wheelStepsPercent(windowConstantAlpha(hwnd), batch.taken());
    WindowChange change = testResponsiveness(hwnd);
    if (change.ok) change = applyWindowOpacity(hwnd, percent);
    const bool toldAlready = !change.ok && change.step == FailedStep::DrawsOwnTransparency && hwnd == leftAlone;
    if (!change.ok && change.step == FailedStep::DrawsOwnTransparency) leftAlone = hwnd;
    if (!toldAlready) reportWindowFailure(change);
    ++statistics.batchesApplied;
}

} // namespace

bool wheelTransparencyOn() { return static_cast<bool>(hook); }

bool toggleWheelTransparencyMode() {
    core::requestMenuRebuild();
    if (hook) {
        endWheelTransparencyMode();
        return false;
    }
    // The window the hook posts to must exist before the first event arrives.
    if (!windowControlWindow()) {
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
        return false;
    }
    wheel.start();
    leftAlone = nullptr;
    SetLastError(0);
    hook.reset(SetWindowsHookExW(WH_MOUSE_LL, wheelHookProc, GetModuleHandleW(nullptr), 0));
    if (!hook) {
        wheel.stop();
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
        return false;
    }
    return true;
}

void endWheelTransparencyMode() {
    wheel.stop();
    hook.reset(); // UnhookWindowsHookEx; the handle is cleared whatever it returns
}

void runWheelWork() {
    while (const auto batch = wheel.takeBatch()) applyWheelBatch(*batch);
    if (wheel.takeEndRequest()) {
        hook.reset();
        core::requestMenuRebuild();
    }
    statistics.stepsDropped = wheel.droppedSteps();
}

WheelStatistics wheelStatistics() { return statistics; }

} // namespace zorbel
