// The file operations the settings and language code need, behind an interface so that the
// portable logic runs natively in tests (with an in-memory store that can fail on demand) and on
// Windows through the real file calls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

enum class FileAccess {
    ReadWrite,
    ReadOnly,
    // The file is there but could not be read whole: a read failed partway, or the file is larger
    // than the reader takes. Its bytes must not stand for the file, nor be written over.
    Incomplete,
    None, // no such file, or every attempt to open it failed
};

class FileStore {
public:
    // One file being written; it is created by createNew.
    class Writer {
    public:
        virtual ~Writer() = default;
        [[nodiscard]] virtual bool write(std::string_view bytes) = 0;
        [[nodiscard]] virtual bool flush() = 0; // forces the bytes to the disk
        [[nodiscard]] virtual bool close() = 0;
    };

    virtual ~FileStore() = default;

    // Opens the file read/write (sharing read), else read-only (sharing read), else read-only
    // (sharing read and write), reads all of it into bytes and closes it again. Returns the
    // access that was granted; Incomplete when the file opened but could not be read whole, and
    // None when every attempt to open it failed (in both cases bytes is empty).
    [[nodiscard]] virtual FileAccess readAll(const std::u16string& path, std::string& bytes) = 0;
    // Size of an existing regular file; nullopt for a missing file or a directory.
    [[nodiscard]] virtual std::optional<std::uint64_t> fileSize(const std::u16string& path) = 0;
    [[nodiscard]] virtual bool exists(const std::u16string& path) = 0; // file or directory
    [[nodiscard]] virtual bool isDirectory(const std::u16string& path) = 0;
    [[nodiscard]] virtual bool createDirectory(const std::u16string& path) = 0; // one level
    struct NewFile {
        std::unique_ptr<Writer> writer; // null when nothing was created
        bool nameTaken = false;         // it failed because a file or folder of that name exists
    };
    // Creates a file for writing that did not exist before; an existing file is never touched.
    [[nodiscard]] virtual NewFile createNew(const std::u16string& path) = 0;
    // A number for a temporary file's name that differs from call to call and from process to
    // process as far as possible; a clash only costs another try.
    [[nodiscard]] virtual std::uint32_t nameNumber() = 0;
    // The names (without the folder) of the files in folder; none when it cannot be read.
    [[nodiscard]] virtual std::vector<std::u16string> fileNamesIn(const std::u16string& folder) = 0;
    // Atomically replaces `to` (which may not exist yet) with `from`.
    [[nodiscard]] virtual bool replace(const std::u16string& from, const std::u16string& to) = 0;
    virtual bool remove(const std::u16string& path) = 0;
};

// The longest file name (one path component) the file systems take, in UTF-16 units.
inline constexpr std::size_t kLongestFileNameUnits = 255;

// "<path>.<8 hex digits>.tmp", the temporary file of a save of path, in the same folder. A name
// so long that the suffix would pass kLongestFileNameUnits is cut first (never inside a surrogate
// pair), so the temporary file can be made wherever the target can.
std::u16string temporaryFileName(std::u16string_view path, std::uint32_t number);
// Whether name (without folder) is one that temporaryFileName makes for the file targetName,
// exactly: any other file of the user's must never be taken for one of ours.
bool isTemporaryFileNameOf(std::u16string_view name, std::u16string_view targetName);

// Writes bytes to a new temporary file beside path (a name of temporaryFileName that no file
// has yet), flushes it and then replaces path with it, so that an interrupted save leaves either
// the old file or the new one, never a partial file. On failure the temporary file is removed
// and path is untouched; no other file is ever removed or overwritten.
[[nodiscard]] bool writeFileAtomically(FileStore& store, const std::u16string& path, std::string_view bytes);

// Removes the temporary files that interrupted saves of the file targetName in folder left behind.
void removeLeftoverTemporaryFiles(FileStore& store, const std::u16string& folder, std::u16string_view targetName);

} // namespace zorbel
