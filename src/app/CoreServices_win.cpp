#include "app/CoreServices.h"

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Notifications_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"
#include "settings/SettingsFile_win.h"

namespace zorbel::core {

HWND window() { return coreWindow(); }
Settings& settings() { return currentSettings(); }
void saveSettings() { zorbel::saveSettings(); }
void reportSystemError(DWORD errorCode) {
    // Some refusals leave no error code (Wine's among them); "The operation completed
    // successfully." would then be shown for a change that did not happen.
    (void)systemErrorNotification(errorCode == ERROR_SUCCESS ? ERROR_CAN_NOT_COMPLETE : errorCode, false);
}
std::u16string systemErrorText(DWORD errorCode) { return systemErrorNotification(errorCode, true); }
void showBalloon(int warningCode) { BalloonByCode(warningCode); }
void showBalloonText(std::u16string_view text) { BalloonWithText(text); }
void showMessageBox(int errorCode) { MessageBoxByCode(errorCode); }
void requestMenuRebuild() { zorbel::requestMenuRebuild(); }
void notificationSound() { zorbel::notificationSound(); }

int systemDpi() {
    if (const int recorded = smallIconMetrics().dpi; recorded > 0) return recorded;
    if (const auto getDpiForSystem = bound().GetDpiForSystem) return static_cast<int>(getDpiForSystem());
    return 96;
}

MenuRebuildHold::MenuRebuildHold() { holdMenuRebuild(); }
MenuRebuildHold::~MenuRebuildHold() { releaseMenuRebuild(); }

} // namespace zorbel::core
