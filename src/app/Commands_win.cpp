#include "app/Commands_win.h"

#include "app/MenuCommand.h"
#include "app/Notifications_win.h"
#include "app/Preferences_win.h"
#include "app/Process_win.h"
#include "app/TrayMenu_win.h"
#include "capture/RegionOverlay_win.h"
#include "capture/ScreenCapture_win.h"
#include "inspect/InformationWindow_win.h"
#include "inspect/TreeWindow_win.h"
#include "power/PowerRequests_win.h"
#include "settings/UpdateCheck_win.h"
#include "windows/MonitoredWindows_win.h"
#include "windows/WindowControls_win.h"

namespace zorbel {

void executeMenuCommand(UINT identifier) {
    const MenuEntry* entry = trayCommandTable().find(identifier);
    if (!entry) return;
    // Copied first: a command that runs a modal loop (a save dialogue) may outlive the table.
    const HWND window = reinterpret_cast<HWND>(entry->window);
    const std::u16string text = entry->text;
    switch (entry->command) {
    case MenuCommand::Exit:
        exitRoutine();
    case MenuCommand::About:
        // On a thread of its own, so that the tray keeps working while the box is open.
        MessageBoxByCodeOnNewThread(1);
        break;
    case MenuCommand::CheckForUpdates:
        startUpdateCheck();
        break;
    case MenuCommand::Preferences:
        openPreferences();
        break;
    case MenuCommand::RunAsAdministrator:
        relaunchElevated();
        break;
    case MenuCommand::RunAtStartUp:
        startupFolderOperation(false, true);
        break;
    case MenuCommand::ToggleTransparencyMode:
    case MenuCommand::SetOpacity:
    case MenuCommand::CloseGracefully:
    case MenuCommand::CloseForcibly:
    case MenuCommand::Zero:
    case MenuCommand::Restore:
    case MenuCommand::Minimise:
    case MenuCommand::Maximise:
    case MenuCommand::MoveToBottom:
    case MenuCommand::DisableTopMost:
    case MenuCommand::MoveToTop:
    case MenuCommand::EnableTopMost:
    case MenuCommand::EnableMonitor:
    case MenuCommand::DisableMonitor:
        runWindowCommand(entry->command, entry->window, entry->level);
        break;
    case MenuCommand::PreventDisplaySleep:
        runPowerCommand(PowerRequestType::Display);
        break;
    case MenuCommand::PreventSystemSleep:
        runPowerCommand(PowerRequestType::System);
        break;
    case MenuCommand::EnableAwayMode:
        runPowerCommand(PowerRequestType::AwayMode);
        break;
    case MenuCommand::MonitoredWindows:
        openMonitoredWindows();
        break;
    case MenuCommand::CaptureDesktopBackground:
        captureDesktopBackground();
        break;
    case MenuCommand::CaptureDesktopForeground:
        captureDesktopForeground();
        break;
    case MenuCommand::RegionCapture:
        beginRegionCapture();
        break;
    case MenuCommand::WindowCapture:
        captureWindow(window);
        break;
    case MenuCommand::CaptureDisplay:
        captureDisplay(text);
        break;
    case MenuCommand::WindowInformation:
        (void)showWindowReport(window);
        break;
    case MenuCommand::WindowList:
        openTreeWindow();
        break;
    default:
        // The remaining commands belong to features that are not part of this build yet.
        break;
    }
}

} // namespace zorbel
