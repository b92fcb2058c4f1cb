#include "settings/FileStore_win.h"

#include <windows.h>

#include "app/Handles_win.h"

namespace zorbel {
namespace {

class Win32Writer final : public FileStore::Writer {
public:
    explicit Win32Writer(UniqueFile file) : file_(std::move(file)) {}

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk = bytes.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!file_ || !WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
            bytes.remove_prefix(written);
        }
        return true;
    }
    bool flush() override { return file_ && FlushFileBuffers(file_.get()); }
    bool close() override {
        if (!file_) return false;
        return CloseHandle(file_.release()) != FALSE;
    }

private:
    UniqueFile file_;
};

UniqueFile openForReading(const std::u16string& path, DWORD access, DWORD share) {
    return UniqueFile(CreateFileW(wide(path), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

FileAccess Win32FileStore::readAll(const std::u16string& path, std::string& bytes) {
    bytes.clear();
    FileAccess access = FileAccess::ReadWrite;
    UniqueFile file = openForReading(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
    if (!file) {
        access = FileAccess::ReadOnly;
        file = openForReading(path, GENERIC_READ, FILE_SHARE_READ);
    }
    if (!file) file = openForReading(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!file) return FileAccess::None;

    // Part of a file must not come back as if it were all of it: it would load as a file without
    // the rest, and the next save would write that over the user's file.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kLargestReadableFile) {
        return FileAccess::Incomplete;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &got, nullptr) ||
            got == 0) {
            bytes.clear();
            return FileAccess::Incomplete;
        }
        total += got;
    }
    // A file that grew while it was read (another program writing it) was not read whole either.
    char beyond = 0;
    DWORD got = 0;
    if (!ReadFile(file.get(), &beyond, 1, &got, nullptr) || got != 0) {
        bytes.clear();
        return FileAccess::Incomplete;
    }
    return access;
}

std::optional<std::uint64_t> Win32FileStore::fileSize(const std::u16string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileStore::exists(const std::u16string& path) {
    return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileStore::isDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileStore::createDirectory(const std::u16string& path) {
    return CreateDirectoryW(wide(path), nullptr) != FALSE;
}

std::unique_ptr<FileStore::Writer> Win32FileStore::createForWriting(const std::u16string& path) {
    UniqueFile file(
        CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32Writer>(std::move(file));
}

bool Win32FileStore::replace(const std::u16string& from, const std::u16string& to) {
    return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileStore::remove(const std::u16string& path) { return DeleteFileW(wide(path)) != FALSE; }

} // namespace zorbel
