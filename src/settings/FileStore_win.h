// The settings and language files through the real Win32 file calls.
#pragma once

#include "settings/FileStore.h"

namespace zorbel {

class Win32FileStore final : public FileStore {
public:
    // 100,000 remembered windows make a settings file of about 14 MB, which must load whole. The
    // cap only keeps a file that is not ours from exhausting the 32-bit process: the parsed
    // document takes several times the file's size. A larger file reads as Incomplete.
    static constexpr std::uint64_t kLargestReadableFile = 64u << 20;

    FileAccess readAll(const std::u16string& path, std::string& bytes) override;
    std::optional<std::uint64_t> fileSize(const std::u16string& path) override;
    bool exists(const std::u16string& path) override;
    bool isDirectory(const std::u16string& path) override;
    bool createDirectory(const std::u16string& path) override;
    NewFile createNew(const std::u16string& path) override;
    std::uint32_t nameNumber() override;
    std::vector<std::u16string> fileNamesIn(const std::u16string& folder) override;
    bool replace(const std::u16string& from, const std::u16string& to) override;
    bool remove(const std::u16string& path) override;
};

} // namespace zorbel
