#include "settings/FileStore_win.h"

#include <windows.h>

#include <atomic>

#include "app/Handles_win.h"
#include "app/PathText.h"

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

// The path as the file calls take it: one of MAX_PATH units or more only in extended-length form,
// which the system does not normalise, so it is made full first. A temporary file's name is
// longer than its target's, and must work wherever the target does.
std::u16string systemPath(const std::u16string& path) {
    if (path.size() < kMaxPathUnits) return path;
    const std::optional<std::u16string> full = readGrowingText(
        // On a buffer too small it returns the size needed, which is more than the buffer.
        [&path](char16_t* buffer, std::size_t size) -> std::size_t {
            return GetFullPathNameW(wide(path), static_cast<DWORD>(size), reinterpret_cast<wchar_t*>(buffer), nullptr);
        },
        path.size() + 1);
    return extendedLengthPath(full ? *full : path);
}

UniqueFile openForReading(const std::u16string& path, DWORD access, DWORD share) {
    return UniqueFile(
        CreateFileW(wide(systemPath(path)), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    if (!GetFileAttributesExW(wide(systemPath(path)), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32FileStore::exists(const std::u16string& path) {
    return GetFileAttributesW(wide(systemPath(path))) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileStore::isDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(wide(systemPath(path)));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileStore::createDirectory(const std::u16string& path) {
    return CreateDirectoryW(wide(systemPath(path)), nullptr) != FALSE;
}

FileStore::NewFile Win32FileStore::createNew(const std::u16string& path) {
    UniqueFile file(
        CreateFileW(wide(systemPath(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        // A folder of that name gives access denied rather than "exists"; the next name may be free.
        const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                           (error == ERROR_ACCESS_DENIED && isDirectory(path));
        SetLastError(error);
        return {nullptr, taken};
    }
    return {std::make_unique<Win32Writer>(std::move(file)), false};
}

std::uint32_t Win32FileStore::nameNumber() {
    // Not a secret, only different: the time, the process and a count, mixed (splitmix64's
    // finaliser) so that consecutive calls share no digits.
    static std::atomic<std::uint32_t> count{0};
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    std::uint64_t x = static_cast<std::uint64_t>(now.QuadPart) ^ (static_cast<std::uint64_t>(GetCurrentProcessId()) << 32) ^
                      (static_cast<std::uint64_t>(count.fetch_add(1)) * 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(x ^ (x >> 31));
}

std::vector<std::u16string> Win32FileStore::fileNamesIn(const std::u16string& folder) {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileExW(wide(systemPath(folder + u"\\*")), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0));
    if (!find) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fromWide(found.cFileName));
    } while (FindNextFileW(find.get(), &found));
    return names;
}

bool Win32FileStore::replace(const std::u16string& from, const std::u16string& to) {
    return MoveFileExW(wide(systemPath(from)), wide(systemPath(to)), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

bool Win32FileStore::remove(const std::u16string& path) { return DeleteFileW(wide(systemPath(path))) != FALSE; }

} // namespace zorbel
