#include "app/CoreServices.h"

#include "app/Notifications_win.h"
#include "app/TrayMenu_win.h"
#include "settings/SettingsFile_win.h"

namespace zorbel::core {

void requestMenuRebuild() { zorbel::requestMenuRebuild(); }

bool showSystemError(DWORD errorCode) { return systemErrorNotification(errorCode, false).empty(); }

void showBalloon(int warningCode) { BalloonByCode(warningCode); }

void saveSettings() { zorbel::saveSettings(); }

} // namespace zorbel::core
