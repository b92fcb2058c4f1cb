#include "settings/PreferenceFile.h"

#include <limits>

#include <gtest/gtest.h>

#include "settings/MemoryFileStore.h"

namespace zorbel {
namespace {

using test::MemoryFileStore;
using Kind = PreferenceFile::Entry::Kind;

// One line per entry: "[name]", ";text" or "name|value".
std::string describe(const std::vector<PreferenceFile::Entry>& entries) {
    std::string out;
    for (const auto& entry : entries) {
        if (!out.empty()) out += '\n';
        switch (entry.kind) {
        case Kind::Group: out += "[" + entry.name + "]"; break;
        case Kind::Comment: out += ";" + entry.value; break;
        case Kind::Key: out += entry.name + "|" + entry.value; break;
        }
    }
    return out;
}

struct ParseCase {
    const char* label;
    std::string_view bytes;
    std::string_view entries;
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsEntriesAndFormatsThemBackUnchanged) {
    const auto entries = PreferenceFile::parse(GetParam().bytes);
    EXPECT_EQ(describe(entries), GetParam().entries) << GetParam().label;
    EXPECT_EQ(describe(PreferenceFile::parse(PreferenceFile::format(entries))), GetParam().entries) << GetParam().label;
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    LinesAndEntries, Parse,
    ::testing::Values(
        ParseCase{"empty file", "", ""}, ParseCase{"blank lines only", "\r\n\r\n \t \n\r", ""},
        ParseCase{"CR, LF and CR LF end lines", "a=1\rb=2\nc=3\r\nd=4", "a|1\nb|2\nc|3\nd|4"},
        ParseCase{"CR CR LF is a line and a blank line", "a=1\r\r\nb=2", "a|1\nb|2"},
        ParseCase{"leading blanks are skipped", " \t[G]\n\t ;c\n  k=v", "[G]\n;c\nk|v"},
        ParseCase{"comment loses one space only", ";x\n; x\n;  x\n;\n;=[", ";x\n;x\n; x\n;\n;=["},
        ParseCase{"group name is not trimmed", "[ Global ]", "[ Global ]"},
        ParseCase{"group name ends at the first bracket", "[a]b]c\n[", "[a]\n[]"},
        ParseCase{"group without a closing bracket", "[abc def", "[abc def]"},
        ParseCase{"key name loses trailing blanks, value leading ones", "k \t= \t v  ", "k|v  "},
        ParseCase{"value keeps later equals signs", "k==v=w", "k|=v=w"},
        ParseCase{"key name with inner blanks", "1 Title = a b", "1 Title|a b"},
        ParseCase{"empty name", "=v\n=", "|v\n|"},
        ParseCase{"line without an equals sign is a key without value", "garbage  \n[G]", "garbage|\n[G]"},
        ParseCase{"mark and UTF-8", "\xEF\xBB\xBFk=\xC3\xA9", "k|\xC3\xA9"},
        ParseCase{"mark alone", "\xEF\xBB\xBF", ""},
        ParseCase{"no mark: ISO-8859-1", "k=Caf\xE9", "k|Caf\xC3\xA9"},
        ParseCase{"two-byte file EF BB is ISO-8859-1", "\xEF\xBB", "\xC3\xAF\xC2\xBB|"},
        ParseCase{"no mark: UTF-8 bytes are read as ISO-8859-1", "k=\xC3\xA9", "k|\xC3\x83\xC2\xA9"},
        ParseCase{"nul bytes are kept", "k=a\0b"sv, "k|a\0b"sv}));

TEST(PreferenceFileFormat, WritesMarkEmptyLineAndOneCrLfLinePerEntry) {
    const std::vector<PreferenceFile::Entry> entries{
        {Kind::Group, "Global", ""}, {Kind::Comment, "", "note"}, {Kind::Key, "pUpdate", "1"}, {Kind::Comment, "", ""}};
    EXPECT_EQ(PreferenceFile::format(entries), "\xEF\xBB\xBF\r\n[Global]\r\n; note\r\npUpdate = 1\r\n; \r\n");
    EXPECT_EQ(PreferenceFile::format({}), "\xEF\xBB\xBF\r\n");
}

class PreferenceFileTest : public ::testing::Test {
protected:
    const std::u16string path = u"C:\\data\\test.ini";
    MemoryFileStore store;
    PreferenceFile file{store};

