// The tray menu's commands on a listed window: TopMost, the monitor, Z-order, opacity, the window
// controls, and the wheel-transparency toggle of the Tools menu.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/MenuCommand.h"

namespace zorbel {

// SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE or SC_CLOSE, posted with SendNotifyMessageW: the call does
// not wait for the window, so a hung window cannot hold the program up. False when refused
// (reported).
bool sendSystemCommand(HWND hwnd, UINT command);
// EndTask(window, not a shutdown, forced) on a worker thread: on a hung window the call takes as
// long as the system waits for the program. A failure is reported when the worker posts it back.
// A window of the program's own process is refused (access denied).
void closeForcibly(HWND hwnd);
// Moves the window so that its left border lies just off the left edge of the primary monitor and
// its top edge at 0, keeping its size and its place in the Z-order.
bool zeroWindow(HWND hwnd);

// Move to Top / Move to Bottom / Enable TopMost / Disable TopMost: the Z-order change, then, when it
// succeeded, the window's monitor rules are forgotten.
bool changeZOrderAndForget(HWND hwnd, MenuCommand command);

// Runs one of the commands above for the window of a tray-menu entry (level: the opacity items').
// False when the command is not one of this subsystem's.
bool runWindowCommand(MenuCommand command, std::uintptr_t window, std::int32_t level);

} // namespace zorbel
