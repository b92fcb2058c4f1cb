// The user-interface texts by key: English defaults, replaced by a language file when one is found.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/FileStore.h"
#include "settings/TextKeys.h"

namespace zorbel {

class PreferenceFile;

class StringTable {
public:
    StringTable(); // every text is its English default

    const std::u16string& text(TextKey key) const;
    // Stores a text, cut to the key's width.
    void set(TextKey key, std::u16string_view text);
    // Reads every key group by group from an open file (absent keys keep the English default).
    void fill(PreferenceFile& file);
    // The language in use: "Default", or the name of the language file that was read.
    const std::u16string& languageName() const;
    void setLanguageName(std::u16string name);

private:
    std::array<std::u16string, kTextKeyCount> texts_;
    std::u16string languageName_;
};

// The first `width` UTF-16 units of text, one fewer when the cut would split a surrogate pair.
std::u16string_view cutToWidth(std::u16string_view text, std::size_t width);

// The process-wide table, filled once at start-up and then only read.
StringTable& strings();

// Where the language file for a language lives: workingDir (with a trailing "\" added when
// missing) + "Language\lang_" + iso639 + ".txt".
std::u16string languageFilePath(std::u16string_view workingDir, std::u16string_view iso639);
// A language file is used only when it is larger than 500 bytes and smaller than 5,000 bytes.
bool isLanguageFileSizeUsable(std::uint64_t size);
// Fills table from the language file for iso639 under workingDir, or with the English defaults.
void loadLanguage(FileStore& store, std::u16string_view workingDir, std::u16string_view iso639, StringTable& table);

} // namespace zorbel
