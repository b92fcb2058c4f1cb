#include "settings/UpdateCheck_win.h"

#include <wininet.h>

#include <gtest/gtest.h>

#include <string>

#include "WinTestSupport.h"
#include "app/Notifications_win.h"
#include "app/Version.h"
#include "settings/LoopbackHttpServer.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

using test::ServerAnswer;

BOOL CALLBACK appendStaticText(HWND child, LPARAM parameter) noexcept {
    wchar_t className[16]{};
    wchar_t text[1024]{};
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0)
        reinterpret_cast<std::wstring*>(parameter)->append(text);
    return TRUE;
}

std::wstring failure(DWORD code) { return test::w(systemErrorNotification(code, true)).substr(0, 255); }

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        ASSERT_NE(server_.port(), 0);
        SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", server_.url().c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", nullptr);
        EXPECT_TRUE(test::pumpUntil(20000, [] { return !updateCheckRunning(); }));
    }

    // Runs a check to its end and returns what the user saw: the update question (answered No)
    // or a balloon.
    std::wstring checkAndSee() {
        EXPECT_TRUE(BalloonByCode(9)); // a text no check shows
        const std::u16string marker = lastBalloonText();
        startUpdateCheck();
        std::wstring seen;
        EXPECT_TRUE(test::pumpUntil(20000, [&] {
            if (lastBalloonText() != marker) return seen = test::w(lastBalloonText()), true;
            const HWND box = FindWindowW(L"#32770", test::w(programVersionText()).c_str());
            if (!box) return false;
            Sleep(100); // the box fills in its controls after it appears
            EnumChildWindows(box, appendStaticText, reinterpret_cast<LPARAM>(&seen));
            PostMessageW(box, WM_COMMAND, IDNO, 0);
            return true;
        }));
        EXPECT_TRUE(test::pumpUntil(5000, [] { return !updateCheckRunning(); }));
        return seen;
    }

    test::LoopbackHttpServer server_;
};

TEST_F(UpdateCheckTest, TellsTheUserWhatTheServerSaid) {
    const std::u16string buildDate = formatBuildDate(ZORBEL_BUILD_DATE);
    const std::wstring offer = test::w(strings().text(TextKey::le_Num6) + u"\r\n\r\n" + strings().text(TextKey::le_Num7));
    const std::wstring none = test::w(strings().text(TextKey::lw_Num3));
    const struct {
        ServerAnswer answer;
        std::string text;
        std::wstring expected;
    } cases[] = {
        {ServerAnswer::Reply, "9999.12.31\r\n", offer},
        {ServerAnswer::Reply, std::string(buildDate.begin(), buildDate.end()), none},
        {ServerAnswer::Reply, "2000.01.01", none},
        {ServerAnswer::Reply, "<html>Welcome</html>", none},
        {ServerAnswer::Reply, "99999999999999999999", offer},
        {ServerAnswer::Padded, "9999.12.31\r\n", offer},
        {ServerAnswer::Redirect, "9999.12.31", offer},
        {ServerAnswer::Status, "404", failure(ERROR_FILE_NOT_FOUND)},
        {ServerAnswer::Truncated, "9999.12.31", failure(ERROR_INTERNET_CONNECTION_ABORTED)},
        {ServerAnswer::HangUp, "", failure(ERROR_HTTP_INVALID_SERVER_RESPONSE)},
    };
    for (const auto& c : cases) {
        server_.answer(c.answer, c.text);
        EXPECT_EQ(checkAndSee(), c.expected) << static_cast<int>(c.answer) << " " << c.text;
    }

    // Nothing listening: WinINet's own text (from wininet.dll, not the system's table).
    std::wstring closed;
    {
        const test::LoopbackHttpServer gone;
        closed = gone.url();
    }
    SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", closed.c_str());
    const std::wstring cannotConnect = checkAndSee();
    EXPECT_EQ(cannotConnect, failure(ERROR_INTERNET_CANNOT_CONNECT));
    EXPECT_EQ(cannotConnect.find(L"GetFormattedMessage"), std::wstring::npos) << cannotConnect;

    // Plain HTTP to another machine is refused before anything is sent.
    SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", L"http://zorbel.example.org/files/zorbel.txt");
    EXPECT_EQ(checkAndSee(), failure(ERROR_INTERNET_INVALID_URL));
    EXPECT_EQ(server_.connections(), 11);
}

TEST_F(UpdateCheckTest, ReadsAtMostTheLimitAndEndsInTime) {
    const std::u16string url = test::u16(server_.url());
    server_.answer(ServerAnswer::Padded, "9999.12.31\r\n");
    UpdateFetch fetch = fetchUpdateFile(url);
    EXPECT_EQ(fetch.error, 0u);
    EXPECT_EQ(fetch.reply.size(), kUpdateReplyLimit);

    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 30);
    EXPECT_EQ(fetchUpdateFile(url).reply, "9999.12.31\r\n") << "a reply that comes a byte at a time is read whole";

    // A byte a second: the check gives up at its own limit, whatever WinINet does.
    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 1000);
    UpdateCheckLimits limits;
    limits.wholeCheckMs = 2000;
    EXPECT_EQ(fetchUpdateFile(url, limits).error, static_cast<std::uint32_t>(ERROR_INTERNET_TIMEOUT));
    // The fetch given up on is still reading (the server sends for another ten seconds): until it
    // ends, a new check is refused as busy instead of leaving another thread behind.
    ASSERT_TRUE(updateCheckRunning());
    const int connections = server_.connections();
    startUpdateCheck();
    EXPECT_EQ(lastBalloonText(), strings().text(TextKey::lw_Num1));
    EXPECT_EQ(server_.connections(), connections);
}

TEST_F(UpdateCheckTest, OneCheckAtATimeAndTheCommandDoesNotWait) {
    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 150);
    startUpdateCheck();
    EXPECT_TRUE(updateCheckRunning()) << "the command waited for the server";
    startUpdateCheck();
    EXPECT_EQ(lastBalloonText(), strings().text(TextKey::lw_Num1));
    const std::wstring caption = test::w(programVersionText());
    ASSERT_TRUE(test::pumpUntil(10000, [&] { return FindWindowW(L"#32770", caption.c_str()) != nullptr; }));
    EXPECT_EQ(server_.connections(), 1);
    PostMessageW(FindWindowW(L"#32770", caption.c_str()), WM_COMMAND, IDNO, 0);
}

} // namespace
} // namespace zorbel
