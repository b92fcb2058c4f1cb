#include "inspect/LogoSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "settings/Utf.h"

namespace zorbel {
namespace {

// ---- A listing written out as a table ---------------------------------------------------------

class TableLister : public FolderLister {
public:
    std::map<std::u16string, std::vector<FolderEntry>> folders;
    std::vector<std::u16string> listed;

    std::optional<std::vector<FolderEntry>> list(const std::u16string& folder) override {
        listed.push_back(folder);
        const auto found = folders.find(folder);
        if (found == folders.end()) return std::nullopt;
        return found->second;
    }
};

constexpr std::uint32_t kFile = 0x20; // FILE_ATTRIBUTE_ARCHIVE
FolderEntry file(const char16_t* name, std::uint32_t extra = 0) { return {name, kFile | extra}; }
FolderEntry folder(const char16_t* name, std::uint32_t extra = 0) { return {name, kFileDirectory | extra}; }

TEST(LogoSearch, ExaminesEveryEntryButDotAndDotDot) {
    TableLister lister;
    // The first entry is a real file, not ".": a search that passed over the first entry
    // unexamined would miss it.
    lister.folders[u"C:\\App\\"] = {file(u"Logo.targetsize-16_altform-unplated.png"), folder(u"."), folder(u"..")};
    EXPECT_EQ(findLogoFile(lister, u"C:\\App\\", u"16_altform"), u"C:\\App\\Logo.targetsize-16_altform-unplated.png");
    EXPECT_EQ(lister.listed, (std::vector<std::u16string>{u"C:\\App\\"})); // "." and ".." are not searched
}

TEST(LogoSearch, SkipsHiddenReparseAndHighContrastEntries) {
    TableLister lister;
    lister.folders[u"F\\"] = {
        folder(u"."),
        folder(u".."),
        file(u"Square.targetsize-48_altform-lightunplated.png", kFileHidden),
        folder(u"Linked", kFileReparsePoint),
        folder(u"Secret", kFileHidden),
        file(u"Square.targetsize-48_altform-unplated_contrast-black.png"),
        file(u"Square.targetsize-48_AltForm-unplated.png"),
    };
    lister.folders[u"F\\Linked\\"] = {file(u"x.targetsize-48_altform.png")};
    lister.folders[u"F\\Secret\\"] = {file(u"x.targetsize-48_altform.png")};
    EXPECT_EQ(findLogoFile(lister, u"F\\", u"48_altform"), u"F\\Square.targetsize-48_AltForm-unplated.png");
    EXPECT_EQ(std::count(lister.listed.begin(), lister.listed.end(), u"F\\Linked\\"), 0);
    EXPECT_EQ(std::count(lister.listed.begin(), lister.listed.end(), u"F\\Secret\\"), 0);
}

TEST(LogoSearch, DepthFirstInListingOrder) {
    TableLister lister;
    lister.folders[u"F\\"] = {folder(u"A"), file(u"Top.targetsize-24_altform.png"), folder(u"B")};
    lister.folders[u"F\\A\\"] = {folder(u"Deep"), file(u"A.png")};
    lister.folders[u"F\\A\\Deep\\"] = {file(u"Deep.targetsize-24_altform.png")};
    lister.folders[u"F\\B\\"] = {file(u"B.targetsize-24_altform.png")};
    EXPECT_EQ(findLogoFile(lister, u"F\\", u"24_altform"), u"F\\A\\Deep\\Deep.targetsize-24_altform.png");
    EXPECT_EQ(findLogoFile(lister, u"F\\", u"32_altform"), std::nullopt);
    // A folder that cannot be listed yields nothing, and the search goes on after it.
    lister.folders.erase(u"F\\A\\Deep\\");
    EXPECT_EQ(findLogoFile(lister, u"F\\", u"24_altform"), u"F\\Top.targetsize-24_altform.png");
    EXPECT_EQ(findLogoFile(lister, u"", u"24_altform"), std::nullopt);
}

TEST(LogoSearch, CachedListerListsEachFolderOnce) {
    TableLister table;
    table.folders[u"F\\"] = {folder(u"Assets"), file(u"readme.txt")};
    table.folders[u"F\\Assets\\"] = {file(u"Logo.targetsize-48_altform.png")};
    CachedFolderLister cached(table);
    std::optional<std::u16string> found;
    for (int size : logoSizes(16))
        if ((found = findLogoFile(cached, u"F\\", logoQualifier(size)))) break;
    EXPECT_EQ(found, u"F\\Assets\\Logo.targetsize-48_altform.png");
    EXPECT_EQ(table.listed, (std::vector<std::u16string>{u"F\\", u"F\\Assets\\"}));
    // A folder that could not be listed is not asked again either.
    EXPECT_EQ(findLogoFile(cached, u"G\\", u"x"), std::nullopt);
    EXPECT_EQ(findLogoFile(cached, u"G\\", u"x"), std::nullopt);
    EXPECT_EQ(std::count(table.listed.begin(), table.listed.end(), u"G\\"), 1);
}

TEST(LogoSearch, SizesQualifiersAndFolders) {
    const std::vector<int> sizes = logoSizes(16);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.front(), 16);
    EXPECT_EQ(sizes[1], 20);
    EXPECT_EQ(sizes.back(), 256);
    EXPECT_EQ(sizes.size(), 61u);
    EXPECT_EQ(logoSizes(24).back(), 256);
    EXPECT_EQ(logoSizes(30).back(), 254);
    EXPECT_TRUE(logoSizes(300).empty());
    EXPECT_EQ(logoQualifier(48), u"48_altform");
    EXPECT_EQ(logoFolder(u"C:\\Program Files\\WindowsApps\\App\\App.exe", u"ignored"),
              u"C:\\Program Files\\WindowsApps\\App\\");
    EXPECT_EQ(logoFolder(u"", u"C:\\Program Files\\WindowsApps\\App"), u"C:\\Program Files\\WindowsApps\\App\\");
    EXPECT_EQ(logoFolder(u"", u""), u"");
}

// ---- A real folder tree ------------------------------------------------------------------------

namespace fs = std::filesystem;

// Lists a real folder; paths use "\" as the program does and are mapped to "/" here. Entries
// named in `hidden` carry the hidden attribute (this file system has none).
class DiskLister : public FolderLister {
public:
    explicit DiskLister(std::set<std::u16string> hidden) : hidden_(std::move(hidden)) {}

