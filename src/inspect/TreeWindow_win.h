// The window tree viewer: "Window List", a tree of the desktop's windows with its menu bar,
// accelerators and context menu.
#pragma once

#include <windows.h>

#include <string>

#include "inspect/ViewerMenus.h"

namespace zorbel {

// Opens the tree window with a fresh Desktop enumeration; does nothing while it is open.
void openTreeWindow();
void closeTreeWindow();
bool isTreeWindowOpen();

// The tree window and its tree control (null while closed).
HWND treeWindow();
HWND treeControl();
// How often the tree control has painted since the window opened (its custom-draw pre-paint
// notifications): a refill is drawn once, not once per item.
int treePaintCount();

// Runs a command of the menu bar, the context menu or an accelerator, as if it had been chosen.
void runTreeCommand(ViewerCommand command);

// Search Tree: selects, reveals and highlights the next item whose text contains the query; beeps
// (when sounds are on) when there is none. An empty query does nothing.
void searchTreeItems(const std::u16string& query, bool caseSensitive);
// The search state outlives the window for the whole run; this starts it afresh, as a new run
// does (for tests that share one process).
void resetTreeSearchState();

} // namespace zorbel
