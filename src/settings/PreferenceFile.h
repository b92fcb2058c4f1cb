// Reader and writer of the program's INI files (the settings file and the language files).
// The document is held as UTF-8 entries; names are compared with ASCII case folding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/FileStore.h"

namespace zorbel {

class PreferenceFile {
public:
    struct Entry {
        enum class Kind { Group, Comment, Key };
        Kind kind;
        std::string name;  // group or key name (UTF-8)
        std::string value; // key value or comment text (UTF-8)
    };

    explicit PreferenceFile(FileStore& store);
    ~PreferenceFile(); // close()
    PreferenceFile(const PreferenceFile&) = delete;
    PreferenceFile& operator=(const PreferenceFile&) = delete;

    // Reads and parses the file. On failure the path is kept so that a later close() can create it.
    bool open(const std::u16string& path);
    // Starts an empty, modified document that close() writes to path.
    bool create(const std::u16string& path);

    bool selectGroup(std::string_view name);
    std::u16string readString(std::string_view key, std::u16string_view defaultValue) const;
    std::int32_t readLong(std::string_view key, std::int32_t defaultValue) const;
    // CR and LF in a value are written as spaces: they would end the line and break the file.
    void writeString(std::string_view key, std::u16string_view value);
    void writeLong(std::string_view key, std::int32_t value);
    void removeGroup(std::string_view name);
    bool examineKeys();
    bool nextKey();
    // Writes the document if it was modified and the file is writable, then frees it.
    // Returns false only when a needed write failed.
    bool close();

    bool isReadOnly() const;
    bool isModified() const;
    // The file is there but could not be read whole. It is then open as an empty, read-only
    // document: every read yields its default and close() never writes it.
    bool isIncomplete() const;

    // The parsing and formatting rules, exposed for tests and fuzzing.
    static std::vector<Entry> parse(std::string_view fileBytes);
    static std::string format(const std::vector<Entry>& entries);
    const std::vector<Entry>& entries() const;

private:
    // The current group's keys by ASCII-folded name (the first of several keys of one name) and
    // its end. Built at the first look-up in a group and kept up to date by the writes that append
    // to it, so that loading or saving a group of n keys takes time in proportion to n, not to n
    // squared. An open-addressing table of entry positions: no copies of the names, and a
    // look-up touches one slot and the entry itself.
    struct GroupIndex {
        static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);
        struct Slot {
            std::size_t hash = 0;
            std::size_t entry = kNoEntry;
        };
        bool built = false;
        std::size_t end = 0;
        std::size_t keys = 0;
        std::vector<Slot> slots; // a power of two in size, never more than half full
    };

    std::size_t groupBegin() const; // first entry of the current group
    std::size_t groupEnd() const;   // the next group header, or the end
    const GroupIndex& groupIndex() const;
    void addToIndex(std::size_t entry) const; // unless a key of that name is there already
    std::optional<std::size_t> findKey(std::string_view key) const;
    void setValue(std::string_view key, std::string value);
    void reset();

    FileStore& store_;
    std::vector<Entry> entries_;
    std::u16string path_; // kept even when the file could not be read, so that close() can create it
    bool readOnly_ = false;
    bool incomplete_ = false;
    bool modified_ = false;
    std::optional<std::size_t> group_;        // header of the current group; none = before the first header
    std::optional<std::string> pendingGroup_; // selected but absent: created by the first write
    bool enumerating_ = false;
    std::size_t nextKeyIndex_ = 0;
    mutable GroupIndex index_; // dropped whenever the current group or the headers change
};

} // namespace zorbel
