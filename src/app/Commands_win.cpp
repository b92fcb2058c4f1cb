#include "app/Commands_win.h"

#include "app/MenuCommand.h"
#include "app/Process_win.h"
#include "app/TrayMenu_win.h"
#include "capture/RegionOverlay_win.h"
#include "capture/ScreenCapture_win.h"

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
    case MenuCommand::RunAsAdministrator:
        relaunchElevated();
        break;
    case MenuCommand::RunAtStartUp:
        startupFolderOperation(false, true);
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
    default:
        // The remaining commands belong to features that are not part of this build yet.
        break;
    }
}

} // namespace zorbel
