#include "settings/FileStore.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/MemoryFileStore.h"

namespace zorbel {
namespace {

using test::MemoryFileStore;

TEST(FileStore, TemporaryNames) {
    const std::u16string longName(250, u'n');
    // A surrogate pair where the cut falls: it goes whole.
    const std::u16string pairAtCut = std::u16string(241, u'n') + u"\U0001F600" + u"tail";
    const struct {
        std::u16string path;
        std::uint32_t number;
        std::u16string name;
    } cases[] = {
        {u"C:\\shots\\a.png", 0x1234abcd, u"C:\\shots\\a.png.1234abcd.tmp"},
        {u"a.png", 0, u"a.png.00000000.tmp"},
        {u"C:\\d.x\\" + longName, 0xffffffff, u"C:\\d.x\\" + longName.substr(0, 242) + u".ffffffff.tmp"},
        {u"C:\\d\\" + pairAtCut, 1, u"C:\\d\\" + pairAtCut.substr(0, 241) + u".00000001.tmp"},
    };
    for (const auto& c : cases) {
        const std::u16string name = temporaryFileName(c.path, c.number);
        EXPECT_EQ(name, c.name);
        const std::size_t nameStart = name.rfind(u'\\') + 1;
        EXPECT_LE(name.size() - nameStart, kLongestFileNameUnits);
        EXPECT_TRUE(isTemporaryFileNameOf(name.substr(nameStart), c.path.substr(c.path.rfind(u'\\') + 1)));
    }

    const std::map<std::u16string, bool> names = {
        {u"Zorbel!.ini.0123abcd.tmp", true},       {u"Zorbel!.ini.tmp", false},
        {u"Zorbel!.ini.0123abcd.tmp.txt", false}, {u"Zorbel!.ini.0123ABCD.tmp", false},
        {u"Zorbel!.ini.0123abc.tmp", false},      {u"Zorbel!.ini.0123abcde.tmp", false},
        {u"Zorbel!.ini-0123abcd.tmp", false},     {u"Other.ini.0123abcd.tmp", false},
        {u"Zorbel!.ini.0123abcd.bak", false},     {u"Zorbel!.ini.0123abgd.tmp", false},
    };
    for (const auto& [name, ours] : names) EXPECT_EQ(isTemporaryFileNameOf(name, u"Zorbel!.ini"), ours);
}

class AtomicWriteTest : public ::testing::Test {
protected:
    MemoryFileStore store;
    std::map<std::u16string, std::string> before;

    void SetUp() override {
        store.directories.insert(u"C:\\s");
        store.files[u"C:\\s\\a.png"] = "old";
        // Files of the user's: one with the old fixed temporary name, one with the first name
        // this store will offer.
        store.files[u"C:\\s\\a.png.tmp"] = "the user's";
        store.files[u"C:\\s\\a.png.00001000.tmp"] = "the user's too";
        store.nameNumbers = {0x1000, 0x2000};
        before = store.files;
    }
};

TEST_F(AtomicWriteTest, TakesANameNobodyHasAndTouchesNoOtherFile) {
    EXPECT_TRUE(writeFileAtomically(store, u"C:\\s\\a.png", "new"));
    std::map<std::u16string, std::string> expected = before;
    expected[u"C:\\s\\a.png"] = "new";
    EXPECT_EQ(store.files, expected);
}

TEST_F(AtomicWriteTest, FailureAtAnyStepRemovesOnlyItsOwnFile) {
    for (std::size_t failing = 1; failing <= 6; ++failing) {
        SetUp();
        store.mutatingCalls = 0;
        store.failAtCall = failing;
        EXPECT_FALSE(writeFileAtomically(store, u"C:\\s\\a.png", "new")) << "call " << failing;
        EXPECT_EQ(store.files, before) << "call " << failing;
    }
    // Every name taken: nothing is written, nothing removed.
    SetUp();
    store.nameNumbers.assign(16, 0x1000);
    EXPECT_FALSE(writeFileAtomically(store, u"C:\\s\\a.png", "new"));
    EXPECT_EQ(store.files, before);
}

} // namespace
} // namespace zorbel
