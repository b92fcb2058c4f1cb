#include "settings/UpdateCheck.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/Version.h"
#include "settings/ProjectInfo.h"

namespace zorbel {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(UpdateReplyValue, ReadsTheLeadingNumberWithoutPoints) {
    using namespace std::string_literals;
    const struct {
        std::string reply;
        std::int64_t expected;
    } cases[] = {
        {"2022.10.05\r\n", 20221005},
        {"2022.09.28", 20220928},
        {" \t2021.12.31 beta", 20211231},
        {"+2022.1.5", 202215},
        {"-2022.10.05", -20221005},
        {"..20.22..", 2022},
        {"\xEF\xBB\xBF" "2099.01.01", 0}, // a byte-order mark is not a blank
        {"<html>404</html>", 0},
        {"", 0},
        {"\r\n2099.01.01", 0}, // only spaces and tabs are skipped
        {"2099\0.12.31"s, 2099},  // the text ends at the first zero byte
        {"99999999999999999999", kMax}, // 20 digits
        {"9223372036854775808", kMax},
        {"-9223372036854775808", kMin},
        {std::string(3000, '9'), kMax},
    };
    for (const auto& c : cases) EXPECT_EQ(updateReplyValue(c.reply), c.expected) << c.reply;
}

TEST(UpdateReplyValue, LooksOnlyAtTheFirst1024Bytes) {
    std::string reply = "2022.10.05\r\n" + std::string(5000 - 12, 'x');
    EXPECT_EQ(updateReplyValue(reply), 20221005);
    // A number that runs past the limit is cut there.
    EXPECT_EQ(updateReplyValue(std::string(1019, ' ') + "12345"), 12345);
    EXPECT_EQ(updateReplyValue(std::string(1020, ' ') + "12345"), 1234);
    // Points count towards the 1,024 bytes before they are removed.
    EXPECT_EQ(updateReplyValue(std::string(1020, '.') + "12345"), 1234);
}

UpdateFetch fetched(std::uint32_t error, std::uint32_t status, std::string reply,
                    std::optional<std::uint64_t> announcedLength = std::nullopt) {
    UpdateFetch fetch;
    fetch.error = error;
    fetch.httpStatus = status;
    fetch.reply = std::move(reply);
    fetch.announcedLength = announcedLength;
    return fetch;
}

TEST(UpdateCheckVerdict, ComparesWithTheBuildDate) {
    const std::int64_t local = buildDateValue(formatBuildDate(1664406106)); // 2022.09.28
    EXPECT_EQ(local, 20220928);
    const struct {
        UpdateFetch fetch;
        UpdateVerdict verdict;
        std::uint32_t error;
    } cases[] = {
        {fetched(0, 200, "2022.10.05\r\n"), UpdateVerdict::Newer, 0},
        {fetched(0, 200, "2022.09.28"), UpdateVerdict::NotNewer, 0},
        {fetched(0, 200, "2021.12.31"), UpdateVerdict::NotNewer, 0},
        {fetched(0, 200, "garbage"), UpdateVerdict::NotNewer, 0},
        {fetched(0, 206, "99999999999999999999"), UpdateVerdict::Newer, 0},
        {fetched(12002, 0, ""), UpdateVerdict::Failed, 12002},
        {fetched(12030, 200, "2099.01.01"), UpdateVerdict::Failed, 12030}, // a read that failed part-way
        {fetched(0, 404, "2099.01.01"), UpdateVerdict::Failed, 2},
        {fetched(0, 403, ""), UpdateVerdict::Failed, 5},
        {fetched(0, 500, "2099.01.01"), UpdateVerdict::Failed, 12152},
        {fetched(0, 302, ""), UpdateVerdict::Failed, 12152},
        {fetched(0, 0, "2099.01.01"), UpdateVerdict::Failed, 12152},
        // A reply that ends before the length the server announced: the server hung up.
        {fetched(0, 200, "2099", 12), UpdateVerdict::Failed, 12030},
        {fetched(0, 200, std::string(1024, '9'), 5000), UpdateVerdict::Newer, 0},
        {fetched(0, 200, "2099.01.01", 10), UpdateVerdict::Newer, 0},
    };
    for (const auto& c : cases) {
        const UpdateResult result = judgeUpdate(c.fetch, local);
        EXPECT_EQ(result.verdict, c.verdict) << c.fetch.reply << " status " << c.fetch.httpStatus;
        EXPECT_EQ(result.error, c.error) << c.fetch.reply << " status " << c.fetch.httpStatus;
    }
}

TEST(UpdateUrl, HttpsAnywherePlainHttpOnlyFromThisMachine) {
    EXPECT_TRUE(isAllowedUpdateUrl(kProjectUpdateUrl));
    EXPECT_TRUE(kProjectUpdateUrl.ends_with(u"/files/zorbel.txt"));
    const struct {
        std::u16string_view url;
        bool allowed;
    } cases[] = {
        {u"HTTPS://mirror.example.net/files/zorbel.txt", true},
        {u"http://127.0.0.1:8080/files/zorbel.txt", true},
        {u"http://[::1]:81/files/zorbel.txt", true},
        {u"http://zorbel.example.org/files/zorbel.txt", false},
        {u"http://127.0.0.1.example.org/files/zorbel.txt", false},
        {u"http://127.0.0.1@example.org/files/zorbel.txt", false},
        {u"https://user@example.org/files/zorbel.txt", false},
        {u"ftp://127.0.0.1/files/zorbel.txt", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isAllowedUpdateUrl(c.url), c.allowed) << std::string(c.url.begin(), c.url.end());
}

TEST(AboutText, ListsFeaturesCreditsAndTheLanguage) {
    const std::u16string text = aboutText(u"Deutsch");
    EXPECT_TRUE(text.starts_with(u"Zorbel! allow's you to quickly and easily;\r\n\r\n- Pin windows with TopMost\r\n"));
    EXPECT_NE(text.find(u"\r\nCode: the Zorbel! contributors\r\nIcons: drawn for Zorbel!\r\nURL: "
                        u"https://zorbel.example.org/\r\nE-Mail: "),
              std::u16string::npos);
    EXPECT_TRUE(text.ends_with(u"\r\n\r\nLanguage: Deutsch"));
}

} // namespace
} // namespace zorbel
