#include "app/Hotkeys_win.h"

#include <gtest/gtest.h>

#include <string>

#include "WinTestSupport.h"
#include "app/Notifications_win.h"
#include "app/TrayMenu_win.h"
#include "capture/RegionOverlay_win.h"
#include "settings/Settings.h"

namespace zorbel {
namespace {

constexpr UINT kCtrl = MOD_CONTROL | MOD_NOREPEAT;
constexpr std::int32_t kCtrlShiftF8 = 0x377; // HOTKEYF_CONTROL | HOTKEYF_SHIFT, VK_F8
constexpr std::int32_t kCtrlAltF9 = 0x678;   // HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F9

// Whether anyone holds the combination: the test thread tries to register it for itself.
bool combinationIsFree(UINT modifiers, UINT virtualKey) {
    constexpr int kProbeId = 0x7001;
    if (!RegisterHotKey(nullptr, kProbeId, modifiers, virtualKey)) {
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
        return false;
    }
    UnregisterHotKey(nullptr, kProbeId);
    return true;
}

bool isFree(std::int32_t value) {
    const HotkeyCombination combination = hotkeyCombination(value);
    return combinationIsFree(combination.modifiers, combination.virtualKey);
}

std::wstring systemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer) LocalFree(buffer);
    return text;
}

class HotkeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        saved_ = currentSettings();
        // A known balloon text, so that a test can tell whether another balloon followed.
        ASSERT_TRUE(BalloonByCode(1));
        marker_ = lastBalloonText();
    }
    void TearDown() override {
        switchHotkey(Hotkey::Capture, false);
        switchHotkey(Hotkey::TopMost, false);
        currentSettings() = saved_;
    }
    bool balloonShown() const { return lastBalloonText() != marker_; }

    Settings saved_;
    std::u16string marker_;
};

TEST_F(HotkeysTest, StartUpRegistersTheSwitchedOnCombinationsOnTheCoreWindow) {
    currentSettings() = Settings{};
    currentSettings().pTopMostCB = 0;
    registerStartupHotkeys();
    EXPECT_FALSE(isFree(0x252)) << "Ctrl+R";
    EXPECT_TRUE(isFree(0x245)) << "a switched-off hotkey is not registered";
    EXPECT_FALSE(balloonShown());
    // Registered for the core window under the hotkey's identifier.
    UnregisterHotKey(coreWindow(), hotkeyIdentifier(Hotkey::Capture));
    EXPECT_TRUE(isFree(0x252));
}

// "pCapture = 82" in the settings file: plain R would be taken from every program.
TEST_F(HotkeysTest, StartUpLeavesAKeyWithoutCtrlOrAltOffAndSaysSo) {
    currentSettings() = Settings{};
    currentSettings().pCapture = 'R';
    currentSettings().pTopMostCB = 0;
    registerStartupHotkeys();
    EXPECT_TRUE(combinationIsFree(MOD_NOREPEAT, 'R'));
    EXPECT_EQ(lastBalloonText(), unsafeHotkeysText(true, false));
    EXPECT_EQ(currentSettings().pCapture, 'R');
}

TEST_F(HotkeysTest, ChangedOrRestoredCombinationsLeaveExactlyOneActive) {
    currentSettings() = Settings{};
    registerStartupHotkeys();
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, kCtrlShiftF8), kCtrlShiftF8);
    EXPECT_TRUE(isFree(0x252)) << "the old combination stayed registered beside the new one";
    EXPECT_FALSE(isFree(kCtrlShiftF8));
    (void)changeHotkeyCombination(Hotkey::TopMost, kCtrlAltF9);

    restoreDefaultHotkeys();
    EXPECT_TRUE(isFree(kCtrlShiftF8));
    EXPECT_TRUE(isFree(kCtrlAltF9));
    EXPECT_FALSE(isFree(0x252));
    EXPECT_FALSE(isFree(0x245));
    // Again, over the active defaults: no "already registered".
    restoreDefaultHotkeys();
    EXPECT_FALSE(balloonShown()) << test::w(lastBalloonText());

    // Cleared: nothing stays registered, and no balloon.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, 0), 0);
    EXPECT_TRUE(isFree(0x252));
    EXPECT_FALSE(balloonShown());
}

// Another process that holds a combination until it is dropped.
class HotkeyHolder {
public:
    HotkeyHolder(UINT modifiers, UINT virtualKey) {
        const std::wstring name = L"ZorbelHotkeyHolder" + std::to_wstring(GetCurrentProcessId());
        held_.reset(CreateEventW(nullptr, TRUE, FALSE, (name + L".held").c_str()));
        release_.reset(CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str()));
        wchar_t self[MAX_PATH]{};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring program(self);
        program = program.substr(0, program.find_last_of(L'\\') + 1) + L"hotkeyholder_win.exe";
        wchar_t arguments[64]{};
        swprintf(arguments, 64, L" %x %x ", modifiers, virtualKey);
        std::wstring commandLine = L"\"" + program + L"\"" + arguments + name;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info)) {
            error_ = L"cannot start " + program;
            return;
        }
        process_.reset(info.hProcess);
        UniqueKernelHandle thread(info.hThread);
        HANDLE waits[2] = {held_.get(), process_.get()};
        const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 30000);
        if (woke != WAIT_OBJECT_0) error_ = L"the holder did not take the combination";
    }
    ~HotkeyHolder() {
        if (release_) SetEvent(release_.get());
        if (process_) WaitForSingleObject(process_.get(), 10000);
    }
    const std::wstring& error() const { return error_; }

