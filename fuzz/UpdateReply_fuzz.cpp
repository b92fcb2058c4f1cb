// Feeds arbitrary replies to the update reply parser and checks it against strtoll, which clamps
// out-of-range numbers the same way; and arbitrary text to the update address check.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const std::int64_t value = zorbel::updateReplyValue(reply);

    std::string expected_text;
    for (char c : reply.substr(0, zorbel::kUpdateReplyLimit)) {
        if (c == '\0') break;
        if (c != '.') expected_text += c;
    }
    const std::size_t first = expected_text.find_first_not_of(" \t");
    // strtoll also skips line breaks, vertical tabs and form feeds; the reply's number does not.
    const bool otherBlank = first != std::string::npos && std::string_view("\n\v\f\r").find(expected_text[first]) !=
                                                               std::string_view::npos;
    const long long expected = otherBlank ? 0 : std::strtoll(expected_text.c_str(), nullptr, 10);
    if (value != expected) std::abort();

    std::u16string url(size / 2, u'\0');
    for (std::size_t i = 0; i < url.size(); ++i) url[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    (void)zorbel::isAllowedUpdateUrl(url);
    return 0;
}
