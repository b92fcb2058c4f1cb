// What the tray balloons, the error message boxes and the tray tooltip say, chosen by code.
// The Win32 side only hands these values to Shell_NotifyIconW and MessageBoxW.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/StringTable.h"

namespace zorbel {

// Shell_NotifyIconW balloon flags (NIIF_*).
inline constexpr std::uint32_t kBalloonInfo = 0x01;
inline constexpr std::uint32_t kBalloonNoSound = 0x10;
inline constexpr std::uint32_t kBalloonRespectQuietTime = 0x80;

// MessageBoxW flags (MB_*).
inline constexpr std::uint32_t kMessageBoxYesNo = 0x4;
inline constexpr std::uint32_t kMessageBoxIconError = 0x10;
inline constexpr std::uint32_t kMessageBoxIconQuestion = 0x20;
inline constexpr std::uint32_t kMessageBoxHelp = 0x4000;
inline constexpr std::uint32_t kMessageBoxSetForeground = 0x10000;
inline constexpr std::uint32_t kMessageBoxTopMost = 0x40000;

// Lengths that fit the fixed text buffers of NOTIFYICONDATAW (szInfoTitle, szInfo, szTip),
// leaving room for the terminating zero.
inline constexpr std::size_t kBalloonTitleLength = 63;
inline constexpr std::size_t kBalloonTextLength = 255;
inline constexpr std::size_t kTrayTooltipLength = 63;

// The warning code that shows the text last stored by the system-error notification.
inline constexpr int kSystemErrorBalloon = -1;

struct BalloonContent {
    std::u16string title;
    std::u16string text;
    std::uint32_t infoFlags;
};

BalloonContent balloonContent(int code, const StringTable& strings, std::u16string_view lastSystemErrorText,
                              std::u16string_view versionText, bool soundsOn);

struct MessageBoxContent {
    std::u16string text;
    std::uint32_t flags;
    bool ownedByCoreWindow;
    bool yesOpensHomePage;
};

// aboutText is shown for code 1, the About box.
MessageBoxContent messageBoxContent(int code, const StringTable& strings, std::u16string_view aboutText);

// What the system-error notification returns when FormatMessageW cannot describe the code: the
// code in signed decimal, as HRESULTs are written.
std::u16string systemErrorFallbackText(std::uint32_t code);

// What a balloon says when the save dialogue itself failed (CommDlgExtendedError). Its codes are
// not system error codes (CDERR_INITIALIZATION is 2, as ERROR_FILE_NOT_FOUND), so they are named
// here rather than looked up.
std::u16string saveDialogueFailureText(std::uint32_t code);

// "Windows : N\r\nTopMost : M", cut to the tooltip's length.
std::u16string trayTooltipText(int windowCount, int topMostCount);

} // namespace zorbel
