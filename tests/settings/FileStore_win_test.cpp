#include "settings/FileStore_win.h"
#include "settings/DefaultSettingsFile.h"

#include <gtest/gtest.h>

#include <string>

#include "WinTestSupport.h"
#include "app/Process_win.h"
#include "settings/Settings.h"

namespace zorbel {
namespace {

using test::TempFolder;
using test::u16;

const std::string kSample("Zorbel\0bytes\r\n\xEF\xBB\xBF\xFF", 18);

class FileStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    Win32FileStore store;

    std::wstring make(const std::wstring& name, const std::string& bytes = kSample) {
        const std::wstring path = folder.file(name);
        EXPECT_TRUE(test::writeBytes(path, bytes));
        return path;
    }
};

// ---- Reading -----------------------------------------------------------------------------------

struct HolderCase {
    const char* name;
    DWORD access; // of the other handle that holds the file open; 0 = no other handle
    DWORD share;
    FileAccess expected;
};

// The three attempts are read/write sharing read, read sharing read, read sharing read and write.
const HolderCase kHolderCases[] = {
    {"NoOtherHandle", 0, 0, FileAccess::ReadWrite},
    {"ReaderSharingEverything", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, FileAccess::ReadWrite},
    {"ReaderSharingRead", GENERIC_READ, FILE_SHARE_READ, FileAccess::ReadOnly},
    {"WriterSharingRead", GENERIC_WRITE, FILE_SHARE_READ, FileAccess::ReadOnly},
    {"ReadWriterSharingReadAndWrite", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
     FileAccess::ReadOnly}, // only the last attempt shares write with it
    {"WriterSharingNothing", GENERIC_WRITE, 0, FileAccess::None},
    {"ReaderSharingNothing", GENERIC_READ, 0, FileAccess::None},
    {"WriterSharingWriteOnly", GENERIC_WRITE, FILE_SHARE_WRITE, FileAccess::None},
};

void PrintTo(const HolderCase& c, std::ostream* out) { *out << c.name; }

class ReadAllHolderTest : public FileStoreTest, public ::testing::WithParamInterface<HolderCase> {};

TEST_P(ReadAllHolderTest, GrantsWhatTheOtherHandleLeaves) {
    const HolderCase& c = GetParam();
    const std::wstring path = make(L"held.ini");
    UniqueFile holder;
    if (c.access != 0) {
        holder.reset(CreateFileW(path.c_str(), c.access, c.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
    }
    std::string bytes = "left over";
    EXPECT_EQ(store.readAll(u16(path), bytes), c.expected);
    EXPECT_EQ(bytes, c.expected == FileAccess::None ? std::string() : kSample);
}

INSTANTIATE_TEST_SUITE_P(Holders, ReadAllHolderTest, ::testing::ValuesIn(kHolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Whether this process may write the file, asked the system directly.
bool systemGrantsWrite(const std::wstring& path) {
    return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr))
        .operator bool();
}

// Windows refuses write access to a file with the read-only attribute. Wine running as root does
// not: it maps the attribute to Unix permission bits, which root passes. The store reports the
// access the system really gave.
TEST_F(FileStoreTest, ReadOnlyAttributeGivesTheAccessTheSystemGrants) {
    const std::wstring path = make(L"readonly.ini");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    std::string bytes;
    EXPECT_EQ(store.readAll(u16(path), bytes), systemGrantsWrite(path) ? FileAccess::ReadWrite : FileAccess::ReadOnly);
    EXPECT_EQ(bytes, kSample);
}

TEST_F(FileStoreTest, MissingFileAndFolderGiveNone) {
    std::string bytes = "left over";
    EXPECT_EQ(store.readAll(u16(folder.file(L"missing.ini")), bytes), FileAccess::None);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(store.readAll(u16(folder.file(L"no\\such\\folder.ini")), bytes), FileAccess::None);
    EXPECT_EQ(store.readAll(u16(folder.path()), bytes), FileAccess::None) << "a folder is not a file";
    EXPECT_TRUE(bytes.empty());
}

TEST_F(FileStoreTest, ReadsEmptyAndLargerFilesWhole) {
    std::string bytes = "left over";
    EXPECT_EQ(store.readAll(u16(make(L"empty.ini", "")), bytes), FileAccess::ReadWrite);
    EXPECT_TRUE(bytes.empty());

    std::string large;
    for (int i = 0; i < 300000; ++i) large.push_back(static_cast<char>(i * 7 + i / 251));
    EXPECT_EQ(store.readAll(u16(make(L"large.ini", large)), bytes), FileAccess::ReadWrite);
    EXPECT_EQ(bytes, large);
}

// A file of `size` bytes that starts with `head`; the rest is left to the file system to fill
// with zeros, so that even a large file is made at once.
std::wstring makeSized(const std::wstring& path, const std::string& head, std::uint64_t size) {
    EXPECT_TRUE(test::writeBytes(path, head));
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    EXPECT_TRUE(file && SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()));
    return path;
}

TEST_F(FileStoreTest, FileUpToTheCapIsReadWholeAndALargerOneIsIncomplete) {
    constexpr std::uint64_t kCap = Win32FileStore::kLargestReadableFile;
    static_assert(kCap >= 14u << 20, "a file of 100,000 rules must load");
    std::string bytes;
    EXPECT_EQ(store.readAll(u16(makeSized(folder.file(L"cap.ini"), "head", kCap)), bytes), FileAccess::ReadWrite);
    EXPECT_EQ(bytes.size(), kCap);
    EXPECT_TRUE(bytes.starts_with("head"));
    EXPECT_EQ(store.readAll(u16(makeSized(folder.file(L"over.ini"), "head", kCap + 1)), bytes), FileAccess::Incomplete);
    EXPECT_TRUE(bytes.empty());
}

// A file that holds more than its size says, as one does that grows while it is read, was not read
// whole. Linux's /proc files report a size of 0 and still have content; they are the one such
// file that can be had at will, through Wine's Z: drive. (A byte-range lock does not make
// ReadFile fail under Wine, so a read failing partway cannot be staged there.)
TEST_F(FileStoreTest, FileLongerThanItsSizeIsIncompleteNotEmpty) {
    const std::wstring path = L"Z:\\proc\\version";
    if (!test::fileExists(path)) GTEST_SKIP() << "no Linux /proc under this system";
    ASSERT_EQ(store.fileSize(u16(path)), 0u);
    std::string bytes = "left over";
    EXPECT_EQ(store.readAll(u16(path), bytes), FileAccess::Incomplete);
    EXPECT_TRUE(bytes.empty());
}

// ---- Questions about paths -----------------------------------------------------------------------

TEST_F(FileStoreTest, FileSizeExistsAndIsDirectory) {
    const std::wstring file = make(L"five.ini", "12345");
    const std::wstring empty = make(L"empty.ini", "");
    const std::wstring missing = folder.file(L"missing.ini");
    struct Row {
        std::wstring path;
        std::optional<std::uint64_t> size;
        bool exists;
        bool directory;
    };
    const Row rows[] = {
        {file, 5, true, false},
        {empty, 0, true, false},
        {folder.path(), std::nullopt, true, true},
        {folder.path() + L"\\", std::nullopt, true, true},
        {missing, std::nullopt, false, false},
        {folder.file(L"missing\\five.ini"), std::nullopt, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.path.begin(), row.path.end()));
        EXPECT_EQ(store.fileSize(u16(row.path)), row.size);
        EXPECT_EQ(store.exists(u16(row.path)), row.exists);
        EXPECT_EQ(store.isDirectory(u16(row.path)), row.directory);
    }
}

TEST_F(FileStoreTest, CreateDirectoryMakesOneLevel) {
    const std::wstring child = folder.file(L"child");
    EXPECT_TRUE(store.createDirectory(u16(child)));
    EXPECT_TRUE(store.isDirectory(u16(child)));
    EXPECT_FALSE(store.createDirectory(u16(child))) << "already there";
    EXPECT_FALSE(store.createDirectory(u16(folder.file(L"a\\b")))) << "the parent is missing";
    EXPECT_FALSE(store.exists(u16(folder.file(L"a"))));
}

// ---- Writing -----------------------------------------------------------------------------------

TEST_F(FileStoreTest, CreateNewNeverOpensAnExistingFile) {
    const std::wstring path = make(L"out.ini", "the user's");
    FileStore::NewFile taken = store.createNew(u16(path));
    EXPECT_EQ(taken.writer, nullptr);
    EXPECT_TRUE(taken.nameTaken);
    EXPECT_EQ(test::readBytes(path), "the user's");
    EXPECT_TRUE(store.createNew(u16(folder.path())).nameTaken) << "a folder of that name";

    const std::wstring fresh = folder.file(L"fresh.ini");
    FileStore::NewFile created = store.createNew(u16(fresh));
    ASSERT_NE(created.writer, nullptr);
    EXPECT_TRUE(created.writer->write("new"));
    EXPECT_TRUE(created.writer->write(std::string_view("\0x", 2)));
    EXPECT_TRUE(created.writer->flush());
    EXPECT_TRUE(created.writer->close());
    EXPECT_EQ(test::readBytes(fresh), std::string("new\0x", 5));
    EXPECT_FALSE(created.writer->close()) << "closed once";
    EXPECT_FALSE(created.writer->write("more"));

    FileStore::NewFile missing = store.createNew(u16(folder.file(L"missing\\out.ini")));
    EXPECT_EQ(missing.writer, nullptr);
    EXPECT_FALSE(missing.nameTaken);
    EXPECT_EQ(store.fileNamesIn(u16(folder.path())).size(), 2u);
}

TEST_F(FileStoreTest, ReplaceAndRemove) {
    const std::wstring from = make(L"from.ini", "new");
    const std::wstring to = make(L"to.ini", "old");
    EXPECT_TRUE(store.replace(u16(from), u16(to)));
    EXPECT_EQ(test::readBytes(to), "new");
    EXPECT_FALSE(test::fileExists(from));

    const std::wstring again = make(L"again.ini", "fresh");
    const std::wstring absent = folder.file(L"absent.ini");
    EXPECT_TRUE(store.replace(u16(again), u16(absent))) << "the target need not exist";
    EXPECT_EQ(test::readBytes(absent), "fresh");

    EXPECT_TRUE(store.remove(u16(absent)));
    EXPECT_FALSE(test::fileExists(absent));
    EXPECT_FALSE(store.remove(u16(absent)));
}

std::vector<std::wstring> folderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileStoreTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    const std::wstring path = make(L"Zorbel!.ini", "old content that is longer than the new");
    EXPECT_TRUE(writeFileAtomically(store, u16(path), "new content"));
    EXPECT_EQ(test::readBytes(path), "new content");
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::wstring>{L"Zorbel!.ini"});

    const std::wstring fresh = folder.file(L"fresh.ini");
    EXPECT_TRUE(writeFileAtomically(store, u16(fresh), kSample));
    EXPECT_EQ(test::readBytes(fresh), kSample);
    EXPECT_EQ(folderNames(folder.path()), (std::vector<std::wstring>{L"Zorbel!.ini", L"fresh.ini"}));
}