    std::optional<std::vector<FolderEntry>> list(const std::u16string& folder) override {
        std::u16string path = folder;
        std::replace(path.begin(), path.end(), u'\\', u'/');
        std::error_code error;
        fs::directory_iterator it(fs::path(utf16ToUtf8(path)), error);
        if (error) return std::nullopt;
        std::vector<FolderEntry> entries{{u".", kFileDirectory}, {u"..", kFileDirectory}};
        for (const fs::directory_entry& entry : it) {
            const std::u16string name = utf8ToUtf16(entry.path().filename().string());
            std::uint32_t attributes = entry.is_directory() ? kFileDirectory : 0x20;
            if (entry.is_symlink()) attributes |= kFileReparsePoint;
            if (hidden_.count(name)) attributes |= kFileHidden;
            entries.push_back({name, attributes});
        }
        // A stable order for the test (NTFS lists names sorted, too).
        std::sort(entries.begin() + 2, entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
        return entries;
    }

private:
    std::set<std::u16string> hidden_;
};

class LogoFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("zorbel-logo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void touch(const std::string& relative) {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << "png";
    }
    std::u16string folder() const {
        std::u16string path = utf8ToUtf16(root_.string()) + u"\\";
        std::replace(path.begin(), path.end(), u'/', u'\\');
        return path;
    }
    std::u16string expected(const std::string& relative) const {
        std::u16string path = folder() + utf8ToUtf16(relative);
        std::replace(path.begin(), path.end(), u'/', u'\\');
        return path;
    }

    // The caller's loop: sizes upward from the small-icon width, the first file found wins.
    std::optional<std::u16string> firstLogo(FolderLister& lister, int smallIconWidth) {
        for (int size : logoSizes(smallIconWidth))
            if (auto found = findLogoFile(lister, folder(), logoQualifier(size))) return found;
        return std::nullopt;
    }

    fs::path root_;
};

TEST_F(LogoFolder, PlainAssetBeatsHighContrastOfTheSameSize) {
    touch("Assets/Square44x44Logo.targetsize-48_altform-unplated_contrast-white.png");
    touch("Assets/Square44x44Logo.targetsize-48_altform-unplated.png");
    touch("Assets/Square44x44Logo.targetsize-48_altform-lightunplated_contrast-black.png");
    DiskLister lister({});
    EXPECT_EQ(firstLogo(lister, 16), expected("Assets/Square44x44Logo.targetsize-48_altform-unplated.png"));
}

TEST_F(LogoFolder, SmallestSizeAtOrAboveTheIconWinsAndHiddenOnesAreSkipped) {
    touch("App.exe");
    touch("Assets/Store.targetsize-256_altform-unplated.png");
    touch("Assets/Nested/Square.targetsize-48_altform-unplated.png");
    touch("Assets/Square.targetsize-24_altform-unplated.png");
    touch("Assets/Square.targetsize-16_altform-unplated.png");
    touch("Assets/Square.targetsize-12_altform-unplated.png");
    DiskLister hiddenSmall({u"Square.targetsize-16_altform-unplated.png"});
    EXPECT_EQ(firstLogo(hiddenSmall, 16), expected("Assets/Square.targetsize-24_altform-unplated.png"));
    DiskLister all({});
    EXPECT_EQ(firstLogo(all, 16), expected("Assets/Square.targetsize-16_altform-unplated.png"));
    EXPECT_EQ(firstLogo(all, 28), expected("Assets/Nested/Square.targetsize-48_altform-unplated.png"));
    DiskLister hiddenFolder({u"Assets"});
    EXPECT_EQ(firstLogo(hiddenFolder, 16), std::nullopt);
}

TEST_F(LogoFolder, OnlyFortyEightPixelAssets) {
    touch("Images/Logo.targetsize-48_altform.png");
    touch("Images/Logo.scale-200.png");
    DiskLister lister({});
    EXPECT_EQ(firstLogo(lister, 16), expected("Images/Logo.targetsize-48_altform.png"));
}

} // namespace
} // namespace zorbel
