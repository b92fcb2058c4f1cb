#include "inspect/TreeWindow_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ViewerTestSupport.h"
#include "app/ToolWindow_win.h"
#include "inspect/InformationWindow_win.h"
#include "inspect/SearchWindow_win.h"
#include "inspect/WindowList_win.h"
#include "inspect/WindowQueries_win.h"
#include "inspect/WindowTree.h"
#include "settings/Utf.h"

namespace zorbel {
namespace {

// ---- Reading the tree control back ---------------------------------------------------------------

struct Item {
    HTREEITEM handle = nullptr;
    std::u16string text;
    int level = 0;
    std::size_t parent = kNoParent;
};

HTREEITEM next(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::u16string textOf(HWND tree, HTREEITEM item) {
    wchar_t buffer[1024]{};
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = 1024;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return fromWide(buffer);
}

void readBranch(HWND tree, HTREEITEM first, int level, std::size_t parent, std::vector<Item>& items) {
    for (HTREEITEM item = first; item; item = next(tree, item, TVGN_NEXT)) {
        items.push_back({item, textOf(tree, item), level, parent});
        readBranch(tree, next(tree, item, TVGN_CHILD), level + 1, items.size() - 1, items);
    }
}

std::vector<Item> readTree() {
    std::vector<Item> items;
    readBranch(treeControl(), next(treeControl(), nullptr, TVGN_ROOT), 0, kNoParent, items);
    return items;
}

std::u16string textFor(HWND window) {
    return treeItemText(reinterpret_cast<std::uintptr_t>(window), windowTitleText(window), windowClassText(window));
}

std::optional<std::size_t> find(const std::vector<Item>& items, HWND window) {
    const std::u16string text = textFor(window);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text == text) return i;
    return std::nullopt;
}

std::u16string copyAllOf(const std::vector<Item>& items) {
    std::u16string text;
    for (const Item& item : items) text += std::u16string(static_cast<std::size_t>(item.level), u'\t') + item.text + u"\r\n";
    return text;
}

std::u16string windowTitle(HWND window) {
    wchar_t title[64]{};
    GetWindowTextW(window, title, 64);
    return fromWide(title);
}

void select(HTREEITEM item) { SendMessageW(treeControl(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }

bool isExpanded(HTREEITEM item) {
    return (SendMessageW(treeControl(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

bool isHighlighted(HTREEITEM item) {
    return (SendMessageW(treeControl(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_DROPHILITED) &
            TVIS_DROPHILITED) != 0;
}

// ---- Windows of another thread, in a small hierarchy -----------------------------------------------

class TreeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        resetTreeSearchState();
        test::WindowShape top;
        top.title = L"Zorbel tree top";
        top_ = thread_.createWindow(top);
        test::WindowShape child;
        child.style = WS_CHILD | WS_VISIBLE;
        child.exStyle = 0;
        child.owner = top_;
        child.title = L"Zorbel tree child A";
        childA_ = thread_.createWindow(child);
        child.title = L"Zorbel tree child B";
        childB_ = thread_.createWindow(child);
        child.owner = childA_;
        child.title = L"Zorbel tree grandchild";
        grandchild_ = thread_.createWindow(child);
        test::WindowShape untitled;
        untitled.title = L"";
        untitled_ = thread_.createWindow(untitled);
        ASSERT_TRUE(top_ && childA_ && childB_ && grandchild_ && untitled_);
        openTreeWindow();
        ASSERT_TRUE(treeWindow());
    }
    void TearDown() override {
        closeTreeWindow();
        closeInformationWindow();
        test::pumpMessages();
        EXPECT_FALSE(treeWindow());
        EXPECT_FALSE(searchWindowParts().window);
    }

    void command(ViewerCommand id) { SendMessageW(treeWindow(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    HTREEITEM itemOf(HWND window) {
        const auto items = readTree();
        const auto index = find(items, window);
        return index ? items[*index].handle : nullptr;
    }

    test::RecordedNotices notices_;
    test::WindowThread thread_;
    HWND top_ = nullptr;
    HWND childA_ = nullptr;
    HWND childB_ = nullptr;
    HWND grandchild_ = nullptr;
    HWND untitled_ = nullptr;
};

BOOL CALLBACK countWindow(HWND, LPARAM count) noexcept {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(TreeWindowTest, DesktopTreeShowsTheWindowsWithTheirDepthsAndCount) {
    const auto items = readTree();
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].text, textFor(GetDesktopWindow()));
    EXPECT_EQ(items[0].level, 0);
    EXPECT_TRUE(isExpanded(items[0].handle));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(treeControl(), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Courier New");
    if (requestDarkTitleBar(treeWindow())) {
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(treeControl(), TVM_GETBKCOLOR, 0, 0)), kDarkModeListBackground);
    }
    EXPECT_TRUE(GetMenu(treeWindow()));
    EXPECT_EQ(GetMenuItemCount(GetMenu(treeWindow())), 3);

    const auto top = find(items, top_);
    const auto childA = find(items, childA_);
    const auto childB = find(items, childB_);
    const auto grandchild = find(items, grandchild_);
    ASSERT_TRUE(top && childA && childB && grandchild);
    EXPECT_EQ(items[*top].text, treeItemText(reinterpret_cast<std::uintptr_t>(top_), u"Zorbel tree top", u"ZorbelTestWindow"));
    EXPECT_EQ(items[*top].level, 1);
    EXPECT_EQ(items[*childA].level, 2);
    EXPECT_EQ(items[*childA].parent, *top);
    EXPECT_EQ(items[*childB].parent, *top);
    EXPECT_EQ(items[*grandchild].level, 3);
    EXPECT_EQ(items[*grandchild].parent, *childA);

    // A window without a title: one blank between " | " and ", ".
    const auto untitled = find(items, untitled_);
    ASSERT_TRUE(untitled);
    EXPECT_EQ(items[*untitled].text.substr(8), u" |  , ZorbelTestWindow");

    // The title counts every item but the root: all windows of the desktop.
    int windows = 0;
    EnumChildWindows(GetDesktopWindow(), countWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(items.size() - 1, static_cast<std::size_t>(windows));
    EXPECT_EQ(windowTitle(treeWindow()), u"Window List (" + test::decimal(static_cast<int>(items.size() - 1)) + u")");
}

TEST_F(TreeWindowTest, OpeningTwiceLeavesOneWindowAndReopeningEnumeratesAfresh) {
    HWND first = treeWindow();
    openTreeWindow();
    EXPECT_EQ(treeWindow(), first);
    int found = 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"Zorbel!_Window_List", nullptr));) ++found;
    EXPECT_EQ(found, 1);

    select(itemOf(top_));
    command(ViewerCommand::EnumerateChildren);
    EXPECT_EQ(windowTitle(treeWindow()), u"Window List (3)");
    closeTreeWindow();
    EXPECT_FALSE(isTreeWindowOpen());
    openTreeWindow();
    EXPECT_TRUE(find(readTree(), grandchild_));
    EXPECT_EQ(readTree()[0].text, textFor(GetDesktopWindow()));
}

TEST_F(TreeWindowTest, TopLevelChildrenAndThreadEnumerations) {
    command(ViewerCommand::EnumerateTopLevel);
    auto items = readTree();
    ASSERT_TRUE(find(items, top_));
    EXPECT_EQ(items[*find(items, top_)].level, 1);
    EXPECT_FALSE(find(items, childA_));

    // Children of the selected window, under it as the root.
    select(itemOf(top_));
    command(ViewerCommand::EnumerateChildren);
    items = readTree();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, textFor(top_));
    EXPECT_EQ(items[*find(items, childA_)].level, 1);
    EXPECT_EQ(items[*find(items, childB_)].level, 1);
    EXPECT_EQ(items[*find(items, grandchild_)].level, 2);

    // Nothing selected: the warning, and the tree stays.
    select(nullptr);
    command(ViewerCommand::EnumerateChildren);
    EXPECT_EQ(notices_.balloons, std::vector<int>{10});
    EXPECT_EQ(readTree().size(), 4u);
    command(ViewerCommand::EnumerateThreads);
    EXPECT_EQ(notices_.balloons, (std::vector<int>{10, 11}));
    EXPECT_EQ(readTree().size(), 4u);

    // The windows of the selected window's thread: its two top-level windows.
    select(itemOf(childB_));
    command(ViewerCommand::EnumerateThreads);
    items = readTree();
    EXPECT_EQ(items[0].text, textFor(GetDesktopWindow()));
    ASSERT_TRUE(find(items, top_));
    ASSERT_TRUE(find(items, untitled_));
    EXPECT_FALSE(find(items, childA_));
    for (std::size_t i = 1; i < items.size(); ++i) {
        EXPECT_EQ(items[i].level, 1);
        HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handleFromItemText(items[i].text)));
        EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), thread_.threadId());
    }

