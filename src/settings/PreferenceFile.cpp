#include "settings/PreferenceFile.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <utility>

#include "settings/Utf.h"

namespace zorbel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

PreferenceFile::Entry parseLine(std::string_view line) {
    using Kind = PreferenceFile::Entry::Kind;
    if (line.front() == ';') {
        line.remove_prefix(1);
        if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        return {Kind::Comment, {}, std::string(line)};
    }
    if (line.front() == '[') {
        line.remove_prefix(1);
        return {Kind::Group, std::string(line.substr(0, line.find(']'))), {}};
    }
    // A line without "=" is kept as a key with an empty value rather than dropped, so that a
    // hand-edited file loses nothing on the next save.
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {Kind::Key, std::string(trimRight(line)), {}};
    return {Kind::Key, std::string(trimRight(line.substr(0, equals))), std::string(trimLeft(line.substr(equals + 1)))};
}

// FNV-1a over the bytes with A-Z folded, as the names are compared.
std::size_t foldedHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(asciiToLower(c))) * 1099511628211u;
    // The low bits pick the slot; fold the high ones in for the 32-bit build.
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

// Room for `keys` keys with the table at most half full.
std::size_t slotCountFor(std::size_t keys) {
    std::size_t slots = 8;
    while (slots < keys * 2) slots *= 2;
    return slots;
}

// Like "%d" (without its undefined behaviour on overflow): optional white space and sign, then
// decimal digits up to the first other character. Out-of-range numbers are clamped, as strtol
// does with a 32-bit long. No digits at all gives 0.
std::int32_t parseLong(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, kLimit - 1));
}

} // namespace

PreferenceFile::PreferenceFile(FileStore& store) : store_(store) {}

PreferenceFile::~PreferenceFile() {
    close();
}

bool PreferenceFile::open(const std::u16string& path) {
    close();
    path_ = path;
    std::string bytes;
    const FileAccess access = store_.readAll(path, bytes);
    if (access == FileAccess::None) return false;
    // Part of a file would read as a file without the rest, and a save would then replace the
    // user's file with it; it is kept as a read-only file is.
    incomplete_ = access == FileAccess::Incomplete;
    readOnly_ = access == FileAccess::ReadOnly || incomplete_;
    if (!incomplete_) entries_ = parse(bytes);
    return true;
}

bool PreferenceFile::create(const std::u16string& path) {
    close();
    path_ = path;
    modified_ = true;
    return true;
}

bool PreferenceFile::selectGroup(std::string_view name) {
    index_ = {};
    enumerating_ = false;
    pendingGroup_.reset();
    group_.reset();
    if (name.empty()) return true;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].kind == Entry::Kind::Group && equalsIgnoreAsciiCase(entries_[i].name, name)) {
            group_ = i;
            return true;
        }
    }
    pendingGroup_ = std::string(name);
    return false;
}

std::u16string PreferenceFile::readString(std::string_view key, std::u16string_view defaultValue) const {
    const auto index = findKey(key);
    if (!index) return std::u16string(defaultValue);
    return utf8ToUtf16(trimRight(trimLeft(entries_[*index].value)));
}

std::int32_t PreferenceFile::readLong(std::string_view key, std::int32_t defaultValue) const {
    const auto index = findKey(key);
    if (!index) return defaultValue;
    return parseLong(entries_[*index].value);
}

void PreferenceFile::writeString(std::string_view key, std::u16string_view value) {
    std::string text = utf16ToUtf8(value);
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    setValue(key, std::move(text));
}

void PreferenceFile::writeLong(std::string_view key, std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    setValue(key, std::string(digits, result.ptr));
}

void PreferenceFile::removeGroup(std::string_view name) {
    // Every group of that name goes: a second copy left behind would be found by the next
    // selectGroup and receive the rebuilt keys beside stale ones.
    std::vector<Entry> kept;
    kept.reserve(entries_.size());
    std::optional<std::size_t> keptGroup;
    std::optional<std::string> removedCurrentName;
    bool removing = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].kind == Entry::Kind::Group) removing = equalsIgnoreAsciiCase(entries_[i].name, name);
        const bool isCurrent = group_ && *group_ == i;
        if (removing) {
            if (isCurrent) removedCurrentName = entries_[i].name;
            continue;
        }
        if (isCurrent) keptGroup = kept.size();
        kept.push_back(std::move(entries_[i]));
    }
    const bool removedAny = kept.size() != entries_.size();
    entries_ = std::move(kept);
    if (!removedAny) return;
    index_ = {};
    modified_ = true;
    enumerating_ = false;
    if (removedCurrentName) {
        // Writes to the removed group create it again at the end, as for any absent group.
        group_.reset();
        pendingGroup_ = std::move(removedCurrentName);
    } else if (group_) {
        group_ = keptGroup;
    }
}

bool PreferenceFile::examineKeys() {
    enumerating_ = !pendingGroup_;
    nextKeyIndex_ = groupBegin();
    return enumerating_;
}

bool PreferenceFile::nextKey() {
    if (!enumerating_) return false;
    const std::size_t end = groupEnd();
    for (; nextKeyIndex_ < end; ++nextKeyIndex_) {
        if (entries_[nextKeyIndex_].kind == Entry::Kind::Key) {
            ++nextKeyIndex_;
            return true;
        }
    }
    enumerating_ = false;
    return false;
}

bool PreferenceFile::close() {
    bool written = true;
    if (modified_ && !readOnly_ && !path_.empty()) {
        written = writeFileAtomically(store_, path_, format(entries_));
    }
    reset();
    return written;
}

