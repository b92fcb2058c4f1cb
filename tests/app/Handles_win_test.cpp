#include "app/Handles_win.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "WinTestSupport.h"

namespace zorbel {
namespace {

// ---- The owner template, with a handle kind that counts its releases ---------------------------

std::vector<int> released;

struct CountingTraits {
    using Handle = int;
    static Handle invalid() noexcept { return -1; }
    static void close(Handle h) noexcept { released.push_back(h); }
};
using Counted = UniqueHandle<CountingTraits>;

static_assert(!std::is_copy_constructible_v<Counted> && !std::is_copy_assignable_v<Counted>);
static_assert(std::is_nothrow_move_constructible_v<Counted> && std::is_nothrow_move_assignable_v<Counted>);
static_assert(!std::is_convertible_v<int, Counted>, "taking ownership is explicit");

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { released.clear(); }
};

TEST_F(UniqueHandleTest, ReleasesOnceAtScopeExit) {
    {
        Counted a(7);
        EXPECT_TRUE(a);
        EXPECT_EQ(a.get(), 7);
        EXPECT_TRUE(released.empty());
    }
    EXPECT_EQ(released, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, EmptyOwnersReleaseNothing) {
    {
        Counted none;
        Counted invalid(-1);
        EXPECT_FALSE(none);
        EXPECT_FALSE(invalid);
        EXPECT_EQ(none.get(), -1);
        none.reset();
    }
    EXPECT_TRUE(released.empty());
}

TEST_F(UniqueHandleTest, ZeroIsAValidHandleWhenTheInvalidValueIsAnother) {
    { Counted zero(0); EXPECT_TRUE(zero); }
    EXPECT_EQ(released, std::vector<int>{0});
}

TEST_F(UniqueHandleTest, MoveLeavesTheSourceEmpty) {
    {
        Counted a(1);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(a.get(), -1);
        EXPECT_EQ(b.get(), 1);
        Counted c(2);
        c = std::move(b); // releases 2 at once, takes 1
        EXPECT_EQ(released, std::vector<int>{2});
        EXPECT_FALSE(b);
        EXPECT_EQ(c.get(), 1);
    }
    EXPECT_EQ(released, (std::vector<int>{2, 1}));
}

TEST_F(UniqueHandleTest, SelfMoveKeepsTheHandle) {
    {
        Counted a(3);
        Counted& alias = a;
        a = std::move(alias);
        EXPECT_EQ(a.get(), 3);
        EXPECT_TRUE(released.empty());
    }
    EXPECT_EQ(released, std::vector<int>{3});
}

TEST_F(UniqueHandleTest, ResetReleasesTheOldAndKeepsTheNew) {
    {
        Counted a(4);
        a.reset(5);
        EXPECT_EQ(released, std::vector<int>{4});
        EXPECT_EQ(a.get(), 5);
        a.reset();
        EXPECT_EQ(released, (std::vector<int>{4, 5}));
        EXPECT_FALSE(a);
        a.reset(6);
    }
    EXPECT_EQ(released, (std::vector<int>{4, 5, 6}));
}

TEST_F(UniqueHandleTest, ReleaseGivesUpOwnership) {
    int handle = 0;
    {
        Counted a(8);
        handle = a.release();
        EXPECT_FALSE(a);
    }
    EXPECT_EQ(handle, 8);
    EXPECT_TRUE(released.empty());
}

// Hidden: under Wine without a window manager, destroying a shown window waits two seconds.
test::WindowShape hiddenWindow() {
    test::WindowShape shape;
    shape.style = WS_OVERLAPPEDWINDOW;
    return shape;
}

// ---- Each real handle kind releases with the right call ------------------------------------------

TEST(HandleKindsTest, MenuIsDestroyed) {
    HMENU raw = CreatePopupMenu();
    ASSERT_TRUE(IsMenu(raw));
    {
        UniqueMenu menu(raw);
        UniqueMenu moved(std::move(menu));
        EXPECT_FALSE(menu);
        EXPECT_TRUE(IsMenu(raw)) << "a move releases nothing";
    }
    EXPECT_FALSE(IsMenu(raw));

    HMENU first = CreatePopupMenu();
    HMENU second = CreatePopupMenu();
    UniqueMenu owner(first);
    owner.reset(second);
    EXPECT_FALSE(IsMenu(first));
    EXPECT_TRUE(IsMenu(second));
    HMENU kept = owner.release();
    owner.reset();
    EXPECT_TRUE(IsMenu(kept));
    DestroyMenu(kept);
}

TEST(HandleKindsTest, WindowIsDestroyed) {
    UniqueWindow window = test::createTestWindow(hiddenWindow());
    HWND raw = window.get();
    ASSERT_TRUE(IsWindow(raw));
    window.reset();
    EXPECT_FALSE(IsWindow(raw));
}

TEST(HandleKindsTest, GdiObjectsAreDeleted) {
    HBITMAP rawBitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HFONT rawFont = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HDC rawDc = CreateCompatibleDC(nullptr);
    ASSERT_EQ(GetObjectType(rawBitmap), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_EQ(GetObjectType(rawFont), static_cast<DWORD>(OBJ_FONT));
    ASSERT_EQ(GetObjectType(rawDc), static_cast<DWORD>(OBJ_MEMDC));
    {
        UniqueBitmap bitmap(rawBitmap);
        UniqueFont font(rawFont);
        UniqueMemoryDc dc(rawDc);
    }
    EXPECT_EQ(GetObjectType(rawBitmap), 0u);
    EXPECT_EQ(GetObjectType(rawFont), 0u);
    EXPECT_EQ(GetObjectType(rawDc), 0u);
}

TEST(HandleKindsTest, IconIsDestroyed) {
    HICON raw = CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(raw, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    { UniqueIcon icon(raw); }
    EXPECT_FALSE(GetIconInfo(raw, &info));
}

TEST(HandleKindsTest, KernelHandleIsClosed) {
    HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD flags = 0;
    ASSERT_TRUE(GetHandleInformation(raw, &flags));
    { UniqueKernelHandle event(raw); }
    EXPECT_FALSE(GetHandleInformation(raw, &flags));

    UniqueKernelHandle none(nullptr);
    EXPECT_FALSE(none) << "OpenProcess and CreateEvent fail with NULL";
}

TEST(HandleKindsTest, FileIsClosedAndInvalidHandleValueIsEmpty) {
    test::TempFolder folder;
    const std::wstring path = folder.file(L"owned.bin");
    UniqueFile failed(CreateFileW(folder.file(L"missing\\x").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
    EXPECT_FALSE(failed) << "CreateFileW fails with INVALID_HANDLE_VALUE";
    EXPECT_EQ(failed.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(UniqueFile());

    {
        UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        // Held without sharing: nobody else can open it.
        EXPECT_EQ(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr),
                  INVALID_HANDLE_VALUE);
    }
    UniqueFile again(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(again) << "the first handle was closed";
}

TEST(HandleKindsTest, FindHandleIsClosed) {
    test::TempFolder folder;
    ASSERT_TRUE(test::writeBytes(folder.file(L"a.txt"), "a"));
    WIN32_FIND_DATAW found{};
    HANDLE raw = FindFirstFileW((folder.path() + L"\\*").c_str(), &found);
    ASSERT_NE(raw, INVALID_HANDLE_VALUE);
    { UniqueFind find(raw); }
    EXPECT_FALSE(FindNextFileW(raw, &found));

    UniqueFind none(FindFirstFileW((folder.path() + L"\\*.none").c_str(), &found));
    EXPECT_FALSE(none);
}

LRESULT CALLBACK passOn(int code, WPARAM wParam, LPARAM lParam) noexcept {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(HandleKindsTest, HookIsRemoved) {
    HHOOK raw = SetWindowsHookExW(WH_GETMESSAGE, passOn, nullptr, GetCurrentThreadId());
    ASSERT_NE(raw, nullptr);
    { UniqueHook hook(raw); }
    EXPECT_FALSE(UnhookWindowsHookEx(raw)) << "removed already";
}

TEST(HandleKindsTest, ModuleIsFreed) {
    // A system library this program does not load for itself.
    const wchar_t* name = L"riched20.dll";
    ASSERT_EQ(GetModuleHandleW(name), nullptr);
    {
        UniqueModule module(LoadLibraryW(name));
        ASSERT_TRUE(module);
        EXPECT_EQ(GetModuleHandleW(name), module.get());
    }
    EXPECT_EQ(GetModuleHandleW(name), nullptr);
}

// ---- Scoped helpers ------------------------------------------------------------------------------

TEST(ScopedSelectTest, RestoresThePreviousObject) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap first(CreateBitmap(2, 2, 1, 1, nullptr));
    UniqueBitmap second(CreateBitmap(3, 3, 1, 1, nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
    {
        ScopedSelect outer(dc.get(), first.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first.get());
        {
            ScopedSelect inner(dc.get(), second.get());
            EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), second.get());
        }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), original);
    // Selected out again, so it can be deleted.
    EXPECT_TRUE(DeleteObject(first.release()));
}

TEST(ScopedSelectTest, FailedSelectRestoresNothing) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueFont font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    const HGDIOBJ originalFont = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        ScopedSelect font1(dc.get(), font.get());
        { ScopedSelect bad(dc.get(), nullptr); }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), originalFont);
}

TEST(WindowDcTest, ReleasesTheDcToItsWindow) {
    UniqueWindow window = test::createTestWindow(hiddenWindow());
    HDC raw = nullptr;
    {
        WindowDc dc(window.get());
        ASSERT_TRUE(dc);
        raw = dc.get();
        EXPECT_EQ(WindowFromDC(raw), window.get());
    }
    EXPECT_NE(WindowFromDC(raw), window.get()) << "still handed out to the window";
}

// ---- Text at the boundary ------------------------------------------------------------------------

TEST(WideTextTest, RoundTripsThroughWin32) {
    const std::u16string text = u"Zorbel! \u00e9\u4e2d \U0001F600";
    UniqueWindow window = test::createTestWindow(hiddenWindow());
    ASSERT_TRUE(SetWindowTextW(window.get(), wide(text)));
    wchar_t buffer[64]{};
    const int length = GetWindowTextW(window.get(), buffer, 64);
    EXPECT_EQ(fromWide(buffer, static_cast<std::size_t>(length)), text);
    EXPECT_EQ(fromWide(buffer), text);
    EXPECT_EQ(fromWide(static_cast<const wchar_t*>(nullptr)), u"");
}

} // namespace
} // namespace zorbel