    // Children of the desktop: every descendant, flat.
    select(readTree()[0].handle);
    command(ViewerCommand::EnumerateChildren);
    items = readTree();
    ASSERT_TRUE(find(items, grandchild_));
    EXPECT_EQ(items[*find(items, grandchild_)].level, 1);
    for (std::size_t i = 1; i < items.size(); ++i) EXPECT_EQ(items[i].level, 1);
}

TEST_F(TreeWindowTest, ImmersiveAndStoreAppsKeepOnlyMatchingWindows) {
    // This process is neither immersive nor packaged: only the root stays.
    command(ViewerCommand::EnumerateStoreApps);
    auto items = readTree();
    EXPECT_FALSE(find(items, top_));
    if (!bound().GetPackageId) {
        EXPECT_EQ(items.size(), 1u);
    }
    command(ViewerCommand::EnumerateImmersive);
    items = readTree();
    EXPECT_FALSE(find(items, top_));
    if (!bound().IsImmersiveProcess) {
        EXPECT_EQ(items.size(), 1u);
        EXPECT_EQ(windowTitle(treeWindow()), u"Window List (0)");
    }
}

TEST_F(TreeWindowTest, CopyRowAllAndAddress) {
    select(itemOf(top_));
    command(ViewerCommand::TreeCopyRow);
    EXPECT_EQ(test::clipboardText(), textFor(top_));
    command(ViewerCommand::TreeCopyAddress);
    EXPECT_EQ(test::clipboardText(), windowHandleText(reinterpret_cast<std::uintptr_t>(top_)));
    // At least eight hex digits, and all of the handle: it reads back as the same value.
    const std::u16string address = test::clipboardText();
    EXPECT_GE(address.size(), 8u);
    EXPECT_EQ(std::stoull(std::string(address.begin(), address.end()), nullptr, 16),
              reinterpret_cast<std::uintptr_t>(top_));
    command(ViewerCommand::TreeCopyAll);
    EXPECT_EQ(test::clipboardText(), copyAllOf(readTree()));

    select(nullptr);
    command(ViewerCommand::TreeCopyAddress);
    EXPECT_EQ(test::clipboardText(), u"");
    command(ViewerCommand::TreeCopyRow);
    EXPECT_EQ(test::clipboardText(), u"");
}

BOOL CALLBACK findEdit(HWND window, LPARAM found) noexcept {
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Fills and confirms the save dialog from another thread while the tree window's thread runs it,
// and answers Yes to a question about replacing a file (Wine's does not name the file).
class SaveDialogAnswer {
public:
    explicit SaveDialogAnswer(std::wstring name) : name_(std::move(name)) {
        thread_ = std::thread([this] { answer(); });
    }
    ~SaveDialogAnswer() { finish(); }
    void finish() {
        if (thread_.joinable()) thread_.join();
    }
    bool answered() const { return answered_; }
    bool asked() const { return asked_; } // after finish()

private:
    void answer() {
        const ULONGLONG end = GetTickCount64() + 10000;
        HWND dialog = nullptr;
        while (!dialog && GetTickCount64() < end) {
            dialog = FindWindowW(L"#32770", L"Save as...");
            if (!dialog) Sleep(50);
        }
        if (!dialog) return;
        Sleep(200);
        if (name_.empty()) {
            PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
            answered_ = true;
            return;
        }
        // The name field: an edit control, inside the file-name combo box when there is one.
        HWND field = GetDlgItem(dialog, 0x47c);
        if (!field) field = GetDlgItem(dialog, 0x480);
        EnumChildWindows(field, findEdit, reinterpret_cast<LPARAM>(&field));
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        answered_ = true;
        // A question box is a dialog owned by the save dialog.
        while (IsWindow(dialog) && GetTickCount64() < end) {
            HWND box = nullptr;
            while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
                if (GetWindow(box, GW_OWNER) != dialog) continue;
                asked_ = true;
                PostMessageW(box, WM_COMMAND, IDYES, 0);
                Sleep(200);
                break;
            }
            Sleep(20);
        }
    }
    std::wstring name_;
    bool asked_ = false;
    std::atomic<bool> answered_{false};
    std::thread thread_;
};

TEST_F(TreeWindowTest, SaveAsWritesTheTreeAsUtf8) {
    test::TempFolder folder;
    const std::string expected = "\xEF\xBB\xBF" + utf16ToUtf8(copyAllOf(readTree()));
    ASSERT_TRUE(test::writeBytes(folder.file(L"notes2.log"), "the user's own"));
    // The dialog asks about the name it returns, when that file exists: that file is written.
    struct Case {
        std::wstring typed;
        std::wstring written;
        bool asked;
    } cases[] = {
        {L"tree", L"tree.txt", false},
        {L"tree.log", L"tree.log", false},
        {L"Other.TXT", L"Other.TXT", false},
        {L"notes2.log", L"notes2.log", true},
    };
    for (const Case& c : cases) {
        const std::string name(c.written.begin(), c.written.end());
        {
            SaveDialogAnswer answer(folder.file(c.typed));
            command(ViewerCommand::TreeSaveAs);
            answer.finish();
            EXPECT_TRUE(answer.answered());
            EXPECT_EQ(answer.asked(), c.asked) << name;
        }
        const auto bytes = test::readBytes(folder.file(c.written));
        ASSERT_TRUE(bytes) << name;
        EXPECT_EQ(*bytes, expected) << name;
        EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
    }
    {
        SaveDialogAnswer cancel(L"");
        command(ViewerCommand::TreeSaveAs);
    }
    WIN32_FIND_DATAW found{};
    std::vector<std::wstring> files;
    UniqueFind search(FindFirstFileW((folder.path() + L"\\*").c_str(), &found));
    if (search)
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(found.cFileName);
        } while (FindNextFileW(search.get(), &found));
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::wstring>{L"Other.TXT", L"notes2.log", L"tree.log", L"tree.txt"}));
}

