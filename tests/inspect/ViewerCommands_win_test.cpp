// The tray menu's "Window Information" and "Window List" items reach the inspection windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "app/Commands_win.h"
#include "app/TrayMenu_win.h"
#include "inspect/InformationWindow_win.h"
#include "inspect/TreeWindow_win.h"

namespace zorbel {
namespace {

TEST(ViewerCommands, TrayItemsOpenTheReportAndTheTree) {
    ASSERT_TRUE(test::prepareTrayProcess());
    test::WindowShape shape;
    shape.title = L"Zorbel tray command target";
    const UniqueWindow target = test::createTestWindow(shape);
    CommandTable& table = trayCommandTable();
    const std::size_t info = table.size() + 5;
    const std::size_t list = info + 1;
    MenuEntry infoEntry;
    infoEntry.command = MenuCommand::WindowInformation;
    infoEntry.window = reinterpret_cast<std::uintptr_t>(target.get());
    table.store(info, std::move(infoEntry));
    MenuEntry listEntry;
    listEntry.command = MenuCommand::WindowList;
    table.store(list, std::move(listEntry));

    executeMenuCommand(static_cast<UINT>(info));
    ASSERT_TRUE(informationWindowParts().window);
    wchar_t title[64]{};
    ListView_GetItemText(informationWindowParts().lists[0], 0, 1, title, 64);
    EXPECT_STREQ(title, L"Zorbel tray command target");

    executeMenuCommand(static_cast<UINT>(list));
    EXPECT_TRUE(isTreeWindowOpen());
    closeTreeWindow();
    closeInformationWindow();
    table.truncate(info - 1);
}

} // namespace
} // namespace zorbel
