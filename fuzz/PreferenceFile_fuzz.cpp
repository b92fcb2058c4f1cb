// Feeds arbitrary bytes to the INI reader and to the settings load, and checks that whatever a
// load makes of them survives a save and a second load unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/MemoryFileStore.h"
#include "settings/PreferenceFile.h"
#include "settings/Settings.h"

namespace {

using zorbel::MonitorRules;
using zorbel::PreferenceFile;
using zorbel::Settings;

const std::u16string kAppData = u"C:\\Roaming";

bool sameEntries(const std::vector<PreferenceFile::Entry>& a, const std::vector<PreferenceFile::Entry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].name != b[i].name || a[i].value != b[i].value) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto entries = PreferenceFile::parse(bytes);
    if (!sameEntries(PreferenceFile::parse(PreferenceFile::format(entries)), entries)) std::abort();

    zorbel::test::MemoryFileStore store;
    store.directories = {kAppData, kAppData + u"\\Zorbel!", u"C:\\apps"};
    store.files[u"C:\\apps\\a.exe"] = "MZ"; // a program that rules can name
    store.files[u"C:\\apps\\b.exe"] = "M";  // too small to count as one
    const std::u16string path = zorbel::settingsFilePath(kAppData);
    store.files[path] = std::string(bytes);

    Settings first;
    MonitorRules firstRules(1);
    zorbel::SettingsFileState fileState;
    zorbel::loadSettings(store, kAppData, first, firstRules, fileState);
    if (store.files[path] != bytes || store.mutatingCalls != 0) std::abort(); // a load only reads

    // A save keeps the rules whose program is a file of two bytes or more.
    MonitorRules kept(1);
    for (std::size_t i = 1; i < firstRules.size(); ++i) {
        const auto programSize = store.fileSize(firstRules[i].fileName);
        if (programSize && *programSize >= 2) kept.push_back(firstRules[i]);
    }
    zorbel::saveSettings(store, kAppData, first, firstRules, fileState);
    if (store.hasTemporaryFileOf(path)) std::abort();

    Settings second;
    for (const auto& key : zorbel::kSettingKeys) second.*key.field = -1;
    MonitorRules secondRules(1);
    zorbel::loadSettings(store, kAppData, second, secondRules, fileState);
    if (!(second == first) || secondRules != kept) std::abort();
    return 0;
}
