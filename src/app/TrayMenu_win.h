// The tray menu: rebuilt from scratch by the one-second timer whenever something it shows changed.
#pragma once

#include <windows.h>

#include "app/CommandTable.h"

namespace zorbel {

// Asks for a rebuild at the next timer tick (anything that changes what the menu shows calls it).
void requestMenuRebuild();
bool menuRebuildRequested();
// Without change notifications (the shell hook is missing under Wine) every tick rebuilds.
void setRebuildOnEveryTick(bool everyTick);

// While a command runs a modal loop (a save dialogue), the timer must not rebuild the table that
// the command was chosen from. Holds nest; each hold is released once.
void holdMenuRebuild();
void releaseMenuRebuild();
bool isMenuRebuildHeld();

void CALLBACK trayMenuTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time) noexcept;
// Rebuilds the menu and the command table now.
void rebuildTrayMenu();
// Shows the menu at the cursor (nothing while a rebuild runs, while the menu is shown already, or
// before the first rebuild).
void showTrayMenu();

HMENU trayMenu();
CommandTable& trayCommandTable();
int listedWindowCount();
int listedTopMostCount();
bool isTrayMenuShown();
bool isTrayMenuRebuilding();

// Frees the menu and the command table with every per-window image.
void destroyTrayMenu();

} // namespace zorbel
