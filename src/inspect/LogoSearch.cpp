#include "inspect/LogoSearch.h"

#include "inspect/ReportText.h"

namespace zorbel {
namespace {

constexpr int kLargestLogo = 256;
// Application folders are shallow; the bound only keeps a pathological tree from running away.
constexpr int kMaxFolderDepth = 32;

std::optional<std::u16string> search(FolderLister& lister, const std::u16string& folder, std::u16string_view qualifier,
                                     int depth) {
    std::optional<std::vector<FolderEntry>> entries = lister.list(folder);
    if (!entries) return std::nullopt;
    for (const FolderEntry& entry : *entries) {
        if (entry.name.empty() || entry.name == u"." || entry.name == u"..") continue;
        if (entry.attributes & (kFileHidden | kFileReparsePoint)) continue;
        if (entry.attributes & kFileDirectory) {
            if (depth >= kMaxFolderDepth) continue;
            if (auto found = search(lister, folder + entry.name + u"\\", qualifier, depth + 1)) return found;
            continue;
        }
        if (containsText(entry.name, u"contrast", false)) continue;
        if (containsText(entry.name, qualifier, false)) return folder + entry.name;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::u16string> findLogoFile(FolderLister& lister, const std::u16string& folder,
                                           std::u16string_view qualifier) {
    if (folder.empty()) return std::nullopt;
    return search(lister, folder, qualifier, 0);
}

std::optional<std::vector<FolderEntry>> CachedFolderLister::list(const std::u16string& folder) {
    for (const auto& [name, entries] : listed_)
        if (name == folder) return entries;
    listed_.emplace_back(folder, source_.list(folder));
    return listed_.back().second;
}

std::u16string logoQualifier(int size) { return decimalText(size) + u"_altform"; }

std::vector<int> logoSizes(int smallIconWidth) {
    std::vector<int> sizes;
    for (int size = smallIconWidth > 0 ? smallIconWidth : 1; size <= kLargestLogo; size += 4) sizes.push_back(size);
    return sizes;
}

std::u16string logoFolder(std::u16string_view executablePath, std::u16string_view packagePath) {
    if (!executablePath.empty()) {
        const std::size_t separator = executablePath.rfind(u'\\');
        return separator == std::u16string_view::npos ? std::u16string() : std::u16string(executablePath.substr(0, separator + 1));
    }
    if (!packagePath.empty()) return std::u16string(packagePath) + u"\\";
    return {};
}

} // namespace zorbel
