// What the update check makes of the server's reply, and the About text. The Win32 side fetches
// the reply and shows the result; everything it decides on is here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

// Only this much of the reply is ever read or looked at.
inline constexpr std::size_t kUpdateReplyLimit = 1024;

// The reply's number: its first kUpdateReplyLimit bytes up to the first zero byte, every "." removed,
// then leading spaces and tabs, an optional sign and decimal digits up to the first other
// character. No digits give 0; a run of digits too long for 64 bits is clamped to the limit.
std::int64_t updateReplyValue(std::string_view reply);
// The build date text ("2022.09.28") read the same way: 20220928.
std::int64_t buildDateValue(std::u16string_view buildDate);

// The update file is fetched over HTTPS; plain HTTP only from this machine (a test server).
// Anything else (another scheme, user information in the address) is refused.
bool isAllowedUpdateUrl(std::u16string_view url);

// What a fetch of the update file found.
struct UpdateFetch {
    std::uint32_t error = 0;      // the Win32 or WinINet error that ended the fetch; 0 when it completed
    std::uint32_t httpStatus = 0; // the final status, after redirects
    std::string reply;            // at most kUpdateReplyLimit bytes
    std::optional<std::uint64_t> announcedLength; // the reply's Content-Length, when the server gave one
};

enum class UpdateVerdict { Newer, NotNewer, Failed };

struct UpdateResult {
    UpdateVerdict verdict;
    std::uint32_t error; // for Failed: the error code whose text the user is shown
};

// A completed fetch whose status is not a success, or whose reply ended before the length the
// server announced, is a failed check, not "no new updates".
UpdateResult judgeUpdate(const UpdateFetch& fetch, std::int64_t localValue);

// The About box's text, ending with the language in use ("Default" or the language file's name).
std::u16string aboutText(std::u16string_view languageName);

} // namespace zorbel
