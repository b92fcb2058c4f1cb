#include "inspect/WinAppDetails_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "WinTestSupport.h"

namespace zorbel {
namespace {

// 2 x 2 pixel PNGs, opaque red and opaque blue.
const unsigned char kRedPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x11, 0x49,
    0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x84, 0x19, 0x60, 0x0C, 0x00, 0x47, 0xCA, 0x07,
    0xF9, 0x67, 0x59, 0x6E, 0xB7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
const unsigned char kBluePng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x10, 0x49,
    0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60, 0x60, 0xF8, 0xFF, 0x1F, 0x82, 0xA1, 0x0C, 0x00, 0x3F, 0xD2, 0x07, 0xF9,
    0xB4, 0x12, 0x4F, 0xCD, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::string bytesOf(const unsigned char* data, std::size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

class LogoFolderTest : public ::testing::Test {
protected:
    void SetUp() override { CreateDirectoryW(folder_.file(L"Assets").c_str(), nullptr); }
    void write(const std::wstring& relative, const std::string& bytes, DWORD attributes = 0) {
        ASSERT_TRUE(test::writeBytes(folder_.file(relative), bytes));
        if (attributes) SetFileAttributesW(folder_.file(relative).c_str(), attributes);
    }
    std::u16string folder() const { return test::u16(folder_.path()) + u"\\"; }
    test::TempFolder folder_;
};

TEST_F(LogoFolderTest, ListerReportsEveryEntryWithItsAttributes) {
    write(L"Assets\\visible.png", "x");
    write(L"Assets\\hidden.png", "x", FILE_ATTRIBUTE_HIDDEN);
    Win32FolderLister lister;
    const auto entries = lister.list(folder() + u"Assets\\");
    ASSERT_TRUE(entries);
    const auto entry = [&](const std::u16string& name) {
        return std::find_if(entries->begin(), entries->end(), [&](const FolderEntry& e) { return e.name == name; });
    };
    ASSERT_NE(entry(u"visible.png"), entries->end());
    ASSERT_NE(entry(u"hidden.png"), entries->end());
    EXPECT_FALSE(entry(u"visible.png")->attributes & kFileHidden);
    EXPECT_TRUE(entry(u"hidden.png")->attributes & kFileHidden);
    EXPECT_FALSE(lister.list(folder() + u"Missing\\"));
}

TEST_F(LogoFolderTest, SkipsHiddenHighContrastAndUnreadableAssets) {
    const std::string red = bytesOf(kRedPng, sizeof kRedPng);
    const std::string blue = bytesOf(kBluePng, sizeof kBluePng);
    write(L"Assets\\Square44x44Logo.targetsize-16_altform-unplated_contrast-black.png", red);
    write(L"Assets\\Square44x44Logo.targetsize-16_altform-unplated.png", red, FILE_ATTRIBUTE_HIDDEN);
    write(L"Assets\\Square44x44Logo.targetsize-20_altform-unplated.png", "not a picture");
    CreateDirectoryW(folder_.file(L"Assets\\Nested").c_str(), nullptr);
    write(L"Assets\\Nested\\Square44x44Logo.targetsize-24_altform-unplated.png", blue);
    write(L"Assets\\Square44x44Logo.targetsize-32_altform-unplated.png", red);

    const std::optional<Image> logo = findLogoImage(folder(), 16, 16, 16);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->width, 16);
    EXPECT_EQ(logo->height, 16);
    // The blue 24-pixel asset, in BGRA order.
    const std::uint8_t* pixel = logo->pixel(8, 8);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_EQ(pixel[2], 0);
    EXPECT_EQ(pixel[3], 255);

    // From 28 pixels up the red 32-pixel asset is the first that loads.
    const std::optional<Image> larger = findLogoImage(folder(), 28, 20, 20);
    ASSERT_TRUE(larger);
    EXPECT_EQ(larger->width, 20);
    EXPECT_EQ(larger->pixel(0, 0)[2], 255);

    EXPECT_FALSE(findLogoImage(folder(), 36, 16, 16)); // nothing from 36 up
    EXPECT_FALSE(findLogoImage(u"", 16, 16, 16));
}

LRESULT CALLBACK plainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(WinAppDetails, CoreWindowIsTheFirstDirectChildOfItsClass) {
    bindFunctions();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = plainWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kCoreWindowClassName;
    RegisterClassExW(&windowClass);
    const UniqueWindow frame = test::createTestWindow({});
    ASSERT_TRUE(frame);
    EXPECT_EQ(coreWindowOf(frame.get()), nullptr);
    HWND plain = CreateWindowExW(0, test::kTestWindowClass, L"", WS_CHILD, 0, 0, 1, 1, frame.get(), nullptr, nullptr, nullptr);
    HWND deep = CreateWindowExW(0, kCoreWindowClassName, L"", WS_CHILD, 0, 0, 1, 1, plain, nullptr, nullptr, nullptr);
    ASSERT_TRUE(plain && deep);
    EXPECT_EQ(coreWindowOf(frame.get()), nullptr); // a grandchild is not looked at
    HWND core = CreateWindowExW(0, kCoreWindowClassName, L"", WS_CHILD, 0, 0, 1, 1, frame.get(), nullptr, nullptr, nullptr);
    EXPECT_EQ(coreWindowOf(frame.get()), core);

    // This test program is a classic desktop program.
    EXPECT_FALSE(hasPackageIdentity(frame.get()));
    EXPECT_EQ(packagePath(frame.get()), u"");
    EXPECT_EQ(winAppDetailsRows(frame.get()), (std::vector<std::u16string>{u"Immersive\nNo", u"Store App\nNo"}));
    EXPECT_FALSE(findPackageLogoImage(nullptr, 16, 16, 16));
}

} // namespace
} // namespace zorbel