TEST_F(FileStoreTest, FailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
    // Into a folder that does not exist: nothing is made.
    EXPECT_FALSE(writeFileAtomically(store, u16(folder.file(L"missing\\Zorbel!.ini")), "x"));
    EXPECT_TRUE(folderNames(folder.path()).empty());

    // Onto a file that another program holds open without letting it be replaced.
    const std::wstring held = make(L"held.ini", "old");
    {
        UniqueFile holder(CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(writeFileAtomically(store, u16(held), "new"));
    }
    EXPECT_EQ(test::readBytes(held), "old");
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::wstring>{L"held.ini"});
}

// ---- The settings file through the real file calls -----------------------------------------------

const std::string kFirstRunFile = std::string(test::kSettingsFileMark) + std::string(test::kDefaultGlobalGroup);

class SettingsFileTest : public FileStoreTest {
protected:
    std::wstring settingsFolderPath() const { return folder.file(L"Zorbel!"); }
    std::wstring settingsPath() const { return folder.file(L"Zorbel!\\Zorbel!.ini"); }
    std::u16string appData() const { return u16(folder.path()); }

    Settings settings;
    MonitorRules rules{1};
    SettingsFileState fileState;
};

TEST_F(SettingsFileTest, FirstRunCreatesTheFolderAndTheDefaultFile) {
    ASSERT_FALSE(test::fileExists(settingsFolderPath()));
    syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
    EXPECT_TRUE(store.isDirectory(u16(settingsFolderPath())));
    EXPECT_EQ(test::readBytes(settingsPath()), std::string(kFirstRunFile));
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

TEST_F(SettingsFileTest, SaveWritesRulesWhoseProgramExists) {
    const std::u16string program = programPath();
    ASSERT_FALSE(program.empty());
    settings.pMessageBeep = 0;
    settings.pTopMost = -5;
    rules.push_back({u"Editor", program, u"EditClass", static_cast<std::int32_t>(0x94CF0000u), 0x100});
    rules.push_back({u"Gone", u16(folder.file(L"deleted.exe")), u"GoneClass", 1, 2});
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);

    std::string expected(kFirstRunFile);
    expected.replace(expected.find("pMessageBeep = 1"), 16, "pMessageBeep = 0");
    expected.replace(expected.find("pTopMost = 581"), 14, "pTopMost = -5");
    const std::string programUtf8(program.begin(), program.end()); // the test's path is ASCII
    expected += "[Windows]\r\n1 Title = Editor\r\n1 Filename = " + programUtf8 +
                "\r\n1 Classname = EditClass\r\n1 Style = -1798373376\r\n1 Exstyle = 256\r\n";
    EXPECT_EQ(test::readBytes(settingsPath()), expected);

    // And it reads back.
    Settings loaded;
    MonitorRules loadedRules{1};
    syncSettings(store, appData(), SettingsMode::Load, loaded, loadedRules, fileState);
    EXPECT_EQ(loaded, settings);
    ASSERT_EQ(loadedRules.size(), 2u);
    EXPECT_EQ(loadedRules[1], rules[1]);
}

