#include "app/CoreServices.h"

#include "app/CoreWindow_win.h"
#include "app/Notifications_win.h"
#include "app/TrayMenu_win.h"
#include "settings/SettingsFile_win.h"

namespace zorbel::core {

HWND window() { return coreWindow(); }
void reportSystemError(DWORD errorCode) { (void)systemErrorNotification(errorCode, false); }
void showBalloon(int warningCode) { BalloonByCode(warningCode); }
void requestMenuRebuild() { zorbel::requestMenuRebuild(); }
void notificationSound() { zorbel::notificationSound(); }
void saveSettings() { zorbel::saveSettings(); }

} // namespace zorbel::core
