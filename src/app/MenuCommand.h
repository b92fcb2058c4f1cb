// The commands a tray-menu item can carry; the value is stored in the command table.
#pragma once

#include <cstdint>

namespace zorbel {

enum class MenuCommand : std::int32_t {
    None = 0,
    About = 3,
    CaptureDesktopBackground = 4,
    CaptureDesktopForeground = 5,
    RegionCapture = 6,
    WindowCapture = 7,
    WindowInformation = 8,
    CaptureDisplay = 9,
    ToggleTransparencyMode = 10,
    PreventDisplaySleep = 11,
    PreventSystemSleep = 12,
    EnableAwayMode = 13,
    Exit = 15,
    RunAsAdministrator = 16,
    WindowList = 17,
    MonitoredWindows = 18,
    RunAtStartUp = 19,
    Preferences = 20,
    SetOpacity = 21,
    CloseGracefully = 22,
    CloseForcibly = 23,
    Zero = 24,
    Restore = 25,
    Minimise = 26,
    Maximise = 27,
    MoveToBottom = 28,
    DisableTopMost = 29,
    MoveToTop = 30,
    EnableTopMost = 31,
    EnableMonitor = 32,
    DisableMonitor = 33,
    CheckForUpdates = 34,
};

} // namespace zorbel
