#include "app/Commands_win.h"

#include "app/MenuCommand.h"
#include "app/Process_win.h"
#include "app/TrayMenu_win.h"
#include "inspect/InformationWindow_win.h"
#include "inspect/TreeWindow_win.h"

namespace zorbel {

void executeMenuCommand(UINT identifier) {
    const MenuEntry* entry = trayCommandTable().find(identifier);
    if (!entry) return;
    switch (entry->command) {
    case MenuCommand::Exit:
        exitRoutine();
    case MenuCommand::RunAsAdministrator:
        relaunchElevated();
        break;
    case MenuCommand::RunAtStartUp:
        startupFolderOperation(false, true);
        break;
    case MenuCommand::WindowInformation:
        (void)showWindowReport(reinterpret_cast<HWND>(entry->window));
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
