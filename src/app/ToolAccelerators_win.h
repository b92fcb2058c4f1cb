// Keyboard accelerators of the tool windows. The event loop offers every message to
// translateToolAccelerator, which translates it with the table of the tool window that the
// message's window belongs to (the window itself or one of its controls).
#pragma once

#include <windows.h>

namespace zorbel {

// The table stays owned by the caller and must outlive the registration.
void registerToolAccelerators(HWND window, HACCEL table);
void unregisterToolAccelerators(HWND window);
// True when the message was a key of a registered table and became its WM_COMMAND.
bool translateToolAccelerator(MSG& message);

} // namespace zorbel
