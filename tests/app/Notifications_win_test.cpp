#include "app/Notifications_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "WinTestSupport.h"
#include "app/CoreServices.h"
#include "app/CoreWindow_win.h"
#include "app/TrayIcon_win.h"

namespace zorbel {
namespace {

// The version text worked out independently of the program: the build date as a UTC calendar day.
std::wstring expectedCaption() {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(ZORBEL_BUILD_DATE) + 11644473600ull) * 10000000ull;
    FILETIME fileTime{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME day{};
    FileTimeToSystemTime(&fileTime, &day);
    wchar_t text[40];
    swprintf(text, 40, L"Zorbel! v%04u.%02u.%02u", day.wYear, day.wMonth, day.wDay);
    return text;
}

class NotificationsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::prepareTrayProcess()); }
};

TEST_F(NotificationsTest, VersionTextIsTheCaption) {
    EXPECT_EQ(test::w(programVersionText()), expectedCaption());
    if (ZORBEL_BUILD_DATE == 1664406106) {
        EXPECT_EQ(test::w(programVersionText()), L"Zorbel! v2022.09.28");
    }
}

// ---- Balloons ------------------------------------------------------------------------------------

TEST_F(NotificationsTest, BalloonsNeedTheTrayIcon) {
    const int codes[] = {1, 3, 4, 5, 8, 9, 10, 11, -1, 2, 7, 0};
    for (int code : codes) EXPECT_TRUE(BalloonByCode(code)) << code;

    test::deleteTrayIcon(coreWindow());
    ASSERT_FALSE(test::trayIconExists(coreWindow()));
    for (int code : codes) EXPECT_FALSE(BalloonByCode(code)) << code;
    // Showing a balloon never adds the icon.
    EXPECT_FALSE(test::trayIconExists(coreWindow()));
    recreateTrayIcon();
    EXPECT_TRUE(BalloonByCode(1));
}

// ---- System error texts -------------------------------------------------------------------------

std::wstring systemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer) LocalFree(buffer);
    return text;
}

TEST_F(NotificationsTest, SystemErrorTextIsTheSystemsOwn) {
    const DWORD codes[] = {ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_INVALID_WINDOW_HANDLE, ERROR_TIMEOUT};
    for (DWORD code : codes) {
        const std::wstring expected = systemText(code);
        ASSERT_FALSE(expected.empty()) << code;
        EXPECT_EQ(test::w(systemErrorNotification(code, true)), expected) << code;
        // Shown as a balloon instead: nothing comes back.
        EXPECT_EQ(systemErrorNotification(code, false), u"") << code;
        EXPECT_EQ(test::w(lastBalloonText()), expected.substr(0, 255)) << code;
    }
}

TEST_F(NotificationsTest, FailureWithoutAnErrorCodeIsNotReportedAsSuccess) {
    core::reportSystemError(ERROR_SUCCESS);
    const std::wstring expected = systemText(ERROR_CAN_NOT_COMPLETE);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(test::w(lastBalloonText()), expected.substr(0, 255));
    core::reportSystemError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(test::w(lastBalloonText()), systemText(ERROR_ACCESS_DENIED).substr(0, 255));
}

// Some system texts carry inserts (%1) for arguments the program never has: they are shown as
// they stand, not replaced by the code.
TEST_F(NotificationsTest, SystemTextWithInsertsIsShownAsItStands) {
    // The first system error whose text has an insert (on Windows, 34 already; Wine has fewer).
    for (DWORD code = 1; code < 16000; ++code) {
        wchar_t* buffer = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        const std::wstring expected(buffer ? buffer : L"", length);
        if (buffer) LocalFree(buffer);
        if (expected.find(L"%1") == std::wstring::npos) continue;
        EXPECT_EQ(test::w(systemErrorNotification(code, true)), expected) << code;
        return;
    }
    GTEST_SKIP() << "no system error text with an insert here";
}

