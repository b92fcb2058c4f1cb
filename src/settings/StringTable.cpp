#include "settings/StringTable.h"

#include "settings/PreferenceFile.h"

namespace zorbel {

namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

constexpr std::size_t index(TextKey key) { return static_cast<std::size_t>(key); }

constexpr std::u16string_view kDefaultLanguageName = u"Default";
constexpr std::uint64_t kSmallestUsableLanguageFile = 501;
constexpr std::uint64_t kLargestUsableLanguageFile = 4999;

} // namespace

std::u16string_view cutToWidth(std::u16string_view text, std::size_t width) {
    if (text.size() <= width) {
        return text;
    }
    text = text.substr(0, width);
    // Half a character would show as a box and make the text invalid UTF-16.
    if (!text.empty() && isHighSurrogate(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

StringTable::StringTable() : languageName_(kDefaultLanguageName) {
    for (std::size_t i = 0; i < kTextKeyCount; ++i) {
        set(static_cast<TextKey>(i), kTextKeys[i].english);
    }
}

const std::u16string& StringTable::text(TextKey key) const { return texts_[index(key)]; }

void StringTable::set(TextKey key, std::u16string_view text) {
    texts_[index(key)] = std::u16string(cutToWidth(text, textKeyInfo(key).width));
}

void StringTable::fill(PreferenceFile& file) {
    std::string_view group;
    bool groupSelected = false;
    for (std::size_t i = 0; i < kTextKeyCount; ++i) {
        const TextKeyInfo& info = kTextKeys[i];
        if (!groupSelected || info.group != group) {
            group = info.group;
            groupSelected = true;
            file.selectGroup(group); // an absent group leaves every read at its default
        }
        set(static_cast<TextKey>(i), file.readString(info.key, info.english));
    }
}

const std::u16string& StringTable::languageName() const { return languageName_; }

void StringTable::setLanguageName(std::u16string name) { languageName_ = std::move(name); }

StringTable& strings() {
    static StringTable table;
    return table;
}

namespace {

std::u16string languageFileName(std::u16string_view iso639) {
    std::u16string name = u"lang_";
    name += iso639;
    name += u".txt";
    return name;
}

} // namespace

std::u16string languageFilePath(std::u16string_view workingDir, std::u16string_view iso639) {
    std::u16string path(workingDir);
    if (path.empty() || path.back() != u'\\') {
        path += u'\\';
    }
    path += u"Language\\";
    path += languageFileName(iso639);
    return path;
}

bool isLanguageFileSizeUsable(std::uint64_t size) {
    return size >= kSmallestUsableLanguageFile && size <= kLargestUsableLanguageFile;
}

void loadLanguage(FileStore& store, std::u16string_view workingDir, std::u16string_view iso639, StringTable& table) {
    const std::u16string path = languageFilePath(workingDir, iso639);
    PreferenceFile file(store);
    // fileSize only looks: a missing file must stay missing.
    const std::optional<std::uint64_t> size = store.fileSize(path);
    if (size && isLanguageFileSizeUsable(*size) && file.open(path) && !file.isIncomplete()) {
        table.setLanguageName(languageFileName(iso639));
    }
    // Without an open file every read yields its English default.
    table.fill(file);
    // Nothing was written, so closing never touches the file.
    file.close();
}

} // namespace zorbel
