// Runs the command of a tray-menu item: the identifier indexes the command table.
#pragma once

#include <windows.h>

namespace zorbel {

void executeMenuCommand(UINT identifier);

} // namespace zorbel
