// The process-wide power requests of the tray menu's "Power Management..." submenu.
#pragma once

#include "power/PowerRequests.h"

namespace zorbel {

// Whether the request is set (its menu item shows a check mark).
bool powerRequestHeld(PowerRequestType type);

// The menu command of a request (the display command carries the system request with it).
// Failures are shown in a balloon with the system's text; the menu is rebuilt either way.
void runPowerCommand(PowerRequestType type);

} // namespace zorbel