TEST_F(NotificationsTest, UnknownErrorCodeGivesTheFallbackText) {
    ASSERT_TRUE(systemText(0x7FFFFFFF).empty());
    EXPECT_EQ(systemErrorNotification(0x7FFFFFFF, true), u"GetFormattedMessage Failed: 2147483647");
    EXPECT_EQ(systemErrorNotification(0x7FFFFFFF, false), u"GetFormattedMessage Failed: 2147483647");
    // Shown too: a failure without a system text still tells the user its code.
    EXPECT_EQ(lastBalloonText(), u"GetFormattedMessage Failed: 2147483647");
    EXPECT_EQ(systemErrorNotification(0xDEADBEEF, true), u"GetFormattedMessage Failed: -559038737");
}

// ---- Message boxes ------------------------------------------------------------------------------

struct BoxFacts {
    bool found = false;
    std::vector<std::wstring> texts; // the Static controls' texts
    HICON icon = nullptr;
    bool topMost = false;
    HWND owner = nullptr;
    std::vector<int> buttons; // identifiers of the push buttons present
};

BOOL CALLBACK collectChild(HWND child, LPARAM parameter) noexcept {
    auto* facts = reinterpret_cast<BoxFacts*>(parameter);
    wchar_t className[64]{};
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            facts->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        } else {
            wchar_t text[512]{};
            GetWindowTextW(child, text, 512);
            facts->texts.emplace_back(text);
        }
    } else if (_wcsicmp(className, L"Button") == 0 && IsWindowVisible(child)) {
        facts->buttons.push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

// Shows the box of a code on a thread of its own, reads it from this thread and dismisses it.
// This thread keeps pumping: a box owned by the core window sends it messages (it is disabled
// while the box is open).
BoxFacts showAndRead(int code, int dismissWith) {
    std::atomic<bool> returned{false};
    std::thread box([code, &returned] {
        MessageBoxByCode(code);
        returned = true;
    });
    BoxFacts facts;
    HWND hwnd = nullptr;
    const std::wstring caption = expectedCaption();
    test::pumpUntil(10000, [&] { return (hwnd = FindWindowW(L"#32770", caption.c_str())) != nullptr; });
    if (hwnd) {
        facts.found = true;
        test::pumpUntil(100, [] { return false; }); // let the box finish its layout
        EnumChildWindows(hwnd, collectChild, reinterpret_cast<LPARAM>(&facts));
        facts.topMost = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        facts.owner = GetWindow(hwnd, GW_OWNER);
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(dismissWith, BN_CLICKED), 0);
    }
    // MessageBoxByCode returns once the box is gone.
    if (!test::pumpUntil(10000, [&] { return returned.load(); })) {
        ADD_FAILURE() << "the box did not close";
        if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    box.join();
    return facts;
}

// Whether this system gives a box shown with MB_TOPMOST the WS_EX_TOPMOST style: Windows does;
// Wine 8 does so only for MB_SYSTEMMODAL. Asked once with a box of the test's own.
bool systemMarksTopMostBoxes() {
    static const bool marks = [] {
        const wchar_t* caption = L"Zorbel test reference box";
        std::atomic<bool> returned{false};
        std::thread box([&] {
            MessageBoxW(nullptr, L"reference", caption, MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
            returned = true;
        });
        HWND hwnd = nullptr;
        test::pumpUntil(10000, [&] { return (hwnd = FindWindowW(L"#32770", caption)) != nullptr; });
        const bool topMost = hwnd && (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        if (hwnd) PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        test::pumpUntil(10000, [&] { return returned.load(); });
        box.join();
        return topMost;
    }();
    return marks;
}

enum class Icon { Error, Question };

struct BoxCase {
    const char* name;
    int code;
    std::wstring text;
    Icon icon;
    std::vector<int> buttons;
    int dismissWith;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

const std::wstring kUnknown = L"Unknown error code!";

const BoxCase kBoxCases[] = {
    {"Code2", 2, L"You can only run one Zorbel!", Icon::Error, {IDOK}, IDOK},
    {"Code3", 3, L"Unsupported version of Windows. Requires 10.0.14393.", Icon::Error, {IDOK}, IDOK},
    {"Code4", 4, L"Unable to create the system tray icon.", Icon::Error, {IDOK}, IDOK},
    {"Code5", 5, L"Executable file has been corrupted.", Icon::Error, {IDOK}, IDOK},
    {"Code6", 6, L"I found an update for Zorbel!\r\n\r\nWould you like To download the update?", Icon::Question,
     {IDYES, IDNO}, IDNO},
    {"Code8", 8, L"Unable to copy Zorbel!.exe to the startup folder.", Icon::Error, {IDOK}, IDOK},
    {"Code9", 9, L"Unable to launch Zorbel!.exe as Administrator.", Icon::Error, {IDOK}, IDOK},
    {"Code11", 11, L"Unable to start the window monitor!", Icon::Error, {IDOK}, IDOK},
    {"Code10", 10, kUnknown, Icon::Error, {IDOK}, IDOK},
    {"Code7", 7, kUnknown, Icon::Error, {IDOK}, IDOK},
    {"Code0", 0, kUnknown, Icon::Error, {IDOK}, IDOK},
    {"CodeMinus1", -1, kUnknown, Icon::Error, {IDOK}, IDOK},
};

class MessageBoxTest : public NotificationsTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, ShowsTheCodesTextCaptionIconAndButtons) {
    const BoxCase& c = GetParam();
    const BoxFacts box = showAndRead(c.code, c.dismissWith);
    ASSERT_TRUE(box.found) << "no box captioned " << std::string(expectedCaption().begin(), expectedCaption().end());
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], c.text);
    // The system's shared icons: the box and LoadIconW hand out the same handle.
    const HICON error = LoadIconW(nullptr, IDI_ERROR);
    const HICON question = LoadIconW(nullptr, IDI_QUESTION);
    ASSERT_NE(error, question);
    EXPECT_EQ(box.icon, c.icon == Icon::Error ? error : question);
    std::vector<int> buttons = box.buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(box.owner, nullptr) << "only the About box has an owner";
}

INSTANTIATE_TEST_SUITE_P(Codes, MessageBoxTest, ::testing::ValuesIn(kBoxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NotificationsTest, AboutBoxIsOwnedByTheCoreWindowAndHasHelp) {
    const BoxFacts box = showAndRead(1, IDOK);
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.owner, coreWindow());
    EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_QUESTION));
    std::vector<int> buttons = box.buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<int>{IDOK, IDHELP}));
}

