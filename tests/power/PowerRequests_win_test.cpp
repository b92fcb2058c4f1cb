#include "power/PowerRequests_win.h"

#include <gtest/gtest.h>

#include <string>

#include "WinTestSupport.h"
#include "app/Notifications_win.h"
#include "app/TrayMenu_win.h"

namespace zorbel {
namespace {

struct ItemState {
    bool found = false;
    bool checked = false;
    bool radio = false;
    bool disabled = false;
};

// The state of the tray menu item with this text, searched through every submenu.
ItemState itemState(HMENU menu, const std::wstring& text) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t buffer[128]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = buffer;
        info.cch = 128;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) continue;
        if (info.hSubMenu) {
            const ItemState inner = itemState(info.hSubMenu, text);
            if (inner.found) return inner;
            continue;
        }
        if (text == buffer)
            return {true, (info.fState & MFS_CHECKED) != 0, (info.fType & MFT_RADIOCHECK) != 0,
                    (info.fState & MFS_DISABLED) != 0};
    }
    return {};
}

// What the balloon must say for an error: the system's text, or the code when it has none.
std::u16string expectedBalloon(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0,
                                        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text = length > 0 && buffer ? fromWide(buffer, length)
                                               : u"GetFormattedMessage Failed: " + test::decimal(static_cast<int>(code));
    if (buffer) LocalFree(buffer);
    return text.substr(0, 255);
}

class PowerRequestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        ASSERT_TRUE(BalloonByCode(1));
        marker_ = lastBalloonText();
    }
    static void rebuild() { trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0); }

    std::u16string marker_;
};

TEST_F(PowerRequestsTest, RefusedRequestIsShownAndLeavesItsItemUnchecked) {
    if (!runningUnderWine()) GTEST_SKIP() << "only Wine refuses every power request";
    // Wine: PowerCreateRequest gives INVALID_HANDLE_VALUE with error 120.
    const std::u16string expected = expectedBalloon(ERROR_CALL_NOT_IMPLEMENTED);
    struct Row {
        PowerRequestType type;
        const wchar_t* item;
    };
    const Row rows[] = {
        {PowerRequestType::Display, L"Prevent Display Sleeping"},
        {PowerRequestType::System, L"Prevent System Sleeping"},
        {PowerRequestType::AwayMode, L"Enable Away Mode"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.type));
        ASSERT_TRUE(BalloonByCode(1));
        runPowerCommand(row.type);
        EXPECT_FALSE(lastBalloonText().empty());
        EXPECT_NE(lastBalloonText(), marker_) << "the refusal must be shown";
        EXPECT_EQ(lastBalloonText(), expected);
        EXPECT_FALSE(powerRequestHeld(row.type));
        EXPECT_TRUE(menuRebuildRequested());
        rebuild();
        const ItemState state = itemState(trayMenu(), row.item);
        ASSERT_TRUE(state.found);
        EXPECT_FALSE(state.checked || state.radio || state.disabled);
    }
    // The display command tried nothing more after its refusal.
    EXPECT_FALSE(powerRequestHeld(PowerRequestType::System));
}

TEST_F(PowerRequestsTest, DisplayRequestCarriesTheSystemRequest) {
    if (runningUnderWine()) GTEST_SKIP() << "Wine refuses every power request";
    runPowerCommand(PowerRequestType::Display);
    EXPECT_EQ(lastBalloonText(), marker_);
    EXPECT_TRUE(powerRequestHeld(PowerRequestType::Display));
    EXPECT_TRUE(powerRequestHeld(PowerRequestType::System));
    rebuild();
    EXPECT_TRUE(itemState(trayMenu(), L"Prevent Display Sleeping").checked);
    const ItemState system = itemState(trayMenu(), L"Prevent System Sleeping");
    EXPECT_TRUE(system.radio && system.checked && system.disabled);

    runPowerCommand(PowerRequestType::Display);
    EXPECT_FALSE(powerRequestHeld(PowerRequestType::Display));
    EXPECT_FALSE(powerRequestHeld(PowerRequestType::System));
    rebuild();
    EXPECT_FALSE(itemState(trayMenu(), L"Prevent Display Sleeping").checked);
    EXPECT_FALSE(itemState(trayMenu(), L"Prevent System Sleeping").checked);
}

} // namespace
} // namespace zorbel
