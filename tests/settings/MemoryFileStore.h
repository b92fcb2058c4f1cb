// An in-memory FileStore for tests and fuzzing: files and folders in maps, per-path access
// limits like those Windows imposes, and a fault that makes the Nth mutating call fail.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/FileStore.h"

namespace zorbel::test {

class MemoryFileStore final : public FileStore {
public:
    enum class Limit {
        ReadOnly, // opens for reading only; cannot be written, replaced or removed
        Locked,   // held open by another program without sharing: nothing at all succeeds
        // Opens, but a read fails partway (a disk error, or a file larger than the reader
        // takes); writes go through.
        ReadFails,
    };

    std::map<std::u16string, std::string> files;
    std::set<std::u16string> directories;
    std::map<std::u16string, Limit> limits;

    // Mutating calls are createNew, write, flush, close and replace. createDirectory and
    // remove are not counted, so that the clean-up after an injected fault always runs.
    std::size_t mutatingCalls = 0;
    std::size_t failAtCall = 0; // 1-based; 0 = never fail
    std::map<std::u16string, std::size_t> sizeQueries; // fileSize calls by path
    // What nameNumber returns, in turn; after the last one it counts up from it.
    std::vector<std::uint32_t> nameNumbers;

    bool hasFile(const std::u16string& path) const { return files.count(path) != 0; }
    // Whether a temporary file of a save of path is there, whatever its number.
    bool hasTemporaryFileOf(const std::u16string& path) const {
        const std::size_t nameStart = path.find_last_of(u'\\') + 1; // 0 without a folder
        for (const auto& [file, bytes] : files) {
            if (file.size() > nameStart && file.compare(0, nameStart, path, 0, nameStart) == 0 &&
                file.find(u'\\', nameStart) == std::u16string::npos &&
                isTemporaryFileNameOf(std::u16string_view(file).substr(nameStart), std::u16string_view(path).substr(nameStart)))
                return true;
        }
        return false;
    }

    FileAccess readAll(const std::u16string& path, std::string& bytes) override {
        bytes.clear();
        const auto file = files.find(path);
        if (file == files.end() || limitOf(path) == Limit::Locked) return FileAccess::None;
        if (limitOf(path) == Limit::ReadFails) return FileAccess::Incomplete;
        bytes = file->second;
        return limitOf(path) == Limit::ReadOnly ? FileAccess::ReadOnly : FileAccess::ReadWrite;
    }

    std::optional<std::uint64_t> fileSize(const std::u16string& path) override {
        ++sizeQueries[path];
        const auto file = files.find(path);
        if (file == files.end()) return std::nullopt;
        return file->second.size();
    }

    bool exists(const std::u16string& path) override { return hasFile(path) || directories.count(path) != 0; }

    bool isDirectory(const std::u16string& path) override { return directories.count(path) != 0; }

    bool createDirectory(const std::u16string& path) override {
        if (exists(path) || !parentExists(path)) return false;
        directories.insert(path);
        return true;
    }

    NewFile createNew(const std::u16string& path) override {
        if (injectFault() || !parentExists(path)) return {};
        if (exists(path)) return {nullptr, true};
        files[path].clear();
        openForWriting_.insert(path);
        return {std::make_unique<MemoryWriter>(*this, path), false};
    }

    std::uint32_t nameNumber() override {
        if (nameNumbers.empty()) nameNumbers.push_back(0x1000);
        const std::uint32_t number = nameNumbers.front();
        if (nameNumbers.size() > 1)
            nameNumbers.erase(nameNumbers.begin());
        else
            nameNumbers.front() = number + 1;
        return number;
    }

    std::vector<std::u16string> fileNamesIn(const std::u16string& folder) override {
        std::vector<std::u16string> names;
        for (const auto& [path, bytes] : files) {
            if (path.size() > folder.size() + 1 && path.starts_with(folder) && path[folder.size()] == u'\\' &&
                path.find(u'\\', folder.size() + 1) == std::u16string::npos)
                names.push_back(path.substr(folder.size() + 1));
        }
        return names;
    }

    bool replace(const std::u16string& from, const std::u16string& to) override {
        // Like MoveFileExW: an open or protected file cannot be moved or replaced.
        if (injectFault() || !hasFile(from) || isDirectory(to) || isProtected(from) || isProtected(to) ||
            openForWriting_.count(from) != 0 || openForWriting_.count(to) != 0) {
            return false;
        }
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }

    bool remove(const std::u16string& path) override {
        if (!hasFile(path) || isProtected(path) || openForWriting_.count(path) != 0) return false;
        files.erase(path);
        return true;
    }

private:
    class MemoryWriter final : public Writer {
    public:
        MemoryWriter(MemoryFileStore& store, std::u16string path) : store_(store), path_(std::move(path)) {}
        ~MemoryWriter() override { store_.openForWriting_.erase(path_); }

        bool write(std::string_view bytes) override {
            if (closed_) return false;
            if (store_.injectFault()) {
                // A full disk takes part of the bytes before it fails.
                store_.files[path_] += bytes.substr(0, bytes.size() / 2);
                return false;
            }
            store_.files[path_] += bytes;
            return true;
        }
        bool flush() override { return !closed_ && !store_.injectFault(); }
        bool close() override {
            if (closed_) return false;
            closed_ = true;
            store_.openForWriting_.erase(path_);
            return !store_.injectFault();
        }

    private:
        MemoryFileStore& store_;
        std::u16string path_;
        bool closed_ = false;
    };

    bool injectFault() { return ++mutatingCalls == failAtCall; }

    std::optional<Limit> limitOf(const std::u16string& path) const {
        const auto limit = limits.find(path);
        if (limit == limits.end()) return std::nullopt;
        return limit->second;
    }

    // Whether the file may not be written, replaced or removed.
    bool isProtected(const std::u16string& path) const {
        const auto limit = limitOf(path);
        return limit == Limit::ReadOnly || limit == Limit::Locked;
    }

    bool parentExists(const std::u16string& path) const {
        const auto separator = path.find_last_of(u"\\/");
        if (separator == std::u16string::npos || separator == 0) return true;
        return directories.count(path.substr(0, separator)) != 0;
    }

    std::set<std::u16string> openForWriting_;
};

} // namespace zorbel::test
