// The language files shipped in Language/: each one loads through the program's own reader and
// replaces every text with one that fits its field, keeps the menus' accelerator labels and the
// program's name, and has no line that the reader would take in a way the translator did not mean.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "settings/MemoryFileStore.h"
#include "settings/PreferenceFile.h"
#include "settings/StringTable.h"
#include "settings/Utf.h"

#ifndef ZORBEL_LANGUAGE_DIR
#error "ZORBEL_LANGUAGE_DIR must name the source tree's Language folder"
#endif

namespace zorbel {
namespace {

struct LanguageFile {
    std::string code; // ISO 639-2 code as GetLocaleInfoEx gives it (LOCALE_SISO639LANGNAME2)
    std::string bytes;
};

std::vector<LanguageFile> shippedFiles() {
    std::vector<LanguageFile> files;
    for (const auto& item : std::filesystem::directory_iterator(ZORBEL_LANGUAGE_DIR)) {
        const std::string name = item.path().filename().string();
        // A name the program never looks for would ship a file nobody sees.
        EXPECT_TRUE(name.size() == 12 && name.starts_with("lang_") && name.ends_with(".txt") &&
                    std::all_of(name.begin() + 5, name.begin() + 8, [](char c) { return c >= 'a' && c <= 'z'; }))
            << name;
        std::ifstream in(item.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.push_back({name.substr(5, 3), bytes.str()});
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    return files;
}

// The lines as the reader splits them: at CR, LF or CR LF.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

bool isKnownGroup(std::string_view name) {
    return std::any_of(kTextKeys.begin(), kTextKeys.end(), [&](const TextKeyInfo& info) { return info.group == name; });
}

std::u16string suffixFromTab(std::u16string_view text) {
    const std::size_t tab = text.find(u'\t');
    return tab == std::u16string_view::npos ? std::u16string() : std::u16string(text.substr(tab));
}

TEST(LanguageFilesTest, ShipsTheTranslatedLanguagesUnderTheNamesWindowsGives) {
    std::vector<std::string> codes;
    for (const LanguageFile& file : shippedFiles()) codes.push_back(file.code);
    // Windows names the languages by their ISO 639-2/T codes (deu, fra, nld, zho), not the
    // bibliographic ones (ger, fre, dut, chi).
    EXPECT_EQ(codes, (std::vector<std::string>{"deu", "fra", "ita", "jpn", "nld", "pol", "por", "spa", "zho"}));
}

TEST(LanguageFilesTest, EveryFileIsUsedWholeBySizeMarkAndLines) {
    for (const LanguageFile& file : shippedFiles()) {
        SCOPED_TRACE("lang_" + file.code + ".txt");
        EXPECT_TRUE(isLanguageFileSizeUsable(file.bytes.size())) << file.bytes.size() << " bytes";
        // Without the mark the reader takes the bytes as ISO-8859-1.
        ASSERT_TRUE(file.bytes.starts_with("\xEF\xBB\xBF"));
        std::string_view text(file.bytes);
        text.remove_prefix(3);
        EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text) << "not valid UTF-8";

        std::string group;
        std::set<std::string> keys;
        for (std::string_view line : linesOf(text)) {
            line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
            if (line.empty() || line.front() == ';') continue;
            if (line.front() == '[') {
                EXPECT_TRUE(line.ends_with(']')) << line;
                group = std::string(line.substr(1, line.find(']') - 1));
                EXPECT_TRUE(isKnownGroup(group)) << line;
                continue;
            }
            // The reader keeps a line without "=" as a key with an empty text: the translation
            // on it would vanish and blank the menu item.
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos) {
                ADD_FAILURE() << "no \"=\" in: " << line;
                continue;
            }
            std::string_view key = line.substr(0, equals);
            key.remove_suffix(key.size() - std::min(key.find_last_not_of(" \t") + 1, key.size()));
            const auto known = std::find_if(kTextKeys.begin(), kTextKeys.end(),
                                            [&](const TextKeyInfo& info) { return info.key == key; });
            if (known == kTextKeys.end() || known->group != group) {
                ADD_FAILURE() << "unknown: " << key << " in [" << group << "]";
                continue;
            }
            EXPECT_TRUE(keys.insert(std::string(key)).second) << "twice: " << key;
        }
        EXPECT_EQ(keys.size(), kTextKeyCount);
    }
}

TEST(LanguageFilesTest, EveryTextLoadsWholeWithItsAcceleratorAndTheProgramsName) {
    for (const LanguageFile& file : shippedFiles()) {
        SCOPED_TRACE("lang_" + file.code + ".txt");
        const std::u16string code = utf8ToUtf16(file.code);
        const std::u16string workDir = u"C:\\Zorbel";
        test::MemoryFileStore store;
        store.files[languageFilePath(workDir, code)] = file.bytes;
        StringTable table;
        loadLanguage(store, workDir, code, table); // as at start-up
        EXPECT_EQ(table.languageName(), u"lang_" + code + u".txt");

        // What the file holds for each key, before any cut to the field's width.
        std::map<std::string, std::u16string> written;
        std::string group;
        for (const PreferenceFile::Entry& entry : PreferenceFile::parse(file.bytes)) {
            if (entry.kind == PreferenceFile::Entry::Kind::Group) group = entry.name;
            if (entry.kind == PreferenceFile::Entry::Kind::Key) written[group + "/" + entry.name] = utf8ToUtf16(entry.value);
        }
        for (std::size_t i = 0; i < kTextKeyCount; ++i) {
            const TextKeyInfo& info = kTextKeys[i];
            SCOPED_TRACE(std::string(info.key));
            const std::u16string& shown = table.text(static_cast<TextKey>(i));
            const auto value = written.find(std::string(info.group) + "/" + std::string(info.key));
            if (value == written.end()) {
                ADD_FAILURE() << "no text for " << info.group << "/" << info.key;
                continue;
            }
            // Equal only when nothing was cut (the field counts UTF-16 units) and no blank was
            // lost at either end.
            EXPECT_EQ(shown, value->second) << value->second.size() << " units for a field of " << int{info.width};
            EXPECT_FALSE(shown.empty());
            EXPECT_EQ(suffixFromTab(shown), suffixFromTab(info.english));
            EXPECT_EQ(std::count(shown.begin(), shown.end(), u'\t'), std::count(info.english.begin(), info.english.end(), u'\t'));
            for (const std::u16string_view name : {u"Zorbel!.exe", u"Zorbel!"}) {
                if (info.english.find(name) != std::u16string_view::npos) {
                    EXPECT_NE(shown.find(name), std::u16string::npos) << utf16ToUtf8(name) << " lost";
                }
            }
            EXPECT_EQ(std::count(shown.begin(), shown.end(), u'%'), std::count(info.english.begin(), info.english.end(), u'%'));
        }
    }
}

} // namespace
} // namespace zorbel
