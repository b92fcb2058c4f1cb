// The file operations the settings and language code need, behind an interface so that the
// portable logic runs natively in tests (with an in-memory store that can fail on demand) and on
// Windows through the real file calls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
    // One file being written; it is created (or truncated) by createForWriting.
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
    // Creates or truncates a file for writing; null on failure.
    [[nodiscard]] virtual std::unique_ptr<Writer> createForWriting(const std::u16string& path) = 0;
    // Atomically replaces `to` (which may not exist yet) with `from`.
    [[nodiscard]] virtual bool replace(const std::u16string& from, const std::u16string& to) = 0;
    virtual bool remove(const std::u16string& path) = 0;
};

// Writes bytes to a temporary file beside path, flushes it and then replaces path with it, so
// that an interrupted save leaves either the old file or the new one, never a partial file.
// On failure the temporary file is removed and path is untouched.
[[nodiscard]] bool writeFileAtomically(FileStore& store, const std::u16string& path, std::string_view bytes);

} // namespace zorbel
