#include "settings/Settings.h"

#include <unordered_map>

#include "settings/PreferenceFile.h"

namespace zorbel {

namespace {

constexpr std::string_view kGlobalGroup = "Global";
constexpr std::string_view kWindowsGroup = "Windows";
constexpr std::u16string_view kFolderName = u"\\Zorbel!\\";
constexpr std::u16string_view kFileName = u"Zorbel!.ini";

// The table must name every field once, with the default that Settings{} starts from.
constexpr bool isTableComplete() {
    constexpr Settings defaults{};
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        if (defaults.*kSettingKeys[i].field != kSettingKeys[i].defaultValue) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kSettingKeys[j].field == kSettingKeys[i].field) return false;
        }
    }
    return sizeof(Settings) == kSettingKeys.size() * sizeof(std::int32_t);
}
static_assert(isTableComplete());

std::string ruleKey(std::size_t number, std::string_view suffix) {
    return std::to_string(number) + std::string(suffix);
}

// CreateDirectoryW does not want the trailing separator.
std::u16string withoutTrailingSeparators(std::u16string path) {
    while (!path.empty() && (path.back() == u'\\' || path.back() == u'/' || path.back() == u' ' || path.back() == u'\t')) {
        path.pop_back();
    }
    return path;
}

// Opens the settings file, creating its folder when it is missing. Returns true when the file
// does not exist yet, so that even a load writes it once.
enum class SettingsFileOpening { Opened, Created, Unopenable };

SettingsFileOpening openSettingsFile(FileStore& store, std::u16string_view appData, PreferenceFile& file) {
    const std::u16string path = settingsFilePath(appData);
    if (file.open(path)) return SettingsFileOpening::Opened;
    const std::u16string folder = withoutTrailingSeparators(settingsFolder(appData));
    if (!store.isDirectory(folder)) (void)store.createDirectory(folder);
    // There, but held by another program without sharing: not a first run.
    if (store.exists(path)) return SettingsFileOpening::Unopenable;
    (void)file.create(path);
    return SettingsFileOpening::Created;
}

void readFrom(PreferenceFile& file, Settings& settings, MonitorRules& rules) {
    (void)file.selectGroup(kGlobalGroup);
    for (const SettingKey& key : kSettingKeys) {
        settings.*key.field = file.readLong(key.name, settings.*key.field);
    }
    if (!file.selectGroup(kWindowsGroup) || !file.examineKeys()) return;
    // Five keys make one rule; each rule is read by its number, whatever the keys are called.
    rules.assign(1, MonitorRule{});
    std::size_t number = 0;
    while (file.nextKey()) {
        ++number;
        MonitorRule& rule = rules.emplace_back();
        rule.title = file.readString(ruleKey(number, " Title"), u"");
        (void)file.nextKey();
        rule.fileName = file.readString(ruleKey(number, " Filename"), u"");
        (void)file.nextKey();
        rule.className = file.readString(ruleKey(number, " Classname"), u"");
        (void)file.nextKey();
        rule.style = file.readLong(ruleKey(number, " Style"), 0);
        (void)file.nextKey();
        rule.exStyle = file.readLong(ruleKey(number, " Exstyle"), 0);
    }
}

void writeTo(PreferenceFile& file, FileStore& store, const Settings& settings, const MonitorRules& rules) {
    (void)file.selectGroup(kGlobalGroup);
    for (const SettingKey& key : kSettingKeys) {
        file.writeLong(key.name, settings.*key.field);
    }
    file.removeGroup(kWindowsGroup);
    (void)file.selectGroup(kWindowsGroup);
    // Cleared rules and rules whose program is gone are dropped; the rest are numbered without
    // gaps, because a load reads them by number. Many windows share one program, and asking
    // the file system is the slow part of a save, so each program is looked for once.
    std::unordered_map<std::u16string, bool> programPresent;
    std::size_t number = 0;
    for (std::size_t i = 1; i < rules.size(); ++i) {
        const MonitorRule& rule = rules[i];
        if (rule.fileName.empty()) continue;
        const auto [known, firstTime] = programPresent.try_emplace(rule.fileName, false);
        if (firstTime) {
            const auto size = store.fileSize(rule.fileName);
            known->second = size && *size >= 2;
        }
        if (!known->second) continue;
        ++number;
        file.writeString(ruleKey(number, " Title"), rule.title);
        file.writeString(ruleKey(number, " Filename"), rule.fileName);
        file.writeString(ruleKey(number, " Classname"), rule.className);
        file.writeLong(ruleKey(number, " Style"), rule.style);
        file.writeLong(ruleKey(number, " Exstyle"), rule.exStyle);
    }
}

// A save killed midway leaves its temporary file behind; the next save clears such files away
// (only those: the folder may hold files of the user's).
void removeLeftovers(FileStore& store, std::u16string_view appData) {
    removeLeftoverTemporaryFiles(store, withoutTrailingSeparators(settingsFolder(appData)), kFileName);
}

} // namespace

Settings& currentSettings() {
    static Settings settings;
    return settings;
}

void restoreDefaultSettings(Settings& settings) {
    for (const SettingKey& key : kSettingKeys) {
        if (key.restoredByDefaultSettings) settings.*key.field = key.defaultValue;
    }
}

std::u16string settingsFolder(std::u16string_view appData) {
    return std::u16string(appData) + std::u16string(kFolderName);
}

std::u16string settingsFilePath(std::u16string_view appData) {
    return settingsFolder(appData) + std::u16string(kFileName);
}

SettingsFileState& currentSettingsFileState() {
    static SettingsFileState state;
    return state;
}

void syncSettings(FileStore& store, std::u16string_view appData, SettingsMode mode, Settings& settings,
                  MonitorRules& rules, SettingsFileState& fileState) {
    if (mode == SettingsMode::Save && fileState.keepFile) return;
    PreferenceFile file(store);
    const SettingsFileOpening opening = openSettingsFile(store, appData, file);
    const bool firstRun = opening == SettingsFileOpening::Created;
    // The file is then open read-only and empty: a load yields the values in memory, and
    // nothing is written.
    if (file.isIncomplete()) fileState.keepFile = true;
    // A file that exists but could not be opened at all at load time (locked) leaves the
    // defaults in memory just the same: once it unlocks, a save would write them over it.
    if (mode == SettingsMode::Load && opening == SettingsFileOpening::Unopenable) fileState.keepFile = true;
    if (mode == SettingsMode::Save || firstRun) {
        removeLeftovers(store, appData);
        writeTo(file, store, settings, rules);
    } else {
        readFrom(file, settings, rules);
    }
    (void)file.close(); // a failed write is not reported: the values in memory stay
}

void loadSettings(FileStore& store, std::u16string_view appData, Settings& settings, MonitorRules& rules,
                  SettingsFileState& fileState) {
    syncSettings(store, appData, SettingsMode::Load, settings, rules, fileState);
}

void saveSettings(FileStore& store, std::u16string_view appData, const Settings& settings, const MonitorRules& rules,
                  SettingsFileState& fileState) {
    if (fileState.keepFile) return;
    PreferenceFile file(store);
    (void)openSettingsFile(store, appData, file);
    if (file.isIncomplete()) fileState.keepFile = true;
    removeLeftovers(store, appData);
    writeTo(file, store, settings, rules);
    (void)file.close();
}

} // namespace zorbel
