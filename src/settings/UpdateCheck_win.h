// "Check for Updates": asks the update server on a worker thread, at most one check at a time,
// and offers the home page when the server names a newer build.
#pragma once

#include <windows.h>

#include <string>

#include "settings/UpdateCheck.h"

namespace zorbel {

// Posted to the core window when a check ends without an offer: wParam the UpdateVerdict,
// lParam the error code of a failed check. Balloons are shown from the GUI thread only.
inline constexpr UINT kUpdateCheckDoneMessage = WM_APP + 0x40;

struct UpdateCheckLimits {
    // WinINet's connect, send and receive time-outs.
    DWORD connectMs = 10000;
    DWORD receiveMs = 10000;
    // The check ends by then whatever the server does: Wine's WinINet ignores the time-outs
    // above, and closing a handle does not cancel a blocked call there.
    DWORD wholeCheckMs = 15000;
};

// The tray command: starts a check, or shows "Still busy checking for an update..." while one runs.
void startUpdateCheck();
// Whether the last check's thread still runs.
bool updateCheckRunning();
// The core window's kUpdateCheckDoneMessage.
void onUpdateCheckDone(WPARAM verdict, LPARAM error);

// The address asked: the environment variable's when it is set, else the project's own.
std::u16string updateUrl();
// One GET of the update file: at most kUpdateReplyLimit bytes, over within limits.wholeCheckMs.
// Blocks; the worker thread calls it.
UpdateFetch fetchUpdateFile(const std::u16string& url, const UpdateCheckLimits& limits = {});

} // namespace zorbel
