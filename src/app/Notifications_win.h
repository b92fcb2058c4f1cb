// The program's ways of telling the user something: tray balloons by warning code, message
// boxes by error code, the system's own text for a Win32 error, and opening the home page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zorbel {

// "Zorbel! v2022.09.28": the caption of every message box and the title of every balloon.
const std::u16string& programVersionText();
extern const wchar_t* const kHomePageUrl;

// Shows the balloon of a warning code on the tray icon; -1 shows the last system error text.
BOOL BalloonByCode(int code);
// A balloon with a text of the program's own (never empty: callers pass a fixed text).
BOOL balloonWithText(std::u16string_view text);
// The text last given to a balloon (empty before the first).
const std::u16string& lastBalloonText();
// Shows the message box of an error code and blocks until it is dismissed.
void MessageBoxByCode(int code);
// Shows the message box on a short-lived thread of its own, so the tray keeps working.
void MessageBoxByCodeOnNewThread(int code);
// With wantText false: shows the system's text for the error as a balloon and returns "" (when
// the system has no text, the balloon and the result say "GetFormattedMessage Failed: " and the code).
// With wantText true: shows nothing and returns the text.
std::u16string systemErrorNotification(DWORD errorCode, bool wantText);
void openUrl(const wchar_t* url);
// The program's own sound, played only while sounds are on.
void notificationSound();

} // namespace zorbel