TEST_F(TreeWindowTest, ExpandAllExpandSelectedAndSort) {
    auto items = readTree();
    const auto top = find(items, top_);
    ASSERT_TRUE(top);
    EXPECT_FALSE(isExpanded(items[*top].handle));

    select(items[*top].handle);
    command(ViewerCommand::ExpandSelected);
    // The chain of first children below the selected item is open, and the selection stays.
    for (HTREEITEM item = items[*top].handle; item; item = next(treeControl(), item, TVGN_CHILD))
        if (next(treeControl(), item, TVGN_CHILD)) {
            EXPECT_TRUE(isExpanded(item));
        }
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), items[*top].handle);

    command(ViewerCommand::ExpandAll);
    items = readTree();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (next(treeControl(), items[i].handle, TVGN_CHILD)) {
            EXPECT_TRUE(isExpanded(items[i].handle)) << i;
        }
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), items[*top].handle);

    command(ViewerCommand::SortAll);
    items = readTree();
    std::size_t ordered = 0;
    for (std::size_t i = 1; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (items[j].parent != items[i].parent) continue;
            EXPECT_LE(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, test::w(items[i].text).c_str(), -1,
                                     test::w(items[j].text).c_str(), -1),
                      CSTR_EQUAL)
                << i << " before " << j;
            ++ordered;
            break; // the next sibling
        }
    }
    EXPECT_GT(ordered, 2u);
}

