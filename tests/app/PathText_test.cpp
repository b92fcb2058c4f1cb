#include "app/PathText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorbel {
namespace {

std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

// A GetModuleFileNameW of a text: fills what fits, and on a cut returns the buffer's size
// without a terminator, as Wine does. Counts the calls and the sizes asked for.
struct FakeModuleName {
    std::u16string text;
    std::vector<std::size_t> sizes;

    std::size_t operator()(char16_t* buffer, std::size_t size) {
        sizes.push_back(size);
        if (text.empty()) return 0;
        const std::size_t copied = std::min(size, text.size());
        text.copy(buffer, copied);
        if (copied < size) buffer[copied] = u'\0';
        return copied;
    }
};

std::u16string pathOfLength(std::size_t length) {
    std::u16string path = u"C:\\";
    while (path.size() < length) path += path.size() % 50 == 0 ? u'\\' : u'x';
    path.back() = u'e';
    return path;
}

TEST(PathText, ReadGrowingTextReadsTheWholeTextHoweverLong) {
    struct Case {
        std::size_t length;
        std::vector<std::size_t> sizes;
    };
    const Case cases[] = {
        {1, {260}},
        {259, {260}},
        {260, {260, 520}}, // exactly filling the buffer is a cut: no room for the terminator
        {261, {260, 520}},
        {519, {260, 520}},
        {1000, {260, 520, 1040}},
        {32767, {260, 520, 1040, 2080, 4160, 8320, 16640, 32768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        FakeModuleName fake{pathOfLength(c.length), {}};
        const std::optional<std::u16string> read = readGrowingText(std::ref(fake));
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, fake.text);
        EXPECT_EQ(fake.sizes, c.sizes);
    }
}

TEST(PathText, ReadGrowingTextGivesNothingOnFailureOrBeyondTheLongestPath) {
    FakeModuleName failing{u"", {}};
    EXPECT_FALSE(readGrowingText(std::ref(failing)));
    EXPECT_EQ(failing.sizes, std::vector<std::size_t>{260}) << "a failure is not retried";

    FakeModuleName tooLong{pathOfLength(kLongestPathUnits), {}};
    EXPECT_FALSE(readGrowingText(std::ref(tooLong)));
    EXPECT_EQ(tooLong.sizes.back(), kLongestPathUnits);

    // A call that always fills the buffer ends at the limit instead of growing for ever.
    std::size_t calls = 0;
    EXPECT_FALSE(readGrowingText([&](char16_t*, std::size_t size) {
        ++calls;
        return size;
    }));
    EXPECT_EQ(calls, 8u);
}

TEST(PathText, ExtendedLengthPathOnlyForLongAbsolutePaths) {
    const std::u16string longTail(300, u'y');
    struct Case {
        const char* name;
        std::u16string path;
        std::u16string expected;
    };
    const Case cases[] = {
        {"short drive path", u"C:\\Tools\\Zorbel!.exe", u"C:\\Tools\\Zorbel!.exe"},
        {"259 units", pathOfLength(259), pathOfLength(259)},
        {"260 units", pathOfLength(260), u"\\\\?\\" + pathOfLength(260)},
        {"long drive path", u"D:\\" + longTail, u"\\\\?\\D:\\" + longTail},
        {"long lower-case drive", u"z:\\" + longTail, u"\\\\?\\z:\\" + longTail},
        {"long UNC path", u"\\\\server\\share\\" + longTail, u"\\\\?\\UNC\\server\\share\\" + longTail},
        {"already extended", u"\\\\?\\C:\\" + longTail, u"\\\\?\\C:\\" + longTail},
        {"device path", u"\\\\.\\C:\\" + longTail, u"\\\\.\\C:\\" + longTail},
        {"relative", u"folder\\" + longTail, u"folder\\" + longTail},
        {"drive relative", u"C:" + longTail, u"C:" + longTail},
    };
    for (const Case& c : cases) EXPECT_EQ(narrow(extendedLengthPath(c.path)), narrow(c.expected)) << c.name;
}

TEST(PathText, FolderOfPathDropsTheLastComponentAndKeepsTheRoot) {
    const std::u16string longFolder = u"C:\\" + std::u16string(280, u'f');
    struct Case {
        std::u16string path;
        std::u16string folder;
    };
    const Case cases[] = {
        {u"C:\\Tools\\Zorbel!.exe", u"C:\\Tools"},
        {u"C:\\Zorbel!.exe", u"C:\\"},
        {u"C:\\", u"C:\\"},
        {u"C:\\a\\b\\c", u"C:\\a\\b"},
        {longFolder + u"\\Zorbel!.exe", longFolder},
        {u"\\\\server\\share\\Zorbel!.exe", u"\\\\server\\share"},
        {u"\\\\server\\share\\dir\\Zorbel!.exe", u"\\\\server\\share\\dir"},
        {u"\\\\server\\share", u"\\\\server\\share"},
        {u"\\\\?\\C:\\Zorbel!.exe", u"\\\\?\\C:\\"},
        {u"\\\\?\\C:\\dir\\Zorbel!.exe", u"\\\\?\\C:\\dir"},
        {u"\\\\?\\UNC\\server\\share\\Zorbel!.exe", u"\\\\?\\UNC\\server\\share"},
        {u"dir\\Zorbel!.exe", u"dir"},
        {u"Zorbel!.exe", u""},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(narrow(folderOfPath(c.path)), narrow(c.folder)) << narrow(c.path);
}

} // namespace
} // namespace zorbel
