#include "settings/UpdateCheck.h"

#include <algorithm>
#include <limits>

#include "settings/ProjectInfo.h"

namespace zorbel {
namespace {

// Win32 and WinINet error codes, for a server that answered with an error status.
constexpr std::uint32_t kErrorFileNotFound = 2;      // ERROR_FILE_NOT_FOUND
constexpr std::uint32_t kErrorAccessDenied = 5;      // ERROR_ACCESS_DENIED
constexpr std::uint32_t kErrorInvalidResponse = 12152; // ERROR_HTTP_INVALID_SERVER_RESPONSE
constexpr std::uint32_t kErrorConnectionAborted = 12030; // ERROR_INTERNET_CONNECTION_ABORTED

template <typename Char>
std::int64_t leadingNumberWithoutPoints(std::basic_string_view<Char> text) {
    std::basic_string<Char> digits;
    digits.reserve(text.size());
    for (Char c : text) {
        if (c != Char('.')) digits += c;
    }
    std::size_t i = 0;
    while (i < digits.size() && (digits[i] == Char(' ') || digits[i] == Char('\t'))) ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == Char('+') || digits[i] == Char('-'))) {
        negative = digits[i] == Char('-');
        ++i;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t limit = negative ? kMax + 1 : kMax;
    std::uint64_t magnitude = 0;
    for (; i < digits.size() && digits[i] >= Char('0') && digits[i] <= Char('9'); ++i) {
        const auto digit = static_cast<std::uint64_t>(digits[i] - Char('0'));
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (negative) return magnitude == kMax + 1 ? std::numeric_limits<std::int64_t>::min()
                                               : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i]) return false;
    }
    return true;
}

bool equalsNoCase(std::u16string_view text, std::u16string_view other) {
    return text.size() == other.size() && startsWithNoCase(text, other);
}

// The host of an authority "host[:port]" or "[v6]:port"; empty when it holds user information.
std::u16string_view hostOf(std::u16string_view authority) {
    if (authority.find(u'@') != std::u16string_view::npos) return {};
    if (!authority.empty() && authority.front() == u'[') {
        const std::size_t close = authority.find(u']');
        return close == std::u16string_view::npos ? std::u16string_view{} : authority.substr(0, close + 1);
    }
    return authority.substr(0, authority.find(u':'));
}

} // namespace

std::int64_t updateReplyValue(std::string_view reply) {
    reply = reply.substr(0, kUpdateReplyLimit);
    return leadingNumberWithoutPoints(reply.substr(0, reply.find('\0')));
}

std::int64_t buildDateValue(std::u16string_view buildDate) { return leadingNumberWithoutPoints(buildDate); }

bool isAllowedUpdateUrl(std::u16string_view url) {
    constexpr std::u16string_view kHttps = u"https://";
    constexpr std::u16string_view kHttp = u"http://";
    const bool secure = startsWithNoCase(url, kHttps);
    if (!secure && !startsWithNoCase(url, kHttp)) return false;
    const std::u16string_view rest = url.substr(secure ? kHttps.size() : kHttp.size());
    const std::u16string_view host = hostOf(rest.substr(0, rest.find_first_of(u"/?#\\")));
    if (host.empty()) return false;
    if (secure) return true;
    return equalsNoCase(host, u"127.0.0.1") || equalsNoCase(host, u"localhost") || host == u"[::1]";
}

UpdateResult judgeUpdate(const UpdateFetch& fetch, std::int64_t localValue) {
    if (fetch.error != 0) return {UpdateVerdict::Failed, fetch.error};
    if (fetch.httpStatus < 200 || fetch.httpStatus > 299) {
        // An error page is no answer: "no new updates" would hide that the check did not happen.
        const std::uint32_t error = fetch.httpStatus == 404 || fetch.httpStatus == 410 ? kErrorFileNotFound
                                    : fetch.httpStatus == 401 || fetch.httpStatus == 403 ? kErrorAccessDenied
                                                                                          : kErrorInvalidResponse;
        return {UpdateVerdict::Failed, error};
    }
    if (fetch.announcedLength && fetch.reply.size() < std::min<std::uint64_t>(*fetch.announcedLength, kUpdateReplyLimit))
        return {UpdateVerdict::Failed, kErrorConnectionAborted}; // the server hung up part-way
    return {localValue < updateReplyValue(fetch.reply) ? UpdateVerdict::Newer : UpdateVerdict::NotNewer, 0};
}

std::u16string aboutText(std::u16string_view languageName) {
    std::u16string text = u"Zorbel! allow's you to quickly and easily;\r\n\r\n"
                          u"- Pin windows with TopMost\r\n"
                          u"- Set window transparency levels\r\n"
                          u"- Capture windows as images\r\n"
                          u"- Take screenshots and region captures\r\n"
                          u"- Provide window information\r\n\r\n";
    text += u"Code: " + std::u16string(kCreditCode) + u"\r\n";
    text += u"Icons: " + std::u16string(kCreditIcons) + u"\r\n";
    text += u"URL: " + std::u16string(kCreditUrl) + u"\r\n";
    text += u"E-Mail: " + std::u16string(kCreditEmail) + u"\r\n\r\n";
    text += u"Language: " + std::u16string(languageName);
    return text;
}

} // namespace zorbel