TEST_F(TreeWindowTest, ExpandAllWithNothingSelectedSelectsAndRevealsTheFirstItem) {
    SendMessageW(treeControl(), TVM_SELECTITEM, TVGN_CARET, 0);
    ASSERT_EQ(next(treeControl(), nullptr, TVGN_CARET), nullptr);
    command(ViewerCommand::ExpandAll);
    const auto items = readTree();
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), items[0].handle);
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_FIRSTVISIBLE), items[0].handle);
}

// NtUserBuildHwndList as it fails: asked with no room it must say how much it needs, yet reports
// success and no window.
LONG WINAPI failingHwndList(HDESK, HWND, BOOL, BOOL, DWORD, UINT, HWND*, UINT* count) {
    *count = 0;
    return 0;
}

TEST_F(TreeWindowTest, AFailedSystemListKeepsThePreviousList) {
    const std::vector<WindowListEntry> before = windowList();
    ASSERT_GT(before.size(), 3u);
    EXPECT_FALSE(fillFromHwndList(failingHwndList, GetDesktopWindow(), true, 0));
    EXPECT_EQ(windowList().size(), before.size());
    EXPECT_EQ(windowList().back().handle, before.back().handle);
    EXPECT_EQ(windowList()[1].handle, before[1].handle);
    EXPECT_EQ(notices_.systemErrors.size(), 1u);
}