bool PreferenceFile::isReadOnly() const {
    return readOnly_;
}

bool PreferenceFile::isModified() const {
    return modified_;
}

bool PreferenceFile::isIncomplete() const {
    return incomplete_;
}

const std::vector<PreferenceFile::Entry>& PreferenceFile::entries() const {
    return entries_;
}

std::vector<PreferenceFile::Entry> PreferenceFile::parse(std::string_view fileBytes) {
    // Without the mark the file is taken as ISO-8859-1, which every byte sequence is.
    const std::string text = fileBytes.starts_with(kByteOrderMark) ? std::string(fileBytes.substr(kByteOrderMark.size()))
                                                                   : latin1ToUtf8(fileBytes);
    std::vector<Entry> entries;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = trimLeft(rest.substr(0, end));
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
            rest.remove_prefix(end + (crLf ? 2 : 1));
        }
        if (!line.empty()) entries.push_back(parseLine(line));
    }
    return entries;
}

std::string PreferenceFile::format(const std::vector<Entry>& entries) {
    std::string out(kByteOrderMark);
    out += kLineEnd;
    for (const Entry& entry : entries) {
        switch (entry.kind) {
        case Entry::Kind::Group:
            out += '[';
            out += entry.name;
            out += ']';
            break;
        case Entry::Kind::Comment:
            out += "; ";
            out += entry.value;
            break;
        case Entry::Kind::Key:
            out += entry.name;
            out += " = ";
            out += entry.value;
            break;
        }
        out += kLineEnd;
    }
    return out;
}

std::size_t PreferenceFile::groupBegin() const {
    return group_ ? *group_ + 1 : 0;
}

std::size_t PreferenceFile::groupEnd() const {
    return groupIndex().end;
}

const PreferenceFile::GroupIndex& PreferenceFile::groupIndex() const {
    if (index_.built) return index_;
    const std::size_t begin = groupBegin();
    std::size_t end = begin;
    std::size_t keys = 0;
    for (; end < entries_.size() && entries_[end].kind != Entry::Kind::Group; ++end) {
        if (entries_[end].kind == Entry::Kind::Key) ++keys;
    }
    index_.end = end;
    index_.keys = 0;
    index_.slots.assign(slotCountFor(keys), {});
    for (std::size_t i = begin; i < end; ++i) {
        if (entries_[i].kind == Entry::Kind::Key) addToIndex(i);
    }
    index_.built = true;
    return index_;
}

void PreferenceFile::addToIndex(std::size_t entry) const {
    if ((index_.keys + 1) * 2 > index_.slots.size()) {
        // Every name in the table is different, so the old slots move without comparisons.
        const std::size_t doubled = index_.slots.size() * 2;
        const std::vector<GroupIndex::Slot> old = std::exchange(index_.slots, std::vector<GroupIndex::Slot>(doubled));
        const std::size_t mask = index_.slots.size() - 1;
        for (const GroupIndex::Slot& slot : old) {
            if (slot.entry == GroupIndex::kNoEntry) continue;
            std::size_t i = slot.hash & mask;
            while (index_.slots[i].entry != GroupIndex::kNoEntry) i = (i + 1) & mask;
            index_.slots[i] = slot;
        }
    }
    const std::string_view name = entries_[entry].name;
    const std::size_t hash = foldedHash(name);
    const std::size_t mask = index_.slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        GroupIndex::Slot& slot = index_.slots[i];
        if (slot.entry == GroupIndex::kNoEntry) {
            slot = {hash, entry};
            ++index_.keys;
            return;
        }
        if (slot.hash == hash && equalsIgnoreAsciiCase(entries_[slot.entry].name, name)) return;
    }
}

std::optional<std::size_t> PreferenceFile::findKey(std::string_view key) const {
    if (pendingGroup_) return std::nullopt;
    const GroupIndex& index = groupIndex();
    const std::size_t hash = foldedHash(key);
    const std::size_t mask = index.slots.size() - 1;
    for (std::size_t i = hash & mask; index.slots[i].entry != GroupIndex::kNoEntry; i = (i + 1) & mask) {
        const GroupIndex::Slot& slot = index.slots[i];
        if (slot.hash == hash && equalsIgnoreAsciiCase(entries_[slot.entry].name, key)) return slot.entry;
    }
    return std::nullopt;
}

void PreferenceFile::setValue(std::string_view key, std::string value) {
    modified_ = true;
    if (pendingGroup_) {
        entries_.push_back({Entry::Kind::Group, std::move(*pendingGroup_), {}});
        pendingGroup_.reset();
        group_ = entries_.size() - 1;
        index_ = {};
    }
    if (const auto index = findKey(key)) {
        // Rewritten in the program's spelling of the name.
        entries_[*index].name = std::string(key);
        entries_[*index].value = std::move(value);
        return;
    }
    // Only entries after the current group move, so its index stays right with the new key added.
    const std::size_t end = groupEnd();
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(end),
                    Entry{Entry::Kind::Key, std::string(key), std::move(value)});
    ++index_.end;
    addToIndex(end);
}

void PreferenceFile::reset() {
    entries_.clear();
    path_.clear();
    readOnly_ = false;
    incomplete_ = false;
    modified_ = false;
    group_.reset();
    pendingGroup_.reset();
    enumerating_ = false;
    nextKeyIndex_ = 0;
    index_ = {};
}

} // namespace zorbel
