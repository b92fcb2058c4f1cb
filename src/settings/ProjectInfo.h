// The project's own addresses and credits: the home page, the update file and the About box's
// credit lines. Everything that names the project to the outside world is kept here.
#pragma once

#include <string_view>

namespace zorbel {

inline constexpr std::u16string_view kProjectHomePage = u"https://zorbel.example.org/";
// A plain-text file holding the date of the newest build, as yyyy.mm.dd.
inline constexpr std::u16string_view kProjectUpdateUrl = u"https://zorbel.example.org/files/zorbel.txt";
// Names another update file (a mirror, or a test server on this machine) in place of the above.
inline constexpr std::u16string_view kUpdateUrlVariable = u"ZORBEL_UPDATE_URL";

inline constexpr std::u16string_view kCreditCode = u"the Zorbel! contributors";
inline constexpr std::u16string_view kCreditIcons = u"drawn for Zorbel!";
inline constexpr std::u16string_view kCreditUrl = kProjectHomePage;
inline constexpr std::u16string_view kCreditEmail = u"contributors@zorbel.example.org";

} // namespace zorbel