TEST_F(TreeWindowTest, SearchMovesFromMatchToMatchAndBeepsAtTheEnd) {
    searchTreeItems(u"Zorbel tree child", true);
    HTREEITEM first = next(treeControl(), nullptr, TVGN_CARET);
    ASSERT_TRUE(first);
    EXPECT_NE(textOf(treeControl(), first).find(u"Zorbel tree child"), std::u16string::npos);
    EXPECT_TRUE(isHighlighted(first));

    searchTreeItems(u"Zorbel tree child", true);
    HTREEITEM second = next(treeControl(), nullptr, TVGN_CARET);
    EXPECT_NE(second, first);
    EXPECT_NE(textOf(treeControl(), second).find(u"Zorbel tree child"), std::u16string::npos);
    EXPECT_TRUE(isHighlighted(second));
    EXPECT_FALSE(isHighlighted(first));
    EXPECT_EQ(notices_.sounds, 0);

    searchTreeItems(u"Zorbel tree child", true);
    EXPECT_EQ(notices_.sounds, 1);
    searchTreeItems(u"Zorbel tree child", true); // starts over
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), first);

    searchTreeItems(u"zorbel TREE grandchild", true);
    EXPECT_EQ(notices_.sounds, 2);
    searchTreeItems(u"zorbel TREE grandchild", false);
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), itemOf(grandchild_));
}

TEST_F(TreeWindowTest, SearchWindow) {
    command(ViewerCommand::SearchTree);
    const SearchWindowParts parts = searchWindowParts();
    ASSERT_TRUE(parts.window);
    EXPECT_EQ(windowTitle(parts.window), u"Search String...");
    EXPECT_EQ(GetWindow(parts.window, GW_OWNER), treeWindow());
    EXPECT_EQ(SendMessageW(parts.caseSensitive, BM_GETCHECK, 0, 0), BST_CHECKED);
    RECT client{};
    GetClientRect(parts.window, &client);
    const int dpi = windowDpi(parts.window);
    EXPECT_EQ(client.right, MulDiv(320, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(30, dpi, 96));
    command(ViewerCommand::SearchTree); // open already: nothing
    EXPECT_EQ(searchWindowParts().window, parts.window);

    SetWindowTextW(parts.field, L"zorbel tree GRANDCHILD");
    SendMessageW(parts.caseSensitive, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(parts.window, WM_COMMAND, static_cast<WPARAM>(ViewerCommand::SearchRun), 0);
    EXPECT_EQ(next(treeControl(), nullptr, TVGN_CARET), itemOf(grandchild_));

    SendMessageW(parts.window, WM_COMMAND, static_cast<WPARAM>(ViewerCommand::SearchClose), 0);
    EXPECT_FALSE(searchWindowParts().window);
}

TEST_F(TreeWindowTest, WindowInfoAndDoubleClick) {
    select(itemOf(top_));
    command(ViewerCommand::TreeWindowInfo);
    HWND userInfo = informationWindowParts().lists[0];
    ASSERT_TRUE(userInfo);
    EXPECT_EQ(test::rowLabelled(userInfo, u"Title")[1], u"Zorbel tree top");

    select(nullptr);
    command(ViewerCommand::TreeWindowInfo); // nothing selected: the desktop window
    EXPECT_EQ(test::rowLabelled(userInfo, u"Class")[1], u"#32769");

    NMHDR doubleClick{treeControl(), static_cast<UINT_PTR>(GetDlgCtrlID(treeControl())), static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(treeWindow(), WM_NOTIFY, doubleClick.idFrom, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(notices_.systemErrors, std::vector<DWORD>{ERROR_INVALID_WINDOW_HANDLE});
    EXPECT_EQ(test::rowLabelled(userInfo, u"Class")[1], u"#32769"); // unchanged

    select(itemOf(childA_));
    SendMessageW(treeWindow(), WM_NOTIFY, doubleClick.idFrom, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(test::rowLabelled(userInfo, u"Title")[1], u"Zorbel tree child A");
}

TEST_F(TreeWindowTest, AcceleratorsRunTheirCommands) {
    SetForegroundWindow(treeWindow());
    SetFocus(treeControl());
    select(itemOf(top_));
    test::sendKeys({VK_CONTROL, 'D'});
    EXPECT_TRUE(test::pumpWithAcceleratorsUntil(
        2000, [&] { return test::clipboardText() == windowHandleText(reinterpret_cast<std::uintptr_t>(top_)); }));
    test::sendKeys({VK_F2});
    EXPECT_TRUE(test::pumpWithAcceleratorsUntil(2000, [&] { return !find(readTree(), childA_); }));
    test::sendKeys({VK_ESCAPE});
    EXPECT_TRUE(test::pumpWithAcceleratorsUntil(2000, [] { return !isTreeWindowOpen(); }));
}

TEST_F(TreeWindowTest, ARefillIsDrawnOnce) {
    UpdateWindow(treeControl());
    test::pumpMessages();
    const int before = treePaintCount();
    command(ViewerCommand::EnumerateDesktop);
    test::pumpMessages();
    UpdateWindow(treeControl());
    EXPECT_EQ(treePaintCount() - before, 1);
}

} // namespace
} // namespace zorbel
