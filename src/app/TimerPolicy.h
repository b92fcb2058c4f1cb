// When start-up of the window monitor (shell hook, registered messages, one-second timer) counts
// as failed, and how the timer makes up for a missing shell hook.
//
// Wine stubs RegisterShellHookWindow and SetUserObjectInformationW(UOI_TIMERPROC_EXCEPTION_SUPPRESSION)
// and both return FALSE there, which on Windows would end start-up with "Unable to start the window
// monitor!". Under Wine those two failures are tolerated and the timer stands in for the shell hook.
#pragma once

namespace zorbel {

struct MonitorStartResults {
    bool shellHookRegistered = false;     // RegisterShellHookWindow
    bool messagesRegistered = false;      // "TaskbarCreated" and "SHELLHOOK" both non-zero
    bool exceptionSuppressionSet = false; // SetUserObjectInformationW
    bool timerStarted = false;            // SetTimer
};

// On Windows the timer is set only once timer exceptions are no longer swallowed.
bool shouldSetTimer(bool exceptionSuppressionSet, bool underWine);

bool monitorStartFailed(const MonitorStartResults& results, bool underWine);

// Without a shell hook no change notification arrives, so every tick must rebuild the menu.
bool everyTickSchedulesRebuild(bool shellHookRegistered, bool underWine);

} // namespace zorbel
