// Finding a packaged application's logo image in its installation folder: packaged executables
// usually carry no icon, but their folder holds "altform" assets at several sizes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorbel {

inline constexpr std::uint32_t kFileHidden = 0x2;          // FILE_ATTRIBUTE_HIDDEN
inline constexpr std::uint32_t kFileDirectory = 0x10;      // FILE_ATTRIBUTE_DIRECTORY
inline constexpr std::uint32_t kFileReparsePoint = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT

struct FolderEntry {
    std::u16string name;
    std::uint32_t attributes = 0;
};

// Lists one folder (a path ending in "\") in the order the file system gives, "." and ".."
// included when the file system gives them; nothing when the folder cannot be listed.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    virtual std::optional<std::vector<FolderEntry>> list(const std::u16string& folder) = 0;
};

// Remembers what another lister gave for each folder: the caller searches the same tree once per
// size, and a package folder can hold hundreds of assets.
class CachedFolderLister final : public FolderLister {
public:
    explicit CachedFolderLister(FolderLister& source) : source_(source) {}
    std::optional<std::vector<FolderEntry>> list(const std::u16string& folder) override;

private:
    FolderLister& source_;
    std::vector<std::pair<std::u16string, std::optional<std::vector<FolderEntry>>>> listed_;
};

// Depth first, in listing order: hidden entries and reparse points are passed over, "." and ".."
// too; every other folder is searched in turn; a file whose name contains "contrast" is skipped,
// and the first whose name contains the qualifier (both ignoring case) is the result, as the
// folder followed by its name.
std::optional<std::u16string> findLogoFile(FolderLister& lister, const std::u16string& folder,
                                           std::u16string_view qualifier);

// "48_altform": the qualifier of the assets of one size.
std::u16string logoQualifier(int size);
// The sizes to try, smallest first: the small-icon width and every 4 pixels more up to 256.
std::vector<int> logoSizes(int smallIconWidth);
// Where to look: the executable's folder (up to and including its last "\"), or, when there is no
// executable path, the package's installation folder followed by "\"; empty when neither is known.
std::u16string logoFolder(std::u16string_view executablePath, std::u16string_view packagePath);

} // namespace zorbel
