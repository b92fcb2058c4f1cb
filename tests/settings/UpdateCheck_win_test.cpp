#include "settings/UpdateCheck_win.h"

#include <wininet.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/Notifications_win.h"
#include "app/Version.h"
#include "settings/LoopbackHttpServer.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

using test::ServerAnswer;

std::string ascii(const std::u16string& text) { return std::string(text.begin(), text.end()); }

BOOL CALLBACK collectStaticText(HWND child, LPARAM parameter) noexcept {
    wchar_t className[16]{};
    wchar_t text[1024]{};
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0)
        reinterpret_cast<std::wstring*>(parameter)->append(text);
    return TRUE;
}

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        ASSERT_NE(server_.port(), 0);
        SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", server_.url().c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", nullptr);
        ASSERT_TRUE(test::pumpUntil(20000, [] { return !updateCheckRunning(); }));
    }

    // Starts a check and waits for what it shows: the update question's text, or a balloon's.
    std::wstring checkAndSee() {
        EXPECT_TRUE(BalloonByCode(9)); // a marker that no check shows
        const std::u16string marker = lastBalloonText();
        startUpdateCheck();
        std::wstring seen;
        const bool ended = test::pumpUntil(20000, [&] {
            if (lastBalloonText() != marker) return seen = test::w(lastBalloonText()), true;
            const HWND box = FindWindowW(L"#32770", test::w(programVersionText()).c_str());
            if (!box || !IsWindowVisible(box)) return false;
            Sleep(100); // the box fills in its controls after it appears
            EnumChildWindows(box, collectStaticText, reinterpret_cast<LPARAM>(&seen));
            PostMessageW(box, WM_COMMAND, IDNO, 0);
            return true;
        });
        EXPECT_TRUE(ended) << "the check showed nothing";
        return seen;
    }

    test::LoopbackHttpServer server_;
};

const std::string kBuildDate = ascii(formatBuildDate(ZORBEL_BUILD_DATE));

TEST_F(UpdateCheckTest, TellsTheUserWhatTheServerSaid) {
    const std::wstring offer = test::w(strings().text(TextKey::le_Num6) + u"\r\n\r\n" + strings().text(TextKey::le_Num7));
    const std::wstring none = test::w(strings().text(TextKey::lw_Num3));
    const auto failure = [](DWORD code) { return test::w(systemErrorNotification(code, true)).substr(0, 255); };
    const struct {
        ServerAnswer answer;
        std::string text;
        std::wstring expected;
    } cases[] = {
        {ServerAnswer::Reply, "9999.12.31\r\n", offer},
        {ServerAnswer::Reply, kBuildDate, none},
        {ServerAnswer::Reply, "2000.01.01", none},
        {ServerAnswer::Reply, "<html>Welcome</html>", none},
        {ServerAnswer::Reply, "99999999999999999999", offer},
        {ServerAnswer::Padded, "9999.12.31\r\n", offer}, // 10 MB after the date
        {ServerAnswer::Redirect, "9999.12.31", offer},
        {ServerAnswer::Status, "404", failure(ERROR_FILE_NOT_FOUND)},
        {ServerAnswer::Status, "500", failure(12152)},       // ERROR_HTTP_INVALID_SERVER_RESPONSE
        {ServerAnswer::Truncated, "9999.12.31", failure(12030)}, // ERROR_INTERNET_CONNECTION_ABORTED
    };
    for (const auto& c : cases) {
        server_.answer(c.answer, c.text);
        EXPECT_EQ(checkAndSee(), c.expected) << static_cast<int>(c.answer) << " " << c.text;
        ASSERT_TRUE(test::pumpUntil(5000, [] { return !updateCheckRunning(); }));
    }
    // A server that hangs up without a word is a failure too, whatever WinINet calls it.
    server_.answer(ServerAnswer::HangUp, "");
    const std::wstring hangUp = checkAndSee();
    EXPECT_NE(hangUp, none);
    EXPECT_NE(hangUp, offer);
    EXPECT_FALSE(hangUp.empty());
}

TEST_F(UpdateCheckTest, FailuresBeforeTheServerAreShownWithTheirText) {
    // A port that nobody listens on: bound, never listening.
    const SOCKET idle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    ASSERT_EQ(bind(idle, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(getsockname(idle, reinterpret_cast<sockaddr*>(&address), &size), 0);
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(ntohs(address.sin_port)) + L"/files/zorbel.txt";
    SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", url.c_str());
    // WinINet's texts are in wininet.dll, not in the system's table.
    const std::wstring cannotConnect = checkAndSee();
    EXPECT_EQ(cannotConnect, test::w(systemErrorNotification(12029, true)).substr(0, 255));
    EXPECT_EQ(cannotConnect.find(L"GetFormattedMessage"), std::wstring::npos) << cannotConnect;
    closesocket(idle);

    // Plain HTTP to another machine is refused before anything is sent.
    SetEnvironmentVariableW(L"ZORBEL_UPDATE_URL", L"http://zorbel.example.org/files/zorbel.txt");
    EXPECT_EQ(checkAndSee(), test::w(systemErrorNotification(12005, true)).substr(0, 255));
    EXPECT_EQ(server_.connections(), 0);
    // A code wininet.dll may have no text for still names the code.
    EXPECT_NE(systemErrorNotification(12045, true).find_first_not_of(u" \r\n"), std::u16string::npos);
}

TEST_F(UpdateCheckTest, ReadsAtMostTheLimitAndEndsInTime) {
    const std::u16string url = test::u16(server_.url());
    server_.answer(ServerAnswer::Padded, "9999.12.31\r\n");
    UpdateFetch fetch = fetchUpdateFile(url);
    EXPECT_EQ(fetch.error, 0u);
    EXPECT_EQ(fetch.reply.size(), kUpdateReplyLimit);
    EXPECT_EQ(fetch.reply.substr(0, 12), "9999.12.31\r\n");

    // A reply that arrives a byte at a time is read whole.
    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 30);
    fetch = fetchUpdateFile(url);
    EXPECT_EQ(fetch.error, 0u);
    EXPECT_EQ(fetch.reply, "9999.12.31\r\n");

    // One byte a second: the check gives up at its limit with a time-out.
    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 1000);
    UpdateCheckLimits limits;
    limits.connectMs = limits.receiveMs = 1000;
    limits.wholeCheckMs = 2000;
    fetch = fetchUpdateFile(url, limits);
    EXPECT_EQ(fetch.error, static_cast<std::uint32_t>(ERROR_INTERNET_TIMEOUT));
}

TEST_F(UpdateCheckTest, OneCheckAtATimeWhileTheTrayGoesOn) {
    server_.answer(ServerAnswer::Trickle, "9999.12.31\r\n", 150);
    startUpdateCheck();
    // The command returned while the server is still answering.
    EXPECT_TRUE(updateCheckRunning());
    startUpdateCheck();
    EXPECT_EQ(lastBalloonText(), strings().text(TextKey::lw_Num1));
    // The question comes once, from the one check.
    const std::wstring caption = test::w(programVersionText());
    ASSERT_TRUE(test::pumpUntil(10000, [&] { return FindWindowW(L"#32770", caption.c_str()) != nullptr; }));
    EXPECT_EQ(server_.connections(), 1);
    PostMessageW(FindWindowW(L"#32770", caption.c_str()), WM_COMMAND, IDNO, 0);
}

} // namespace
} // namespace zorbel
