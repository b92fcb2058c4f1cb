#include "app/CoreServices.h"

#include "app/Notifications_win.h"

namespace zorbel::core {

void showBalloon(int warningCode) { BalloonByCode(warningCode); }

void showSystemError(DWORD errorCode) { systemErrorNotification(errorCode, false); }

std::u16string systemErrorText(DWORD errorCode) { return systemErrorNotification(errorCode, true); }

void playWarningSound() { notificationSound(); }

} // namespace zorbel::core
