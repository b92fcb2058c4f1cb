#include "settings/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "settings/MemoryFileStore.h"
#include "settings/PreferenceFile.h"

namespace zorbel {
namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

// ---- The key table itself ----

TEST(TextKeysTest, EveryDefaultFitsItsWidth) {
    for (const TextKeyInfo& info : kTextKeys) {
        SCOPED_TRACE(std::string(info.key));
        EXPECT_TRUE(info.width == 80 || info.width == 25 || info.width == 16 || info.width == 13);
        EXPECT_FALSE(info.english.empty());
        EXPECT_LE(info.english.size(), info.width);
        for (char16_t c : info.english) {
            EXPECT_FALSE(isHighSurrogate(c) || isLowSurrogate(c)); // plain BMP text
        }
    }
}

TEST(TextKeysTest, KeyNamesAreUniqueIgnoringCase) {
    // A language file is matched without regard to case, so two keys differing only in case
    // would read the same line.
    std::set<std::string> seen;
    for (const TextKeyInfo& info : kTextKeys) {
        EXPECT_TRUE(seen.insert(lowerAscii(info.key)).second) << info.key;
    }
    EXPECT_EQ(seen.size(), 111u);
}

TEST(TextKeysTest, GroupsAreReadInOrderEachInOneRun) {
    const std::vector<std::string_view> expectedGroups = {
        "Author",   "Menu1",    "Menu2",       "Menu3",    "Menu4",
        "Error",    "Warning",  "Preferences", "Tooltips", "Information_Window",
        "WindowMonitor_Window", "TreeView_Window"};
    std::vector<std::string_view> groups;
    for (const TextKeyInfo& info : kTextKeys) {
        if (groups.empty() || groups.back() != info.group) {
            groups.push_back(info.group);
        }
    }
    EXPECT_EQ(groups, expectedGroups);
}

struct KeyCase {
    TextKey key;
    std::string_view group;
    std::string_view name;
    std::u16string_view english;
    unsigned width;
};

class TextKeySampleTest : public ::testing::TestWithParam<KeyCase> {};

// The enum and the table are generated together; a few rows across the table catch a shift.
TEST_P(TextKeySampleTest, EnumIndexesItsOwnRow) {
    const KeyCase& c = GetParam();
    const TextKeyInfo& info = textKeyInfo(c.key);
    EXPECT_EQ(info.group, c.group);
    EXPECT_EQ(info.key, c.name);
    EXPECT_EQ(info.english, c.english);
    EXPECT_EQ(info.width, c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, TextKeySampleTest,
    ::testing::Values(KeyCase{TextKey::la_Lang, "Author", "la_Lang", u"English", 80},
                      KeyCase{TextKey::le_Num3, "Error", "le_Num3",
                              u"Unsupported version of Windows. Requires 10.0.14393.", 80},
                      KeyCase{TextKey::lp_Soun, "Preferences", "lp_Soun", u"Sounds", 16},
                      KeyCase{TextKey::lp_SCap, "Preferences", "lp_SCap", u"Capture", 13},
                      KeyCase{TextKey::tv_SoSel, "TreeView_Window", "tv_SoSel", u"Sort Selected\tAlt+S", 25}));

// ---- The table in memory ----

TEST(StringTableTest, StartsWithEveryEnglishDefault) {
    const StringTable table;
    for (std::size_t i = 0; i < kTextKeyCount; ++i) {
        EXPECT_EQ(table.text(static_cast<TextKey>(i)), kTextKeys[i].english) << kTextKeys[i].key;
    }
    EXPECT_EQ(table.languageName(), u"Default");
}

struct CutCase {
    const char* name;
    TextKey key;
    std::u16string stored;
    std::u16string expected;
};

class StringTableCutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(StringTableCutTest, TextIsCutToTheKeysWidth) {
    StringTable table;
    table.set(GetParam().key, GetParam().stored);
    EXPECT_EQ(table.text(GetParam().key), GetParam().expected);
}

const std::u16string kSmiley = u"\U0001F600"; // two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    Widths, StringTableCutTest,
    ::testing::Values(
        CutCase{"Width80", TextKey::lm_Tools, std::u16string(100, u'a'), std::u16string(80, u'a')},
        CutCase{"Width16", TextKey::lp_Soun, u"abcdefghijklmnopqrst", u"abcdefghijklmnop"},
        CutCase{"Width13", TextKey::lp_STop, u"0123456789ABCDEF", u"0123456789ABC"},
        CutCase{"Width25", TextKey::tv_SaveA, std::u16string(30, u'z'), std::u16string(25, u'z')},
        CutCase{"ExactWidthKept", TextKey::lp_Soun, std::u16string(16, u'q'), std::u16string(16, u'q')},
        CutCase{"EmptyKept", TextKey::lm_About, u"", u""},
        CutCase{"PairSplitByCutIsDropped", TextKey::lp_Soun, std::u16string(15, u'x') + kSmiley,
                std::u16string(15, u'x')},
        CutCase{"PairInsideWidthIsKept", TextKey::lp_Soun, std::u16string(14, u'x') + kSmiley + u"yy",
                std::u16string(14, u'x') + kSmiley},
        CutCase{"ShortPairKept", TextKey::lp_SCap, kSmiley, kSmiley}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(StringTableTest, SetChangesOnlyItsOwnKey) {
    StringTable table;
    table.set(TextKey::lm_Exitm, u"Beenden");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Beenden");
    EXPECT_EQ(table.text(TextKey::lm_Tools), u"Tools Menu...");
    EXPECT_EQ(table.text(TextKey::lm_About), u"About Zorbel!");
}

TEST(StringTableTest, ProcessWideTableIsOneObject) { EXPECT_EQ(&strings(), &strings()); }

// ---- Finding the language file ----

TEST(LanguageFileTest, SizeWindowIsExclusiveOf500And5000) {
    const std::vector<std::pair<std::uint64_t, bool>> cases = {
        {0, false}, {500, false}, {501, true}, {2000, true}, {4999, true}, {5000, false}, {1ull << 40, false}};
    for (const auto& [size, usable] : cases) {
        EXPECT_EQ(isLanguageFileSizeUsable(size), usable) << size;
    }
}

TEST(LanguageFileTest, PathIsUnderTheWorkingDirectory) {
    EXPECT_EQ(languageFilePath(u"C:\\Work", u"deu"), u"C:\\Work\\Language\\lang_deu.txt");
    EXPECT_EQ(languageFilePath(u"C:\\Work\\", u"eng"), u"C:\\Work\\Language\\lang_eng.txt");
    EXPECT_EQ(languageFilePath(u"C:\\", u"fra"), u"C:\\Language\\lang_fra.txt");
    // No ISO name from the system still gives a name to look for.
    EXPECT_EQ(languageFilePath(u"D:\\x", u""), u"D:\\x\\Language\\lang_.txt");
}

// ---- Reading a language file ----

using zorbel::test::MemoryFileStore;

const std::u16string kWorkDir = u"C:\\Users\\me\\Work";
const std::u16string kLanguageDir = kWorkDir + u"\\Language";
const std::u16string kGermanFile = kLanguageDir + u"\\lang_deu.txt";

// body padded with a trailing comment to exactly size bytes.
std::string paddedTo(std::string body, std::size_t size) {
    EXPECT_LT(body.size(), size);
    body += ';';
    body.append(size - std::min(size, body.size()), 'x');
    return body;
}

const std::string kGermanBody = "[Author]\r\n"
                                "la_Lang = Deutsch\r\n"
                                "[Menu1]\r\n"
                                "lm_Exitm = Beenden\r\n"
                                "[Information_Window]\r\n"
                                "wi_CoRow = Zeile kopieren\tStrg+C\r\n";

class LoadLanguageTest : public ::testing::Test {
protected:
    LoadLanguageTest() {
        store.directories.insert(u"C:\\Users");
        store.directories.insert(u"C:\\Users\\me");
        store.directories.insert(kWorkDir);
        store.directories.insert(kLanguageDir);
    }

    void load(std::u16string_view workDir = kWorkDir, std::u16string_view iso639 = u"deu") {
        loadLanguage(store, workDir, iso639, table);
    }

    MemoryFileStore store;
    StringTable table;
};

TEST_F(LoadLanguageTest, UsableFileReplacesItsKeysAndKeepsTheRest) {
    store.files[kGermanFile] = paddedTo(kGermanBody, 1000);
    load();
    EXPECT_EQ(table.languageName(), u"lang_deu.txt");
    EXPECT_EQ(table.text(TextKey::la_Lang), u"Deutsch");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Beenden");
    EXPECT_EQ(table.text(TextKey::wi_CoRow), u"Zeile kopieren\tStrg+C"); // the tab is kept
    EXPECT_EQ(table.text(TextKey::lm_Tools), u"Tools Menu...");            // absent key
    EXPECT_EQ(table.text(TextKey::tv_SoSel), u"Sort Selected\tAlt+S");     // absent group
}

TEST_F(LoadLanguageTest, SizeWindowDecidesWhetherTheFileIsRead) {
    const std::vector<std::pair<std::size_t, bool>> cases = {{500, false}, {501, true}, {4999, true}, {5000, false}};
    for (const auto& [size, used] : cases) {
        SCOPED_TRACE(size);
        table = StringTable();
        store.files[kGermanFile] = paddedTo(kGermanBody, size);
        ASSERT_EQ(store.files[kGermanFile].size(), size);
        load();
        EXPECT_EQ(table.text(TextKey::lm_Exitm), used ? u"Beenden" : u"Exit");
        EXPECT_EQ(table.languageName(), used ? u"lang_deu.txt" : u"Default");
    }
}

TEST_F(LoadLanguageTest, LongValuesAreCutToTheKeysWidth) {
    store.files[kGermanFile] = paddedTo("[Menu1]\r\nlm_Tools = " + std::string(100, 'W') +
                                            "\r\n[Preferences]\r\nlp_Soun = " + std::string(20, 'S') + "\r\n",
                                        700);
    load();
    EXPECT_EQ(table.text(TextKey::lm_Tools), std::u16string(80, u'W'));
    EXPECT_EQ(table.text(TextKey::lp_Soun), std::u16string(16, u'S'));
}

TEST_F(LoadLanguageTest, GroupAndKeyNamesIgnoreCase) {
    store.files[kGermanFile] = paddedTo("[menu1]\r\nLM_EXITM = Beenden\r\n[PREFERENCES]\r\nlp_soun = Ton\r\n", 600);
    load();
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Beenden");
    EXPECT_EQ(table.text(TextKey::lp_Soun), u"Ton");
}

TEST_F(LoadLanguageTest, EmptyValueGivesEmptyTextButAbsentKeyKeepsTheDefault) {
    store.files[kGermanFile] = paddedTo("[Menu1]\r\nlm_About =\r\nlm_Exitm =   \r\n", 600);
    load();
    EXPECT_EQ(table.text(TextKey::lm_About), u"");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"");
    EXPECT_EQ(table.text(TextKey::lm_Tools), u"Tools Menu...");
}

TEST_F(LoadLanguageTest, KeysCountOnlyInTheirOwnGroup) {
    store.files[kGermanFile] = paddedTo("lm_Exitm = before any group\r\n"
                                        "[Menu2]\r\nlm_Exitm = wrong group\r\n"
                                        "[Unknown]\r\nlm_Tools = unknown group\r\n"
                                        "[Menu1]\r\nxx_Nope = unknown key\r\n",
                                        600);
    load();
    EXPECT_EQ(table.languageName(), u"lang_deu.txt");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Exit");
    EXPECT_EQ(table.text(TextKey::lm_Tools), u"Tools Menu...");
}

TEST_F(LoadLanguageTest, FileWithoutByteOrderMarkIsIso8859_1) {
    store.files[kGermanFile] = paddedTo("[Menu4]\r\nwc_Maxim = Vergr\xF6\xDF" "ern\r\n", 600);
    load();
    EXPECT_EQ(table.text(TextKey::wc_Maxim), u"Vergr\u00F6\u00DFern");
}

TEST_F(LoadLanguageTest, FileWithByteOrderMarkIsUtf8) {
    store.files[kGermanFile] = paddedTo("\xEF\xBB\xBF[Menu4]\r\n"
                                        "wc_Maxim = Vergr\xC3\xB6\xC3\x9F\x65rn\r\n"
                                        "wc_Minim = \xE6\x9C\x80\xE5\xB0\x8F\xF0\x9F\x98\x80\r\n",
                                        600);
    load();
    EXPECT_EQ(table.text(TextKey::wc_Maxim), u"Vergr\u00F6\u00DFern");
    EXPECT_EQ(table.text(TextKey::wc_Minim), u"\u6700\u5C0F\U0001F600");
}

TEST_F(LoadLanguageTest, CutInsideACharacterFromTheFileDropsItsFirstHalf) {
    // 15 letters, then U+1F600 (units 16 and 17) in a 16-unit field.
    store.files[kGermanFile] =
        paddedTo("\xEF\xBB\xBF[Preferences]\r\nlp_Soun = " + std::string(15, 'a') + "\xF0\x9F\x98\x80\r\n", 600);
    load();
    EXPECT_EQ(table.text(TextKey::lp_Soun), std::u16string(15, u'a'));
}

TEST_F(LoadLanguageTest, FolderWithoutTheFileIsLeftUnchanged) {
    store.files[kLanguageDir + u"\\lang_fra.txt"] = paddedTo(kGermanBody, 1000);
    const auto filesBefore = store.files;
    const auto directoriesBefore = store.directories;
    load();
    EXPECT_EQ(table.languageName(), u"Default");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Exit");
    EXPECT_EQ(store.files, filesBefore);
    EXPECT_EQ(store.directories, directoriesBefore);
    EXPECT_EQ(store.mutatingCalls, 0u);
}

TEST_F(LoadLanguageTest, MissingLanguageFolderCreatesNothing) {
    store.directories.erase(kLanguageDir);
    load();
    EXPECT_EQ(table.languageName(), u"Default");
    EXPECT_TRUE(store.files.empty());
    EXPECT_FALSE(store.exists(kLanguageDir));
    EXPECT_EQ(store.mutatingCalls, 0u);
}

TEST_F(LoadLanguageTest, UsedFileIsNeverWritten) {
    const std::string bytes = paddedTo(kGermanBody, 1000);
    store.files[kGermanFile] = bytes;
    load();
    EXPECT_EQ(table.languageName(), u"lang_deu.txt");
    EXPECT_EQ(store.files[kGermanFile], bytes);
    EXPECT_EQ(store.files.size(), 1u);
    EXPECT_EQ(store.mutatingCalls, 0u);
}

TEST_F(LoadLanguageTest, FileIsLookedForOnlyUnderTheWorkingDirectoryGiven) {
    // The right name beside the program, but the program was started from elsewhere.
    const std::u16string programDir = u"C:\\Program Files\\Zorbel";
    store.directories.insert(programDir);
    store.directories.insert(programDir + u"\\Language");
    store.files[programDir + u"\\Language\\lang_deu.txt"] = paddedTo(kGermanBody, 1000);
    load(kWorkDir);
    EXPECT_EQ(table.languageName(), u"Default");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Exit");

    load(programDir + u"\\");
    EXPECT_EQ(table.languageName(), u"lang_deu.txt");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Beenden");
}

TEST_F(LoadLanguageTest, LockedOrUnreadableFileGivesTheDefaults) {
    for (const auto limit : {MemoryFileStore::Limit::Locked, MemoryFileStore::Limit::ReadFails}) {
        SCOPED_TRACE(static_cast<int>(limit));
        table = StringTable{};
        store.files[kGermanFile] = paddedTo(kGermanBody, 1000);
        store.limits[kGermanFile] = limit;
        table.set(TextKey::lm_Exitm, u"stale");
        load();
        EXPECT_EQ(table.languageName(), u"Default");
        EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Exit"); // the pass still fills every key
        EXPECT_EQ(store.files.size(), 1u);
        EXPECT_EQ(store.mutatingCalls, 0u);
    }
}

TEST_F(LoadLanguageTest, ReadOnlyFileIsStillUsed) {
    store.files[kGermanFile] = paddedTo(kGermanBody, 1000);
    store.limits[kGermanFile] = MemoryFileStore::Limit::ReadOnly;
    load();
    EXPECT_EQ(table.languageName(), u"lang_deu.txt");
    EXPECT_EQ(table.text(TextKey::lm_Exitm), u"Beenden");
}

TEST_F(LoadLanguageTest, DirectoryWithTheFilesNameIsNotAFile) {
    store.directories.insert(kGermanFile);
    load();
    EXPECT_EQ(table.languageName(), u"Default");
}

} // namespace
} // namespace zorbel
