#include "settings/FileStore.h"

#include <utility>

namespace zorbel {
namespace {

constexpr std::u16string_view kTemporaryExtension = u".tmp";
constexpr std::size_t kNumberDigits = 8;
// "." + the number + ".tmp"
constexpr std::size_t kSuffixUnits = 1 + kNumberDigits + kTemporaryExtension.size();
// Clashes are rare (a leftover of an earlier save, another program's file); past this many in a
// row something else is wrong.
constexpr int kNameAttempts = 16;

bool isHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::size_t fileNameStart(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? 0 : separator + 1;
}

// The stem every temporary name of targetName starts with: the name, cut when it is too long.
std::u16string_view temporaryStem(std::u16string_view targetName) {
    constexpr std::size_t kLongestStem = kLongestFileNameUnits - kSuffixUnits;
    if (targetName.size() <= kLongestStem) return targetName;
    std::size_t length = kLongestStem;
    if (isHighSurrogate(targetName[length - 1])) --length;
    return targetName.substr(0, length);
}

} // namespace

std::u16string temporaryFileName(std::u16string_view path, std::uint32_t number) {
    const std::size_t nameStart = fileNameStart(path);
    std::u16string name(path.substr(0, nameStart));
    name += temporaryStem(path.substr(nameStart));
    name += u'.';
    for (int shift = 28; shift >= 0; shift -= 4) name += u"0123456789abcdef"[(number >> shift) & 0xF];
    name += kTemporaryExtension;
    return name;
}

bool isTemporaryFileNameOf(std::u16string_view name, std::u16string_view targetName) {
    const std::u16string_view stem = temporaryStem(targetName);
    if (name.size() != stem.size() + kSuffixUnits || !name.starts_with(stem) || !name.ends_with(kTemporaryExtension))
        return false;
    const std::u16string_view suffix = name.substr(stem.size());
    if (suffix[0] != u'.') return false;
    for (std::size_t i = 1; i <= kNumberDigits; ++i)
        if (!isHexDigit(suffix[i])) return false;
    return true;
}

bool writeFileAtomically(FileStore& store, const std::u16string& path, std::string_view bytes) {
    // The temporary file sits in the same folder so that the replace stays on one volume. Its
    // name is new: a file of the user's that happens to have it is left alone.
    std::u16string temporary;
    std::unique_ptr<FileStore::Writer> writer;
    for (int attempt = 0; attempt < kNameAttempts && !writer; ++attempt) {
        temporary = temporaryFileName(path, store.nameNumber());
        FileStore::NewFile created = store.createNew(temporary);
        if (!created.writer && !created.nameTaken) return false;
        writer = std::move(created.writer);
    }
    if (!writer) return false;
    if (!writer->write(bytes) || !writer->flush()) {
        (void)writer->close();
        writer.reset();
        store.remove(temporary);
        return false;
    }
    const bool closed = writer->close();
    writer.reset();
    // The file must be closed before the replace: an open file cannot be renamed on Windows.
    if (!closed || !store.replace(temporary, path)) {
        store.remove(temporary);
        return false;
    }
    return true;
}

void removeLeftoverTemporaryFiles(FileStore& store, const std::u16string& folder, std::u16string_view targetName) {
    for (const std::u16string& name : store.fileNamesIn(folder)) {
        if (isTemporaryFileNameOf(name, targetName)) store.remove(folder + u"\\" + name);
    }
}

} // namespace zorbel