// Read access only: another program reads the file and does not let anyone write it.
TEST_F(SettingsFileTest, SettingsFileOpenedReadOnlyIsReadButNeverRewritten) {
    ASSERT_TRUE(CreateDirectoryW(settingsFolderPath().c_str(), nullptr));
    const std::string content = "[Global]\r\npMessageBeep = 0\r\npCapture=600\r\n";
    ASSERT_TRUE(test::writeBytes(settingsPath(), content));
    {
        UniqueFile reader(CreateFileW(settingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        ASSERT_FALSE(systemGrantsWrite(settingsPath()));
        syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
        EXPECT_EQ(settings.pMessageBeep, 0);
        EXPECT_EQ(settings.pCapture, 600);
        settings.pClipboard = 0;
        syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    }
    EXPECT_EQ(test::readBytes(settingsPath()), content);
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

TEST_F(SettingsFileTest, SettingsFileWithReadOnlyAttributeIsNeverRewritten) {
    ASSERT_TRUE(CreateDirectoryW(settingsFolderPath().c_str(), nullptr));
    const std::string content = "[Global]\r\npMessageBeep = 0\r\n";
    ASSERT_TRUE(test::writeBytes(settingsPath(), content));
    ASSERT_TRUE(SetFileAttributesW(settingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    if (systemGrantsWrite(settingsPath())) GTEST_SKIP() << "the system lets this process write read-only files";

    syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
    EXPECT_EQ(settings.pMessageBeep, 0);
    settings.pClipboard = 0;
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    EXPECT_EQ(test::readBytes(settingsPath()), content);
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

TEST_F(SettingsFileTest, LockedSettingsFileLoadsDefaultsAndIsNotWritten) {
    ASSERT_TRUE(CreateDirectoryW(settingsFolderPath().c_str(), nullptr));
    const std::string content = "[Global]\r\npMessageBeep = 0\r\n";
    ASSERT_TRUE(test::writeBytes(settingsPath(), content));
    {
        UniqueFile holder(
            CreateFileW(settingsPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
        EXPECT_EQ(settings, Settings{}) << "every read yields its default";
        settings.pClipboard = 0;
        syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    }
    // Unlocked again: the defaults this run loaded must still not replace the file.
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    EXPECT_EQ(test::readBytes(settingsPath()), content);
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

TEST_F(SettingsFileTest, SettingsFileTooLargeToReadLoadsDefaultsAndIsNeverRewritten) {
    ASSERT_TRUE(CreateDirectoryW(settingsFolderPath().c_str(), nullptr));
    const std::string head = "[Global]\r\npMessageBeep = 0\r\n";
    const std::uint64_t size = Win32FileStore::kLargestReadableFile + 1;
    makeSized(settingsPath(), head, size);
    syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
    EXPECT_EQ(settings, Settings{}) << "every read yields its default";
    settings.pClipboard = 0;
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    EXPECT_EQ(store.fileSize(u16(settingsPath())), size);
    const auto bytes = test::readBytes(settingsPath());
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with(head));
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

TEST_F(SettingsFileTest, ExistingFileIsRewrittenInPlaceOfTheOld) {
    ASSERT_TRUE(CreateDirectoryW(settingsFolderPath().c_str(), nullptr));
    ASSERT_TRUE(test::writeBytes(settingsPath(), "; mine\r\n[global]\r\nPMESSAGEBEEP=0\r\n[Other]\r\nkey = v\r\n"));
    syncSettings(store, appData(), SettingsMode::Load, settings, rules, fileState);
    EXPECT_EQ(settings.pMessageBeep, 0);
    syncSettings(store, appData(), SettingsMode::Save, settings, rules, fileState);
    EXPECT_EQ(test::readBytes(settingsPath()),
              "\xEF\xBB\xBF\r\n; mine\r\n[global]\r\npMessageBeep = 0\r\npImageFormat = 0\r\npAdministrator = 0\r\n"
              "pClipboard = 1\r\npDialogue = 1\r\npRepeatCapture = 1\r\npMagnifyWindow = 1\r\npCapture = 594\r\n"
              "pCaptureCB = 1\r\npTopMost = 581\r\npTopMostCB = 1\r\npUpdate = 1\r\n[Other]\r\nkey = v\r\n");
    EXPECT_EQ(folderNames(settingsFolderPath()), std::vector<std::wstring>{L"Zorbel!.ini"});
}

} // namespace
} // namespace zorbel
