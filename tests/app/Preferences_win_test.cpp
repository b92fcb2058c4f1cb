#include "app/Preferences_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "WinTestSupport.h"
#include "app/DpiLayout.h"
#include "app/Hotkeys_win.h"
#include "app/Notifications_win.h"
#include "app/PreferencesModel.h"
#include "app/ToolWindow_win.h"
#include "settings/Settings.h"
#include "settings/StringTable.h"
#include "windows/WindowMonitor.h"

namespace zorbel {
namespace {

using Control = PreferencesControl;

constexpr std::int32_t kCtrlShiftF8 = 0x377;

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        SetEnvironmentVariableW(L"APPDATA", appData_.path().c_str()); // saves go to the test's own folder
        saved_ = currentSettings();
        monitorRules() = MonitorRules(1);
    }
    void TearDown() override {
        if (window_) SendMessageW(window_, WM_CLOSE, 0, 0);
        switchHotkey(Hotkey::Capture, false);
        switchHotkey(Hotkey::TopMost, false);
        currentSettings() = saved_;
    }
    void open(const Settings& settings) {
        currentSettings() = settings;
        openPreferences();
        window_ = preferencesWindow();
        ASSERT_NE(window_, nullptr);
    }
    HWND control(Control id) const { return GetDlgItem(window_, static_cast<int>(id)); }
    bool checked(Control id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    LRESULT shownHotkey(Control id) const { return SendMessageW(control(id), HKM_GETHOTKEY, 0, 0); }
    // What the user does in a hotkey field: a new combination, which the field reports.
    void typeHotkey(Control id, std::int32_t value) {
        SendMessageW(control(id), HKM_SETHOTKEY, static_cast<WPARAM>(value), 0);
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(static_cast<int>(id), EN_CHANGE),
                     reinterpret_cast<LPARAM>(control(id)));
    }
    // A control's rectangle in the window's client area.
    LayoutRect placeOf(HWND hwnd) const {
        RECT at{};
        GetWindowRect(hwnd, &at);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&at), 2);
        return {at.left, at.top, at.right, at.bottom};
    }
    // The value the settings file holds for a key, or -999 when it has none.
    int savedValue(const std::string& key) const {
        const std::string file = test::readBytes(appData_.path() + L"\\Zorbel!\\Zorbel!.ini").value_or("");
        const std::size_t at = file.find("\r\n" + key + " = ");
        return at == std::string::npos ? -999 : std::stoi(file.substr(at + key.size() + 5));
    }

    test::TempFolder appData_;
    Settings saved_;
    HWND window_ = nullptr;
};

TEST_F(PreferencesTest, OpensOnceWithEveryControlLaidOutAndExplained) {
    Settings settings;
    settings.pAdministrator = 1;
    settings.pRepeatCapture = 0;
    settings.pTopMostCB = 0;
    open(settings);
    openPreferences();
    EXPECT_EQ(preferencesWindow(), window_);
    int windows = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, kPreferencesClass, nullptr); w;
         w = FindWindowExW(nullptr, w, kPreferencesClass, nullptr))
        ++windows;
    EXPECT_EQ(windows, 1);

    wchar_t text[64]{};
    GetWindowTextW(window_, text, 64);
    EXPECT_STREQ(text, L"Preferences");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0u);
    const int dpi = windowDpi(window_);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, scaleForDpi(kPreferencesClientWidth, dpi));
    EXPECT_EQ(client.bottom, scaleForDpi(kPreferencesClientHeight, dpi));

    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        const HWND hwnd = control(layout.control);
        ASSERT_NE(hwnd, nullptr) << static_cast<int>(layout.control);
        GetWindowTextW(hwnd, text, 64);
        if (layout.text) {
            EXPECT_EQ(test::u16(text), strings().text(*layout.text));
        }
        EXPECT_EQ(placeOf(hwnd), scaledControlRect(layout, dpi));
    }
    EXPECT_TRUE(checked(Control::Administrator));
    EXPECT_FALSE(checked(Control::RepeatCapture));
    EXPECT_EQ(shownHotkey(Control::CaptureHotkey), 0x252);
    EXPECT_TRUE(IsWindowEnabled(control(Control::CaptureHotkey)));
    EXPECT_FALSE(IsWindowEnabled(control(Control::TopMostHotkey)));

    // Eight tooltips, one per check box.
    HWND tooltips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    while (tooltips && GetWindow(tooltips, GW_OWNER) != window_)
        tooltips = FindWindowExW(nullptr, tooltips, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tooltips, nullptr);
    EXPECT_EQ(SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0), 8);
}

