#include "app/Startup_win.h"

#include <imagehlp.h>

#include <optional>

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/Hotkeys_win.h"
#include "app/Notifications_win.h"
#include "app/PathText.h"
#include "app/Preferences_win.h"
#include "app/Process_win.h"
#include "app/TimerPolicy.h"
#include "app/ToolAccelerators_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"
#include "app/Version.h"
#include "settings/Settings.h"
#include "settings/SettingsFile_win.h"

namespace zorbel {
namespace {

constexpr DWORD kTimerExceptionSuppression = 7; // UOI_TIMERPROC_EXCEPTION_SUPPRESSION
constexpr UINT kRebuildTimerPeriodMs = 1000;

void selectDpiAwareness() {
    const BoundFunctions& f = bound();
    if (f.SetProcessDpiAwarenessContext) {
        const auto perMonitorV2 = DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2;
        const auto perMonitor = DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE;
        if (f.IsValidDpiAwarenessContext && f.IsValidDpiAwarenessContext(perMonitorV2))
            f.SetProcessDpiAwarenessContext(perMonitorV2);
        else if (f.IsValidDpiAwarenessContext && f.IsValidDpiAwarenessContext(perMonitor))
            f.SetProcessDpiAwarenessContext(perMonitor);
    } else if (f.SetProcessDpiAwareness) {
        constexpr int kProcessPerMonitorDpiAware = 2;
        f.SetProcessDpiAwareness(kProcessPerMonitorDpiAware);
    }
}

[[noreturn]] void failStartup(int messageCode) {
    MessageBoxByCode(messageCode);
    plainExit();
}

// The shell hook, the registered messages and the one-second timer that rebuilds the menu.
bool startWindowMonitor() {
    const bool underWine = runningUnderWine();
    MonitorStartResults results{};
    results.shellHookRegistered = RegisterShellHookWindow(coreWindow()) != FALSE;
    results.messagesRegistered = registerCoreMessages();
    BOOL suppress = FALSE;
    results.exceptionSuppressionSet =
        SetUserObjectInformationW(GetCurrentProcess(), kTimerExceptionSuppression, &suppress, sizeof(suppress)) !=
        FALSE;
    if (shouldSetTimer(results.exceptionSuppressionSet, underWine))
        results.timerStarted = SetTimer(coreWindow(), kRebuildTimerId, kRebuildTimerPeriodMs, trayMenuTimerProc) != 0;
    setRebuildOnEveryTick(everyTickSchedulesRebuild(results.shellHookRegistered, underWine));
    return !monitorStartFailed(results, underWine);
}

[[noreturn]] void runEventLoop() {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) exitRoutine(); // WM_QUIT: nothing posts it, but leave cleanly if it comes
        if (result < 0) continue;
        if (translateToolAccelerator(message)) continue;
        // Tab and Shift+Tab move between the Preferences window's controls, as in a dialogue.
        if (HWND preferences = preferencesWindow(); preferences && IsDialogMessageW(preferences, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

bool programFileIsIntact(const wchar_t* path) {
    DWORD stored = 0;
    DWORD computed = 0;
    if (MapFileAndCheckSumW(path, &stored, &computed) != CHECKSUM_SUCCESS) return false;
    return stored == computed;
}

void runProgram(HINSTANCE instance) {
    programVersionText();
    bindFunctions();
    Sleep(100);
    selectDpiAwareness();

    loadSettings();
    loadLanguage();
    startupFolderOperation(true, false);

    // A path that cannot be read says nothing about the file, so only a file that was read and
    // found damaged stops the program.
    const std::u16string path = programPath();
    if (!path.empty() && !programFileIsIntact(wide(extendedLengthPath(path)))) failStartup(5);

    if (createSingleInstanceMutex() == InstanceCheck::AlreadyRunning) failStartup(2);
    if (versionGate(readOsVersion(), kWindows10Major, 0, kRequiredWindowsBuild) == 0) failStartup(3);
    if (currentSettings().pAdministrator && !isProcessElevated()) relaunchElevated();

    if (!createCoreWindow(instance)) plainExit();
    // The first load always finds a new DPI; "nothing loaded" cannot happen here.
    if (!reloadMenuIconsIfDpiChanged()) failStartup(11);
    if (!startWindowMonitor()) failStartup(11);
    registerStartupHotkeys();

    requestMenuRebuild();
    runEventLoop();
}

} // namespace zorbel
