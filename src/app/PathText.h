// Paths as text: reading a path whose length is not known beforehand, the form that lets the file
// calls take a path longer than MAX_PATH, and a path's folder.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

// The longest path the system handles, in UTF-16 units, terminator included.
inline constexpr std::size_t kLongestPathUnits = 32768;
// Paths of this many units or more fail in the file calls unless given in extended-length form.
inline constexpr std::size_t kMaxPathUnits = 260;

// A call that writes text into buffer (size units) and returns the number of units written
// without the terminator; size or more when the text did not fit (it may then be cut anywhere),
// 0 on failure. GetModuleFileNameW behaves so.
using TextFill = std::function<std::size_t(char16_t* buffer, std::size_t size)>;

// Calls fill with a buffer of initialUnits, doubling it while the text does not fit, up to
// kLongestPathUnits. Nothing when fill fails or the text does not fit even then.
std::optional<std::u16string> readGrowingText(const TextFill& fill, std::size_t initialUnits = kMaxPathUnits);

// path itself when shorter than kMaxPathUnits, already in extended-length form, or not absolute;
// otherwise "\\?\" + path ("\\?\UNC\server\share\..." for "\\server\share\...").
std::u16string extendedLengthPath(std::u16string_view path);

// The path without its last component and the "\" before it, as PathRemoveFileSpecW makes it but
// for any length: "C:\a\b.exe" -> "C:\a", "C:\b.exe" -> "C:\", "\\server\share\b.exe" ->
// "\\server\share". Empty when the path has no "\".
std::u16string folderOfPath(std::u16string_view path);

} // namespace zorbel
