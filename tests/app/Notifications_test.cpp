#include "app/Notifications.h"

#include <gtest/gtest.h>

#include <climits>

namespace zorbel {
namespace {

constexpr std::u16string_view kVersion = u"Zorbel! v2022.09.28";

struct BalloonCase {
    int code;
    std::u16string_view text;
};

class BalloonByCodeTest : public testing::TestWithParam<BalloonCase> {};

TEST_P(BalloonByCodeTest, ShowsTheCodesText) {
    const StringTable table;
    const BalloonContent balloon = balloonContent(GetParam().code, table, u"unused", kVersion, true);
    EXPECT_EQ(balloon.text, GetParam().text);
    EXPECT_EQ(balloon.title, kVersion);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BalloonByCodeTest,
    testing::Values(BalloonCase{1, u"Still busy checking for an update..."},
                    BalloonCase{3, u"There are no new updates."},
                    BalloonCase{4, u"The window is not responding."},
                    BalloonCase{5, u"Unable to capture the window."},
                    BalloonCase{8, u"The captured image is not a valid image format."},
                    BalloonCase{9, u"Successfully copied Zorbel!.exe to the startup folder."},
                    BalloonCase{10, u"Select window to filter child windows."},
                    BalloonCase{11, u"Select window to filter process thread windows."},
                    BalloonCase{0, u"Unknown error code!"},
                    BalloonCase{2, u"Unknown error code!"}, // raised by a failed window capture
                    BalloonCase{7, u"Unknown error code!"},
                    BalloonCase{-2, u"Unknown error code!"},
                    BalloonCase{INT_MIN, u"Unknown error code!"}));

TEST(BalloonContentTest, SystemErrorCodeShowsTheLastSystemText) {
    const StringTable table;
    const std::u16string systemText = u"Access is denied.\r\n";
    EXPECT_EQ(balloonContent(kSystemErrorBalloon, table, systemText, kVersion, true).text, systemText);
    EXPECT_EQ(balloonContent(kSystemErrorBalloon, table, u"", kVersion, true).text, u"");
}

TEST(BalloonContentTest, LanguageFileTextsReplaceTheDefaults) {
    StringTable table;
    table.set(TextKey::lw_Num4, u"Das Fenster reagiert nicht.");
    table.set(TextKey::lw_Deft, u"Unbekannter Fehlercode!");
    EXPECT_EQ(balloonContent(4, table, u"", kVersion, true).text, u"Das Fenster reagiert nicht.");
    EXPECT_EQ(balloonContent(2, table, u"", kVersion, true).text, u"Unbekannter Fehlercode!");
    EXPECT_EQ(balloonContent(5, table, u"", kVersion, true).text, u"Unable to capture the window.");
}

TEST(BalloonContentTest, SoundsSettingChoosesTheInfoFlags) {
    const StringTable table;
    EXPECT_EQ(balloonContent(3, table, u"", kVersion, true).infoFlags, 0x81u);
    EXPECT_EQ(balloonContent(3, table, u"", kVersion, false).infoFlags, 0x91u);
    EXPECT_EQ(balloonContent(kSystemErrorBalloon, table, u"x", kVersion, false).infoFlags, 0x91u);
}

TEST(BalloonContentTest, TitleAndTextAreCutToTheBalloonBuffers) {
    const StringTable table;
    const std::u16string longTitle(100, u'T');
    const std::u16string longText(400, u'x');
    const BalloonContent balloon = balloonContent(kSystemErrorBalloon, table, longText, longTitle, true);
    EXPECT_EQ(balloon.title, std::u16string(63, u'T'));
    EXPECT_EQ(balloon.text, std::u16string(255, u'x'));

    const std::u16string exactText(255, u'y');
    EXPECT_EQ(balloonContent(kSystemErrorBalloon, table, exactText, kVersion, true).text, exactText);
}

TEST(BalloonContentTest, CutNeverLeavesHalfACharacter) {
    const StringTable table;
    // U+1F600 as a surrogate pair at units 254 and 255: keeping only the first would be invalid.
    const std::u16string text = std::u16string(254, u'a') + u"\U0001F600" + u"b";
    EXPECT_EQ(balloonContent(kSystemErrorBalloon, table, text, kVersion, true).text, std::u16string(254, u'a'));
}

struct MessageBoxCase {
    int code;
    std::u16string_view text;
    std::uint32_t flags;
};

class MessageBoxByCodeTest : public testing::TestWithParam<MessageBoxCase> {};

TEST_P(MessageBoxByCodeTest, ShowsTheCodesTextAndFlags) {
    const StringTable table;
    const MessageBoxContent box = messageBoxContent(GetParam().code, table, u"About text");
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.flags, GetParam().flags);
    EXPECT_EQ(box.ownedByCoreWindow, GetParam().code == 1);
    EXPECT_EQ(box.yesOpensHomePage, GetParam().code == 6);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, MessageBoxByCodeTest,
    testing::Values(
        MessageBoxCase{1, u"About text", 0x54020},
        MessageBoxCase{2, u"You can only run one Zorbel!", 0x50010},
        MessageBoxCase{3, u"Unsupported version of Windows. Requires 10.0.14393.", 0x50010},
        MessageBoxCase{4, u"Unable to create the system tray icon.", 0x50010},
        MessageBoxCase{5, u"Executable file has been corrupted.", 0x50010},
        MessageBoxCase{6, u"I found an update for Zorbel!\r\n\r\nWould you like To download the update?", 0x50024},
        MessageBoxCase{7, u"Unknown error code!", 0x50010}, // le_Num7 belongs to code 6 only
        MessageBoxCase{8, u"Unable to copy Zorbel!.exe to the startup folder.", 0x50010},
        MessageBoxCase{9, u"Unable to launch Zorbel!.exe as Administrator.", 0x50010},
        MessageBoxCase{10, u"Unknown error code!", 0x50010},
        MessageBoxCase{11, u"Unable to start the window monitor!", 0x50010},
        MessageBoxCase{0, u"Unknown error code!", 0x50010},
        MessageBoxCase{-1, u"Unknown error code!", 0x50010},
        MessageBoxCase{INT_MAX, u"Unknown error code!", 0x50010}));

TEST(MessageBoxContentTest, LanguageFileTextsReplaceTheDefaults) {
    StringTable table;
    table.set(TextKey::le_Num6, u"Eine neue Version ist da.");
    table.set(TextKey::le_Num7, u"Jetzt herunterladen?");
    table.set(TextKey::le_Num2, u"Zorbel! l\u00e4uft schon.");
    EXPECT_EQ(messageBoxContent(6, table, u"").text, u"Eine neue Version ist da.\r\n\r\nJetzt herunterladen?");
    EXPECT_EQ(messageBoxContent(2, table, u"").text, u"Zorbel! l\u00e4uft schon.");
}

// A language file can blank a text; a box or balloon never shows nothing for it.
TEST(MessageBoxContentTest, BlankedTextsShowTheEnglishOnes) {
    StringTable table;
    const StringTable english;
    for (const TextKey key : {TextKey::le_Num2, TextKey::le_Num6, TextKey::le_Deft, TextKey::lw_Num4}) table.set(key, u"");
    EXPECT_EQ(messageBoxContent(2, table, u"").text, english.text(TextKey::le_Num2));
    EXPECT_EQ(messageBoxContent(6, table, u"").text.substr(0, english.text(TextKey::le_Num6).size()),
              english.text(TextKey::le_Num6));
    EXPECT_EQ(messageBoxContent(12, table, u"").text, english.text(TextKey::le_Deft));
    EXPECT_EQ(balloonContent(4, table, u"", kVersion, true).text, english.text(TextKey::lw_Num4));
}

// The dialogue's own codes overlap system codes (2 is also "file not found"): they are named, not
// looked up.
TEST(SaveDialogueFailureTextTest, NamesTheDialoguesCode) {
    EXPECT_EQ(saveDialogueFailureText(0x3003),
              u"The save dialogue failed (error 0x3003: the file name is too long). Nothing was saved.");
    EXPECT_EQ(saveDialogueFailureText(2), u"The save dialogue failed (error 0x0002). Nothing was saved.");
    EXPECT_EQ(saveDialogueFailureText(0xFFFF), u"The save dialogue failed (error 0xFFFF). Nothing was saved.");
    EXPECT_EQ(saveDialogueFailureText(0x12345), u"The save dialogue failed (error 0x12345). Nothing was saved.");
}

TEST(SystemErrorFallbackTextTest, NamesTheCodeInDecimal) {
    EXPECT_EQ(systemErrorFallbackText(0), u"GetFormattedMessage Failed: 0");
    EXPECT_EQ(systemErrorFallbackText(1460), u"GetFormattedMessage Failed: 1460");
    EXPECT_EQ(systemErrorFallbackText(0xFFFFFFFFu), u"GetFormattedMessage Failed: -1");
    EXPECT_EQ(systemErrorFallbackText(0x80004001u), u"GetFormattedMessage Failed: -2147467263"); // E_NOTIMPL
}

TEST(TrayTooltipTextTest, CountsWindowsAndTopMostWindows) {
    EXPECT_EQ(trayTooltipText(0, 0), u"Windows : 0\r\nTopMost : 0");
    EXPECT_EQ(trayTooltipText(37, 4), u"Windows : 37\r\nTopMost : 4");
    EXPECT_EQ(trayTooltipText(INT_MIN, INT_MAX), u"Windows : -2147483648\r\nTopMost : 2147483647");
}

} // namespace
} // namespace zorbel
