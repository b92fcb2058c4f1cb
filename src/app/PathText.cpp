#include "app/PathText.h"

#include <algorithm>
#include <vector>

namespace zorbel {

namespace {

constexpr std::u16string_view kExtendedPrefix = u"\\\\?\\";
constexpr std::u16string_view kDevicePrefix = u"\\\\.\\";
constexpr std::u16string_view kUncPrefix = u"\\\\";

bool isDriveAbsolute(std::u16string_view path) {
    if (path.size() < 3 || path[1] != u':' || path[2] != u'\\') return false;
    const char16_t drive = path[0];
    return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
}

// \\server\share: the root ends before the "\" after the share (or with the path).
std::size_t uncRootEnd(std::u16string_view path, std::size_t serverStart) {
    const std::size_t server = path.find(u'\\', serverStart);
    if (server == std::u16string_view::npos) return path.size();
    const std::size_t share = path.find(u'\\', server + 1);
    return share == std::u16string_view::npos ? path.size() : share;
}

// Where the root of path ends: after "C:\" (its "\" included), or after "\\server\share", each
// possibly behind the extended-length prefix; 0 when path has no root.
std::size_t rootLength(std::u16string_view path) {
    if (path.starts_with(kExtendedPrefix)) {
        const std::u16string_view rest = path.substr(kExtendedPrefix.size());
        if (rest.starts_with(u"UNC\\")) return uncRootEnd(path, kExtendedPrefix.size() + 4);
        return isDriveAbsolute(rest) ? kExtendedPrefix.size() + 3 : 0;
    }
    if (path.starts_with(kUncPrefix)) return uncRootEnd(path, kUncPrefix.size());
    return isDriveAbsolute(path) ? 3 : 0;
}

} // namespace

std::optional<std::u16string> readGrowingText(const TextFill& fill, std::size_t initialUnits) {
    std::size_t size = std::clamp<std::size_t>(initialUnits, 1, kLongestPathUnits);
    for (;;) {
        std::vector<char16_t> buffer(size, u'\0');
        const std::size_t written = fill(buffer.data(), size);
        if (written == 0) return std::nullopt;
        if (written < size) return std::u16string(buffer.data(), written);
        if (size == kLongestPathUnits) return std::nullopt;
        size = std::min(size * 2, kLongestPathUnits);
    }
}

std::u16string extendedLengthPath(std::u16string_view path) {
    if (path.size() < kMaxPathUnits || path.starts_with(kExtendedPrefix) || path.starts_with(kDevicePrefix))
        return std::u16string(path);
    if (path.starts_with(kUncPrefix))
        return std::u16string(kExtendedPrefix) + u"UNC\\" + std::u16string(path.substr(kUncPrefix.size()));
    if (isDriveAbsolute(path)) return std::u16string(kExtendedPrefix) + std::u16string(path);
    return std::u16string(path);
}

std::u16string folderOfPath(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'\\');
    if (slash == std::u16string_view::npos) return {};
    const std::size_t root = rootLength(path);
    if (root > 0 && slash < root) {
        // The last "\" is part of the root: the root is the folder.
        return std::u16string(path.substr(0, root));
    }
    return std::u16string(path.substr(0, slash));
}

} // namespace zorbel