    void SetUp() override { store.directories.insert(u"C:\\data"); }
    void openWith(std::string bytes) {
        store.files[path] = std::move(bytes);
        ASSERT_TRUE(file.open(path));
    }
    std::string closeAndDescribe() {
        EXPECT_TRUE(file.close());
        return describe(PreferenceFile::parse(store.files[path]));
    }
};

TEST_F(PreferenceFileTest, FindsGroupsAndKeysWhateverTheirCase) {
    openWith("top=0\r\n[global]\r\n;PMESSAGEBEEP=9\r\nPMESSAGEBEEP=0\r\n[Other]\r\npUpdate=5\r\n");
    EXPECT_EQ(file.readLong("top", 7), 0); // before any selectGroup: the entries before the first header
    EXPECT_TRUE(file.selectGroup("Global"));
    EXPECT_EQ(file.readLong("pMessageBeep", 7), 0);
    EXPECT_EQ(file.readLong("pUpdate", 7), 7); // the search stops at the next header
    EXPECT_EQ(file.readLong("top", 7), 7);
    EXPECT_TRUE(file.selectGroup("OTHER"));
    EXPECT_EQ(file.readLong("pupdate", 7), 5);
    EXPECT_TRUE(file.selectGroup(""));
    EXPECT_EQ(file.readLong("top", 7), 0);
}

TEST_F(PreferenceFileTest, MissingGroupIsPendingAndReadsGiveDefaults) {
    openWith("k=1\r\n[A]\r\nk=2\r\n");
    EXPECT_FALSE(file.selectGroup("B"));
    EXPECT_EQ(file.readLong("k", -3), -3);
    EXPECT_EQ(file.readString("k", u"none"), u"none");
    EXPECT_FALSE(file.examineKeys());
    EXPECT_FALSE(file.nextKey());
}

TEST_F(PreferenceFileTest, ReadStringTrimsOuterBlanksAndDecodesUtf8) {
    openWith("\xEF\xBB\xBF[G]\r\na = \t x\ty \t \r\nb =\r\nc = \xF0\x9F\x98\x80\xFF\r\n");
    ASSERT_TRUE(file.selectGroup("G"));
    EXPECT_EQ(file.readString("a", u"d"), u"x\ty");
    EXPECT_EQ(file.readString("b", u"d"), u"");
    EXPECT_EQ(file.readString("c", u"d"), u"\xD83D\xDE00\uFFFD");
    EXPECT_EQ(file.readString("missing", u"d"), u"d");
}

struct LongCase {
    std::string_view text;
    std::int32_t value;
};

class ReadLong : public ::testing::TestWithParam<LongCase> {};

TEST_P(ReadLong, ParsesLikePercentDAndClampsOverflow) {
    MemoryFileStore store;
    store.files[u"f.ini"] = "k = " + std::string(GetParam().text);
    PreferenceFile file(store);
    ASSERT_TRUE(file.open(u"f.ini"));
    EXPECT_EQ(file.readLong("k", 1234), GetParam().value) << GetParam().text;
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Table, ReadLong,
    ::testing::Values(LongCase{"12", 12}, LongCase{"-7", -7}, LongCase{"+5", 5}, LongCase{"007", 7}, LongCase{"12abc", 12},
                      LongCase{"1 2", 1}, LongCase{"\v3", 3}, LongCase{"", 0}, LongCase{"yes", 0}, LongCase{"0x252", 0},
                      LongCase{"- 5", 0}, LongCase{"--5", 0}, LongCase{"+", 0}, LongCase{"2147483647", kMax},
                      LongCase{"2147483648", kMax}, LongCase{"-2147483648", kMin}, LongCase{"-2147483649", kMin},
                      LongCase{"99999999999999999999999999", kMax}, LongCase{"-99999999999999999999999999", kMin}));

TEST_F(PreferenceFileTest, WritesReplaceInPlaceInTheProgramsSpellingOrAppendToTheGroup) {
    openWith("[global]\r\nPMESSAGEBEEP=1\r\nkeep=x\r\n; last comment\r\n[Other]\r\nk=v\r\n");
    ASSERT_TRUE(file.selectGroup("Global"));
    file.writeLong("pMessageBeep", 0);
    file.writeLong("pCapture", 594);
    file.writeString("pTitle", u" \u00E9 ");
    EXPECT_EQ(closeAndDescribe(),
              "[global]\npMessageBeep|0\nkeep|x\n;last comment\npCapture|594\npTitle|\xC3\xA9 \n[Other]\nk|v");
    EXPECT_NE(store.files[path].find("[global]\r\npMessageBeep = 0\r\n"), std::string::npos);
}

TEST_F(PreferenceFileTest, FirstWriteToAPendingGroupAppendsItsHeader) {
    openWith("[A]\r\nk=1\r\n");
    EXPECT_FALSE(file.selectGroup("New"));
    file.writeLong("x", kMin);
    EXPECT_TRUE(file.selectGroup("new"));
    file.writeLong("y", kMax);
    EXPECT_EQ(closeAndDescribe(), "[A]\nk|1\n[New]\nx|-2147483648\ny|2147483647");
}

TEST_F(PreferenceFileTest, WriteStringTurnsLineBreaksIntoSpaces) {
    openWith("");
    ASSERT_FALSE(file.selectGroup("G"));
    file.writeString("t", u"a\r\nb\rc\n[X]\nk=v");
    EXPECT_EQ(closeAndDescribe(), "[G]\nt|a  b c [X] k=v");
}

TEST_F(PreferenceFileTest, RemoveGroupRemovesEveryGroupOfThatName) {
    openWith("[Windows]\r\n1 Title=a\r\n[Global]\r\nk=1\r\n[windows]\r\n; c\r\n2 Title=b\r\n[Tail]\r\n");
    file.removeGroup("Windows");
    EXPECT_FALSE(file.selectGroup("Windows"));
    file.writeString("1 Title", u"new");
    EXPECT_EQ(closeAndDescribe(), "[Global]\nk|1\n[Tail]\n[Windows]\n1 Title|new");
}

TEST_F(PreferenceFileTest, RemovingTheCurrentGroupMakesItPending) {
    openWith("[A]\r\na=1\r\n[B]\r\nb=1\r\n");
    ASSERT_TRUE(file.selectGroup("A"));
    file.removeGroup("A");
    EXPECT_EQ(file.readLong("a", -1), -1);
    file.writeLong("a", 2);
    EXPECT_EQ(closeAndDescribe(), "[B]\nb|1\n[A]\na|2");
}

TEST_F(PreferenceFileTest, RemovingAnEarlierGroupKeepsTheCurrentOne) {
    openWith("[A]\r\na=1\r\n[B]\r\nb=1\r\n");
    ASSERT_TRUE(file.selectGroup("B"));
    file.removeGroup("A");
    EXPECT_EQ(file.readLong("b", -1), 1);
    file.writeLong("c", 3);
    EXPECT_EQ(closeAndDescribe(), "[B]\nb|1\nc|3");
}

TEST_F(PreferenceFileTest, EnumeratesTheKeysOfTheCurrentGroupOnly) {
    openWith("[A]\r\nx=0\r\n[W]\r\n1=a\r\n; skip\r\nno equals\r\n2=b\r\n[Z]\r\n3=c\r\n[Empty]\r\n");
    ASSERT_TRUE(file.selectGroup("W"));
    EXPECT_FALSE(file.nextKey()); // nothing before examineKeys
    ASSERT_TRUE(file.examineKeys());
    int count = 0;
    while (file.nextKey()) ++count;
    EXPECT_EQ(count, 3);
    EXPECT_FALSE(file.nextKey());
    ASSERT_TRUE(file.selectGroup("Empty"));
    EXPECT_TRUE(file.examineKeys());
    EXPECT_FALSE(file.nextKey());
}

TEST_F(PreferenceFileTest, ReadsSeeEveryEarlierWriteRemovalAndGroupChange) {
    openWith("[A]\r\nk=1\r\nk=2\r\n[B]\r\nb=1\r\n[C]\r\nc=1\r\n");
    ASSERT_TRUE(file.selectGroup("A"));
    file.writeLong("n", 5);
    EXPECT_EQ(file.readLong("N", 0), 5);
    EXPECT_EQ(file.readLong("k", 0), 1); // the first of two keys of one name
    file.writeLong("K", 3);
    EXPECT_EQ(file.readLong("k", 0), 3);
    EXPECT_EQ(file.readLong("b", -1), -1);
    ASSERT_TRUE(file.selectGroup("B"));
    EXPECT_EQ(file.readLong("n", -1), -1);
    file.writeLong("n", 6);
    EXPECT_EQ(file.readLong("n", -1), 6);
    file.removeGroup("A");
    EXPECT_EQ(file.readLong("n", -1), 6); // B is still current
    EXPECT_EQ(file.readLong("b", -1), 1);
    EXPECT_FALSE(file.selectGroup("A"));
    EXPECT_EQ(file.readLong("n", -1), -1);
    file.writeLong("n", 7);
    EXPECT_EQ(file.readLong("n", -1), 7);
    ASSERT_TRUE(file.selectGroup("C"));
    EXPECT_EQ(file.readLong("c", -1), 1);
    EXPECT_EQ(file.readLong("n", -1), -1);

    // A key written during an enumeration is enumerated too: it joins the end of the group.
    ASSERT_TRUE(file.examineKeys());
    EXPECT_TRUE(file.nextKey());
    file.writeLong("d", 1);
    EXPECT_TRUE(file.nextKey());
    EXPECT_FALSE(file.nextKey());
    EXPECT_EQ(closeAndDescribe(), "[B]\nb|1\nn|6\n[C]\nc|1\nd|1\n[A]\nn|7");
}

TEST_F(PreferenceFileTest, UnmodifiedDocumentIsNotWritten) {
    openWith("k=1");
    EXPECT_EQ(file.readLong("k", 0), 1);
    EXPECT_FALSE(file.isModified());
    EXPECT_TRUE(file.close());
    EXPECT_EQ(store.mutatingCalls, 0u);
    EXPECT_EQ(store.files[path], "k=1");
}

TEST_F(PreferenceFileTest, ReadOnlyFileIsReadButNeverWritten) {
    store.limits[path] = MemoryFileStore::Limit::ReadOnly;
    openWith("k=1");
    EXPECT_TRUE(file.isReadOnly());
    file.writeLong("k", 2);
    EXPECT_EQ(file.readLong("k", 0), 2);
    EXPECT_TRUE(file.close());
    EXPECT_EQ(store.mutatingCalls, 0u);
    EXPECT_EQ(store.files[path], "k=1");
}

TEST_F(PreferenceFileTest, FileThatCannotBeReadWholeIsAnEmptyReadOnlyDocument) {
    store.limits[path] = MemoryFileStore::Limit::ReadFails;
    openWith("[G]\r\nk=1\r\n");
    EXPECT_TRUE(file.isIncomplete());
    EXPECT_TRUE(file.isReadOnly());
    EXPECT_TRUE(file.entries().empty());
    EXPECT_FALSE(file.selectGroup("G"));
    EXPECT_EQ(file.readLong("k", 7), 7);
    file.writeLong("k", 2);
    EXPECT_TRUE(file.close());
    EXPECT_EQ(store.mutatingCalls, 0u);
    EXPECT_EQ(store.files[path], "[G]\r\nk=1\r\n");
    EXPECT_FALSE(file.isIncomplete()) << "closing forgets it";
}

TEST_F(PreferenceFileTest, FailedOpenKeepsThePathSoCloseCreatesTheFile) {
    EXPECT_FALSE(file.open(path));
    EXPECT_FALSE(file.isReadOnly());
    file.writeLong("k", 1);
    EXPECT_TRUE(file.close());
    EXPECT_EQ(store.files[path], "\xEF\xBB\xBF\r\nk = 1\r\n");
}

TEST_F(PreferenceFileTest, CreateWritesNothingBeforeClose) {
    store.files[path] = "old";
    ASSERT_TRUE(file.create(path));
    EXPECT_TRUE(file.isModified());
    EXPECT_TRUE(file.entries().empty());
    EXPECT_EQ(store.files[path], "old");
    EXPECT_TRUE(file.close());
    EXPECT_EQ(store.files[path], "\xEF\xBB\xBF\r\n");
}

TEST_F(PreferenceFileTest, OpeningAnotherFileClosesTheFirst) {
    const std::u16string other = u"C:\\data\\other.ini";
    store.files[other] = "o=1";
    {
        PreferenceFile scoped(store);
        ASSERT_TRUE(scoped.create(path));
        scoped.writeLong("a", 1);
        EXPECT_TRUE(scoped.open(other));
        EXPECT_EQ(store.files[path], "\xEF\xBB\xBF\r\na = 1\r\n");
        EXPECT_EQ(scoped.readLong("o", 0), 1);
        scoped.writeLong("o", 2);
    } // the destructor closes, and so writes
    EXPECT_EQ(store.files[other], "\xEF\xBB\xBF\r\no = 2\r\n");
}

TEST_F(PreferenceFileTest, CloseReportsAFailedWrite) {
    openWith("k=1");
    file.writeLong("k", 2);
    store.failAtCall = 2; // the write of the temporary file
    EXPECT_FALSE(file.close());
    EXPECT_EQ(store.files[path], "k=1");
    EXPECT_FALSE(store.hasTemporaryFileOf(path));
}

} // namespace
} // namespace zorbel