private:
    UniqueKernelHandle held_;
    UniqueKernelHandle release_;
    UniqueKernelHandle process_;
    std::wstring error_;
};

TEST_F(HotkeysTest, CombinationHeldByAnotherProgramIsRefusedWithTheSystemsText) {
    currentSettings() = Settings{};
    registerStartupHotkeys();
    const HotkeyCombination taken = hotkeyCombination(kCtrlAltF9);
    HotkeyHolder holder(taken.modifiers, taken.virtualKey);
    ASSERT_TRUE(holder.error().empty()) << std::string(holder.error().begin(), holder.error().end());
    ASSERT_FALSE(isFree(kCtrlAltF9));

    const std::wstring expected = systemText(ERROR_HOTKEY_ALREADY_REGISTERED);
    ASSERT_FALSE(expected.empty());
    // A changed combination: refused, field and setting cleared, the old one gone too.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, kCtrlAltF9), 0);
    EXPECT_EQ(currentSettings().pCapture, 0);
    EXPECT_EQ(test::w(lastBalloonText()), expected.substr(0, 255));
    EXPECT_TRUE(isFree(0x252));

    // A switch turned on: refused, the setting kept for the next start.
    ASSERT_TRUE(BalloonByCode(1));
    switchHotkey(Hotkey::TopMost, false);
    currentSettings().pTopMost = kCtrlAltF9;
    switchHotkey(Hotkey::TopMost, true);
    EXPECT_TRUE(balloonShown());
    EXPECT_EQ(currentSettings().pTopMost, kCtrlAltF9);
    EXPECT_EQ(currentSettings().pTopMostCB, 1);
}

// ---- WM_HOTKEY ---------------------------------------------------------------------------------

class TopMostHotkeyTest : public HotkeysTest {
protected:
    void SetUp() override {
        HotkeysTest::SetUp();
        test::WindowShape shape;
        shape.title = L"Zorbel hotkey target";
        shape.x = 300;
        shape.y = 200;
        target_ = test::createTestWindow(shape);
        ASSERT_TRUE(target_);
        test::pumpMessages();
        RECT rect{};
        GetWindowRect(target_.get(), &rect);
        ASSERT_TRUE(SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        test::pumpMessages();
        if (menuRebuildRequested()) trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
    }
    static bool isTopMost(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    static void pressTopMostHotkey() {
        SendMessageW(coreWindow(), WM_HOTKEY, static_cast<WPARAM>(hotkeyIdentifier(Hotkey::TopMost)), 0);
    }

    UniqueWindow target_;
};

TEST_F(TopMostHotkeyTest, TogglesTheWindowUnderTheCursor) {
    ASSERT_FALSE(isTopMost(target_.get()));
    pressTopMostHotkey();
    EXPECT_TRUE(isTopMost(target_.get()));
    EXPECT_TRUE(menuRebuildRequested());
    EXPECT_FALSE(balloonShown());
    pressTopMostHotkey();
    EXPECT_FALSE(isTopMost(target_.get()));
    // The capture hotkey's identifier opens the region capture overlay, and closes it again,
    // without touching the window.
    SendMessageW(coreWindow(), WM_HOTKEY, static_cast<WPARAM>(hotkeyIdentifier(Hotkey::Capture)), 0);
    EXPECT_NE(regionOverlayWindow(), nullptr);
    SendMessageW(coreWindow(), WM_HOTKEY, static_cast<WPARAM>(hotkeyIdentifier(Hotkey::Capture)), 0);
    test::pumpMessages();
    EXPECT_EQ(regionOverlayWindow(), nullptr);
    EXPECT_FALSE(isTopMost(target_.get()));

    // Over a child control: its top-level window is meant.
    RECT client{};
    GetClientRect(target_.get(), &client);
    HWND button = CreateWindowExW(0, L"Button", L"child", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom,
                                  target_.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    ASSERT_EQ(WindowFromPoint(cursor), button);
    pressTopMostHotkey();
    EXPECT_TRUE(isTopMost(target_.get()));
}

TEST_F(TopMostHotkeyTest, RealKeysReachTheRegisteredHotkey) {
    currentSettings() = Settings{};
    registerStartupHotkeys();
    INPUT keys[4]{};
    for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = 'E';
    keys[2].ki.wVk = 'E';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    EXPECT_TRUE(test::pumpUntil(5000, [&] { return isTopMost(target_.get()); }));
}

TEST_F(TopMostHotkeyTest, HungWindowIsLeftAloneWithTheSystemsText) {
    test::WindowThread thread;
    test::WindowShape shape;
    shape.title = L"Zorbel hung target";
    shape.x = 300;
    shape.y = 200;
    HWND hung = thread.createWindow(shape);
    ASSERT_NE(hung, nullptr);
    // Active as well as on top: under Wine a window manager restacks the X windows a moment
    // later, keeping the active one (the fixture's target) above, and Wine follows it.
    thread.runOnThread([&] { SetForegroundWindow(hung); });
    SetWindowPos(hung, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    POINT cursor{};
    GetCursorPos(&cursor);
    ASSERT_TRUE(test::pumpUntil(2000, [&] { return GetAncestor(WindowFromPoint(cursor), GA_ROOT) == hung; }));
    thread.hang();
    pressTopMostHotkey();
    thread.resume();
    EXPECT_FALSE(isTopMost(hung));
    EXPECT_EQ(test::w(lastBalloonText()), systemText(ERROR_TIMEOUT).substr(0, 255));
    EXPECT_FALSE(lastBalloonText().empty());
    EXPECT_FALSE(menuRebuildRequested());
}

} // namespace
} // namespace zorbel
