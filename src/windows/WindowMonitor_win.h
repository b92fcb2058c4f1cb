// The window monitor on real windows: making a rule from a window, matching windows against the
// rules, forgetting them, and re-pinning matching windows while the tray menu is rebuilt.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "windows/WindowMonitor.h"

namespace zorbel {

// Class name (" " when it cannot be read), style and extended style; no message is sent.
MonitorWindowFacts readMonitorFacts(HWND hwnd);
// The full path of the program behind the window: the process of its
// "Windows.UI.Core.CoreWindow" child when it has one (a store app's frame), else its own. Empty
// when the process cannot be opened.
std::u16string windowProgramPath(HWND hwnd);
std::u16string processImagePath(DWORD processId);

bool matchesMonitorRule(HWND hwnd);

// "Enable Monitor": pins the window and, when no rule matches it yet, adds one made from the pinned
// window and saves the settings. False when the window could not be pinned (reported).
bool rememberMonitoredWindow(HWND hwnd);
// Clears every rule that matches the window and saves the settings; true when there was one.
bool forgetMonitoredWindow(HWND hwnd);
// "Disable Monitor": releases the window's TopMost state and, when that worked, forgets it.
bool disableMonitor(HWND hwnd);

// The monitor's part of one menu rebuild. Program paths are read only for windows that agree
// with some rule on everything else, and once per process: a rebuild lists every window and must
// not open a process per window, let alone per rule.
class MonitorPass {
public:
    MonitorPass();

    struct Result {
        bool monitored = false; // a rule matches: the menu offers "Disable Monitor"
        bool pinned = false;    // the window was given its TopMost state back just now
    };
    // style, exStyle and the "Windows.UI.Core.CoreWindow" child (or null) as the rebuild read them;
    // looking the child up again would double the monitor's cost under Wine. A matching window
    // without WS_EX_TOPMOST is pinned without being activated; a failure is reported once per
    // window, not at every rebuild.
    Result repin(HWND hwnd, DWORD style, DWORD exStyle, HWND coreChild);

    int pathsRead() const { return pathsRead_; }

private:
    const std::u16string& programPath(HWND programWindow);

    bool active_;
    int pathsRead_ = 0;
    std::vector<std::pair<DWORD, std::u16string>> paths_; // by process id, this rebuild only
};

// The monitor step for a single window, outside a rebuild.
bool repinMonitoredWindow(HWND hwnd);

} // namespace zorbel