TEST_F(NotificationsTest, BoxesAreShownTopMost) {
    const bool systemMarks = systemMarksTopMostBoxes();
    for (int code : {1, 2, 6}) {
        const BoxFacts box = showAndRead(code, code == 6 ? IDNO : IDOK);
        ASSERT_TRUE(box.found) << code;
        EXPECT_EQ(box.topMost, systemMarks) << "code " << code << " is shown with MB_TOPMOST";
    }
}

TEST_F(NotificationsTest, BoxOnItsOwnThreadDoesNotBlockTheCaller) {
    const auto start = std::chrono::steady_clock::now();
    MessageBoxByCodeOnNewThread(10);
    EXPECT_LT(test::millisecondsSince(start), 2000.0);
    HWND hwnd = nullptr;
    const std::wstring caption = expectedCaption();
    test::pumpUntil(10000, [&] { return (hwnd = FindWindowW(L"#32770", caption.c_str())) != nullptr; });
    ASSERT_NE(hwnd, nullptr);
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(hwnd, &processId);
    EXPECT_EQ(processId, GetCurrentProcessId());
    EXPECT_NE(threadId, GetCurrentThreadId());
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(test::pumpUntil(5000, [&] { return !IsWindow(hwnd); }));
}

} // namespace
} // namespace zorbel
