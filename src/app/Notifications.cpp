#include "app/Notifications.h"

#include <string>

namespace zorbel {

namespace {

TextKey balloonKey(int code) {
    switch (code) {
    case 1: return TextKey::lw_Num1;
    case 3: return TextKey::lw_Num3;
    case 4: return TextKey::lw_Num4;
    case 5: return TextKey::lw_Num5;
    case 8: return TextKey::lw_Num8;
    case 9: return TextKey::lw_Num9;
    case 10: return TextKey::lw_Num10;
    case 11: return TextKey::lw_Num11;
    default: return TextKey::lw_Deft;
    }
}

TextKey errorBoxKey(int code) {
    switch (code) {
    case 2: return TextKey::le_Num2;
    case 3: return TextKey::le_Num3;
    case 4: return TextKey::le_Num4;
    case 5: return TextKey::le_Num5;
    case 8: return TextKey::le_Num8;
    case 9: return TextKey::le_Num9;
    case 11: return TextKey::le_Num11;
    default: return TextKey::le_Deft;
    }
}

constexpr int kAboutBox = 1;
constexpr int kUpdateQuestion = 6;
constexpr std::uint32_t kMessageBoxAlwaysOnTop = kMessageBoxSetForeground | kMessageBoxTopMost;

// A language file may blank a text (a key line without "="): a box or balloon then says what the
// English table says rather than nothing.
const std::u16string& shownText(const StringTable& strings, TextKey key) {
    static const StringTable english;
    const std::u16string& text = strings.text(key);
    return text.empty() ? english.text(key) : text;
}

std::u16string decimal(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

BalloonContent balloonContent(int code, const StringTable& strings, std::u16string_view lastSystemErrorText,
                              std::u16string_view versionText, bool soundsOn) {
    const std::u16string_view text =
        code == kSystemErrorBalloon ? lastSystemErrorText : std::u16string_view(shownText(strings, balloonKey(code)));
    std::uint32_t flags = kBalloonInfo | kBalloonRespectQuietTime;
    if (!soundsOn) {
        flags |= kBalloonNoSound;
    }
    return {std::u16string(cutToWidth(versionText, kBalloonTitleLength)),
            std::u16string(cutToWidth(text, kBalloonTextLength)), flags};
}

MessageBoxContent messageBoxContent(int code, const StringTable& strings, std::u16string_view aboutText) {
    if (code == kAboutBox) {
        // Owned by the core window so that its Help button's WM_HELP reaches us.
        return {std::u16string(aboutText), kMessageBoxAlwaysOnTop | kMessageBoxIconQuestion | kMessageBoxHelp, true,
                false};
    }
    if (code == kUpdateQuestion) {
        return {shownText(strings, TextKey::le_Num6) + u"\r\n\r\n" + shownText(strings, TextKey::le_Num7),
                kMessageBoxAlwaysOnTop | kMessageBoxYesNo | kMessageBoxIconQuestion, false, true};
    }
    return {shownText(strings, errorBoxKey(code)), kMessageBoxAlwaysOnTop | kMessageBoxIconError, false, false};
}

// The code as a signed 32-bit number: an HRESULT such as E_NOTIMPL reads -2147467263.
std::u16string systemErrorFallbackText(std::uint32_t code) {
    return u"GetFormattedMessage Failed: " + decimal(static_cast<std::int32_t>(code));
}

std::u16string saveDialogueFailureText(std::uint32_t code) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string hex;
    for (std::uint32_t rest = code; rest != 0 || hex.size() < 4; rest >>= 4) hex.insert(hex.begin(), kDigits[rest & 0xF]);
    std::u16string_view reason;
    switch (code) {
    case 0x0009: // CDERR_MEMALLOCFAILURE
    case 0x3001: // FNERR_SUBCLASSFAILURE: no memory to subclass the list
        reason = u": not enough memory";
        break;
    case 0x3002: reason = u": the file name is not valid"; break; // FNERR_INVALIDFILENAME
    case 0x3003: reason = u": the file name is too long"; break;  // FNERR_BUFFERTOOSMALL
    default: break;
    }
    return u"The save dialogue failed (error 0x" + hex + std::u16string(reason) + u"). Nothing was saved.";
}

std::u16string trayTooltipText(int windowCount, int topMostCount) {
    const std::u16string text = u"Windows : " + decimal(windowCount) + u"\r\nTopMost : " + decimal(topMostCount);
    return std::u16string(cutToWidth(text, kTrayTooltipLength));
}

} // namespace zorbel