TEST_F(PreferencesTest, EveryCheckBoxSavesAtOnceAndACaptureAlwaysHasADestination) {
    open(Settings{});
    const struct {
        Control box;
        std::int32_t Settings::*setting;
        const char* key;
    } boxes[] = {
        {Control::Sounds, &Settings::pMessageBeep, "pMessageBeep"},
        {Control::Administrator, &Settings::pAdministrator, "pAdministrator"},
        {Control::Clipboard, &Settings::pClipboard, "pClipboard"},
        {Control::MagnifyWindow, &Settings::pMagnifyWindow, "pMagnifyWindow"},
        {Control::SaveDialogue, &Settings::pDialogue, "pDialogue"},
        {Control::RepeatCapture, &Settings::pRepeatCapture, "pRepeatCapture"},
        {Control::CaptureSwitch, &Settings::pCaptureCB, "pCaptureCB"},
        {Control::TopMostSwitch, &Settings::pTopMostCB, "pTopMostCB"},
    };
    for (const auto& b : boxes) {
        for (int twice = 0; twice < 2; ++twice) {
            const int before = currentSettings().*b.setting;
            SendMessageW(control(b.box), BM_CLICK, 0, 0);
            EXPECT_EQ(currentSettings().*b.setting, before ? 0 : 1) << b.key;
            EXPECT_EQ(checked(b.box), before == 0) << b.key;
            EXPECT_EQ(savedValue(b.key), before ? 0 : 1) << b.key;
        }
    }
    // Switched off, a hotkey field is disabled; on again, enabled.
    SendMessageW(control(Control::CaptureSwitch), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(control(Control::CaptureHotkey)));
    SendMessageW(control(Control::CaptureSwitch), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(control(Control::CaptureHotkey)));

    // Clipboard and Save Dialogue are never off together, whichever goes first.
    for (const auto& [first, second] : {std::pair{Control::Clipboard, Control::SaveDialogue},
                                        std::pair{Control::SaveDialogue, Control::Clipboard}}) {
        SendMessageW(control(first), BM_CLICK, 0, 0);
        SendMessageW(control(second), BM_CLICK, 0, 0);
        EXPECT_FALSE(checked(second));
        EXPECT_TRUE(checked(first));
        EXPECT_EQ(savedValue("pClipboard") + savedValue("pDialogue"), 1);
        SendMessageW(control(second), BM_CLICK, 0, 0);
    }
}

TEST_F(PreferencesTest, HotkeyFieldsRegisterAtOnceAndARefusedCombinationIsCleared) {
    open(Settings{});
    typeHotkey(Control::CaptureHotkey, kCtrlShiftF8);
    EXPECT_EQ(currentSettings().pCapture, kCtrlShiftF8);
    EXPECT_EQ(savedValue("pCapture"), kCtrlShiftF8);
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_SHIFT, VK_F8)) << "Ctrl+Shift+F8 is not registered";

    // Another owner holds Ctrl+Alt+F9: refused with the system's text, and the field empties.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_ALT, VK_F9));
    typeHotkey(Control::TopMostHotkey, 0x678);
    UnregisterHotKey(nullptr, 0x7002);
    EXPECT_EQ(shownHotkey(Control::TopMostHotkey), 0);
    EXPECT_EQ(currentSettings().pTopMost, 0);
    EXPECT_EQ(savedValue("pTopMost"), 0);
    EXPECT_EQ(lastBalloonText(), systemErrorNotification(ERROR_HOTKEY_ALREADY_REGISTERED, true).substr(0, 255));
    EXPECT_TRUE(IsWindow(window_));
}

// Typed without Ctrl or Alt, a key would be taken from every program: the field adds Ctrl.
TEST_F(PreferencesTest, HotkeyFieldAddsCtrlToAKeyTypedAlone) {
    open(Settings{});
    SendMessageW(control(Control::TopMostHotkey), WM_KEYDOWN, 'T', 0);
    SendMessageW(control(Control::TopMostHotkey), WM_KEYUP, 'T', 0);
    EXPECT_EQ(shownHotkey(Control::TopMostHotkey), 0x254);
    EXPECT_EQ(currentSettings().pTopMost, 0x254);
}

