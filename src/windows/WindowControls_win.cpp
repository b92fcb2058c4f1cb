#include "windows/WindowControls_win.h"

#include <memory>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "windows/ControlWindow_win.h"
#include "windows/Opacity_win.h"
#include "windows/WheelTransparency_win.h"
#include "windows/WindowFailures_win.h"
#include "windows/WindowMonitor_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

// SWP_NOACTIVATE keeps the window's place: an activated window would go to the top.
constexpr UINT kZeroFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE;

struct EndTaskJob {
    HWND window;
    HWND reportTo;
    bool useEndTask;
};

// Wine exports EndTask as a stub that aborts the calling process. There the window's process is
// ended instead, which is what a forced EndTask comes to for a window that does not close.
bool endTaskUsable() { return bound().EndTask && !runningUnderWine(); }

bool terminateWindowProcess(HWND hwnd) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(hwnd, &processId)) return false;
    const UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
    return process && TerminateProcess(process.get(), 1);
}

DWORD WINAPI endTaskThread(LPVOID parameter) {
    const std::unique_ptr<EndTaskJob> job(static_cast<EndTaskJob*>(parameter));
    SetLastError(0);
    const bool ended = job->useEndTask ? bound().EndTask(job->window, FALSE, TRUE) != FALSE
                                       : terminateWindowProcess(job->window);
    if (!ended) PostMessageW(job->reportTo, kEndTaskFailedMessage, GetLastError(), 0);
    return 0;
}

} // namespace

bool sendSystemCommand(HWND hwnd, UINT command) {
    SetLastError(0);
    if (SendNotifyMessageW(hwnd, WM_SYSCOMMAND, command, 0)) return true;
    reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
    return false;
}

void closeForcibly(HWND hwnd) {
    // The menu lists the program's own tool windows too; ending their task would end the program
    // without its exit routine (and leave its tray icon behind).
    DWORD processId = 0;
    if (GetWindowThreadProcessId(hwnd, &processId) && processId == GetCurrentProcessId()) {
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, ERROR_ACCESS_DENIED));
        return;
    }
    HWND reportTo = windowControlWindow();
    if (!reportTo) {
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
        return;
    }
    auto job = std::make_unique<EndTaskJob>(EndTaskJob{hwnd, reportTo, endTaskUsable()});
    SetLastError(0);
    const UniqueKernelHandle thread(CreateThread(nullptr, 0, endTaskThread, job.get(), 0, nullptr));
    if (!thread) {
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
        return;
    }
    job.release(); // the thread owns it now
}

bool zeroWindow(HWND hwnd) {
    if (!isWindowResponsive(hwnd)) return false;
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    SetLastError(0);
    if (!GetWindowInfo(hwnd, &info) ||
        !SetWindowPos(hwnd, nullptr, -static_cast<int>(info.cxWindowBorders), 0, 0, 0, kZeroFlags)) {
        reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, GetLastError()));
        return false;
    }
    core::requestMenuRebuild();
    return true;
}

bool changeZOrderAndForget(HWND hwnd, MenuCommand command) {
    HWND insertAfter = HWND_TOP;
    Activation activation = Activation::Activate;
    switch (command) {
    case MenuCommand::EnableTopMost:
        insertAfter = HWND_TOPMOST;
        break;
    case MenuCommand::DisableTopMost:
        insertAfter = HWND_NOTOPMOST;
        break;
    case MenuCommand::MoveToTop:
        insertAfter = HWND_TOP;
        break;
    case MenuCommand::MoveToBottom:
        // Activation would move the window to the top of its group: the opposite of the command.
        insertAfter = HWND_BOTTOM;
        activation = Activation::KeepInactive;
        break;
    default:
        return false;
    }
    if (!setWindowZOrder(hwnd, insertAfter, activation)) return false;
    // Chosen by hand: the monitor must not undo it at the next rebuild.
    forgetMonitoredWindow(hwnd);
    return true;
}

bool runWindowCommand(MenuCommand command, std::uintptr_t window, std::int32_t level) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    switch (command) {
    case MenuCommand::ToggleTransparencyMode:
        toggleWheelTransparencyMode();
        return true;
    case MenuCommand::SetOpacity:
        (void)setWindowOpacity(hwnd, level);
        return true;
    case MenuCommand::CloseGracefully:
        sendSystemCommand(hwnd, SC_CLOSE);
        return true;
    case MenuCommand::CloseForcibly:
        closeForcibly(hwnd);
        return true;
    case MenuCommand::Zero:
        zeroWindow(hwnd);
        return true;
    case MenuCommand::Restore:
        sendSystemCommand(hwnd, SC_RESTORE);
        return true;
    case MenuCommand::Minimise:
        sendSystemCommand(hwnd, SC_MINIMIZE);
        return true;
    case MenuCommand::Maximise:
        sendSystemCommand(hwnd, SC_MAXIMIZE);
        return true;
    case MenuCommand::MoveToBottom:
    case MenuCommand::DisableTopMost:
    case MenuCommand::MoveToTop:
    case MenuCommand::EnableTopMost:
        changeZOrderAndForget(hwnd, command);
        return true;
    case MenuCommand::EnableMonitor:
        rememberMonitoredWindow(hwnd);
        return true;
    case MenuCommand::DisableMonitor:
        disableMonitor(hwnd);
        return true;
    default:
        return false;
    }
}

} // namespace zorbel