TEST_F(PreferencesTest, OneCombinationInBothFieldsIsRefusedWithAReason) {
    Settings settings;
    settings.pTopMostCB = 0;
    open(settings);
    typeHotkey(Control::CaptureHotkey, 0x245); // the TopMost field's Ctrl+E
    EXPECT_EQ(shownHotkey(Control::CaptureHotkey), 0);
    EXPECT_EQ(savedValue("pCapture"), 0);
    EXPECT_EQ(lastBalloonText(), kHotkeysMustDifferText);
}

TEST_F(PreferencesTest, DefaultSettingsRestoresAllButTheImageFormatAndUpdateKeys) {
    Settings odd;
    for (const SettingKey& key : kSettingKeys) odd.*key.field = 0;
    odd.pImageFormat = 2;
    odd.pClipboard = 1;
    odd.pTopMost = kCtrlShiftF8;
    open(odd);
    SendMessageW(control(Control::DefaultSettings), BM_CLICK, 0, 0);

    Settings expected;
    expected.pImageFormat = 2;
    expected.pUpdate = 0;
    EXPECT_EQ(currentSettings(), expected);
    for (const SettingKey& key : kSettingKeys) EXPECT_EQ(savedValue(std::string(key.name)), expected.*key.field) << key.name;
    EXPECT_EQ(shownHotkey(Control::CaptureHotkey), 0x252);
    EXPECT_EQ(shownHotkey(Control::TopMostHotkey), 0x245);
    EXPECT_TRUE(IsWindowEnabled(control(Control::CaptureHotkey)));
    EXPECT_TRUE(IsWindowEnabled(control(Control::TopMostHotkey)));
    for (Control box : {Control::Sounds, Control::Clipboard, Control::SaveDialogue, Control::RepeatCapture,
                        Control::MagnifyWindow, Control::CaptureSwitch, Control::TopMostSwitch})
        EXPECT_TRUE(checked(box)) << static_cast<int>(box);
    EXPECT_FALSE(checked(Control::Administrator));
}

// Each check box shows its whole label in the window's font, at 96, 120 and 144 DPI: the box and
// the gap before the text take 18 pixels at 96 DPI.
TEST_F(PreferencesTest, CheckBoxLabelsFitBesideTheirBoxes) {
    open(Settings{});
    RECT suggested{100, 80, 100 + 450, 80 + 470};
    for (const int dpi : {96, 120, 144}) {
        SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        for (const PreferencesControlLayout& layout : preferencesLayout()) {
            if (layout.kind != PreferencesControlKind::CheckBox) continue;
            HWND box = control(layout.control);
            wchar_t text[64]{};
            const int length = GetWindowTextW(box, text, 64);
            const HDC dc = GetDC(box);
            const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
            SIZE size{};
            GetTextExtentPoint32W(dc, text, length, &size);
            SelectObject(dc, old);
            ReleaseDC(box, dc);
            RECT client{};
            GetClientRect(box, &client);
            EXPECT_LE(size.cx + scaleForDpi(18, dpi), client.right)
                << "control " << static_cast<int>(layout.control) << " at " << dpi << " DPI";
        }
    }
}

TEST_F(PreferencesTest, MovingToA144DpiMonitorRescalesControlsAndFonts) {
    open(Settings{});
    RECT suggested{100, 80, 100 + 450, 80 + 470};
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        EXPECT_EQ(placeOf(control(layout.control)), scaledControlRect(layout, 144)) << static_cast<int>(layout.control);
    }
    RECT outer{};
    GetWindowRect(window_, &outer);
    EXPECT_EQ((LayoutRect{outer.left, outer.top, outer.right, outer.bottom}), (LayoutRect{100, 80, 550, 550}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Control::Sounds), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, interfaceFontCellHeight(8, 144));
}

// The event loop hands the window's keys to IsDialogMessageW: Tab moves from control to control in
// creation order.
TEST_F(PreferencesTest, TabMovesBetweenTheControls) {
    open(Settings{});
    SetForegroundWindow(window_);
    SetFocus(control(Control::Sounds));
    ASSERT_EQ(GetFocus(), control(Control::Sounds));
    MSG tab{control(Control::Sounds), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window_, &tab));
    EXPECT_EQ(GetFocus(), control(Control::Administrator));
}

} // namespace
} // namespace zorbel
