// Saves the settings file over and over so that a test can kill it in the middle of a save and
// then look at what was left:
//   savetrial init FOLDER    writes save number 0
//   savetrial run FOLDER     checks the file, prints "check ok N", then saves N+1, N+2, ... until killed
//   savetrial check FOLDER   checks the file; prints "check ok N" or what is wrong
// FOLDER plays the part of %APPDATA%: the file is FOLDER\Zorbel!\Zorbel!.ini. Every save carries
// its number in pUpdate and in every rule, so a file stitched together from two saves is caught
// as surely as a cut one. Exit status: 0 ok, 1 the file is damaged, 2 bad usage.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/Handles_win.h"
#include "app/Process_win.h"
#include "settings/FileStore_win.h"
#include "settings/PreferenceFile.h"
#include "settings/Settings.h"
#include "settings/Utf.h"

namespace zorbel {
namespace {

constexpr std::size_t kRuleCount = 8;
constexpr std::string_view kRuleKeys[] = {" Title", " Filename", " Classname", " Style", " Exstyle"};
constexpr std::u16string_view kAbsent = u"\x1f(absent)";

// Long titles whose length changes from save to save, so that the file grows and shrinks. The
// last character is never a blank, which a load would trim.
std::u16string ruleTitle(std::size_t rule, std::int32_t save) {
    std::u16string title = u"Fenêtre " + utf8ToUtf16(std::to_string(rule)) + u" of save " +
                           utf8ToUtf16(std::to_string(save)) + u": ";
    const std::size_t length = 200 + static_cast<std::size_t>(save % 97) + 13 * rule;
    while (title.size() < length) title += u"abcdefghijklmnopqrstuvwxyz0123456789 ";
    title.resize(length);
    title.back() = u'.';
    return title;
}

std::u16string ruleClass(std::size_t rule) { return u"TrialClass" + utf8ToUtf16(std::to_string(rule)); }

void fillSave(std::int32_t save, const std::u16string& program, Settings& settings, MonitorRules& rules) {
    settings.pImageFormat = save % 3;
    settings.pMessageBeep = save & 1;
    settings.pCapture = 0x200 + save % 256;
    settings.pTopMost = 0x300 + save % 256;
    settings.pUpdate = save;
    rules.assign(1, MonitorRule{});
    for (std::size_t rule = 1; rule <= kRuleCount; ++rule)
        rules.push_back({ruleTitle(rule, save), program, ruleClass(rule), save, -save});
}

struct CheckResult {
    bool ok = false;
    std::int32_t save = -1;
    std::string problem;
};

CheckResult fail(std::string problem) { return {false, -1, std::move(problem)}; }

// The file as a whole: its frame, every key present, and then what the program's own load makes
// of it, which must be one save from start to end.
CheckResult checkFile(const std::u16string& folder, const std::u16string& program) {
    Win32FileStore store;
    const std::u16string path = settingsFilePath(folder);
    std::string bytes;
    const FileAccess access = store.readAll(path, bytes);
    if (access == FileAccess::None) return fail("the file is missing or cannot be opened");
    if (access == FileAccess::Incomplete) return fail("the file cannot be read whole");
    if (bytes.rfind("\xEF\xBB\xBF\r\n", 0) != 0) return fail("the file does not start with the byte-order mark and CR LF");
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) return fail("the last line is not ended by CR LF");

    PreferenceFile file(store);
    if (!file.open(path)) return fail("PreferenceFile cannot open the file");
    if (!file.selectGroup("Global")) return fail("no [Global] group");
    for (const SettingKey& key : kSettingKeys) {
        if (file.readString(key.name, kAbsent) == kAbsent) return fail("[Global] lacks " + std::string(key.name));
    }
    if (!file.selectGroup("Windows") || !file.examineKeys()) return fail("no [Windows] group");
    std::size_t keys = 0;
    while (file.nextKey()) ++keys;
    if (keys != kRuleCount * std::size(kRuleKeys))
        return fail("[Windows] holds " + std::to_string(keys) + " keys, expected " +
                    std::to_string(kRuleCount * std::size(kRuleKeys)));
    for (std::size_t rule = 1; rule <= kRuleCount; ++rule) {
        for (std::string_view suffix : kRuleKeys) {
            const std::string key = std::to_string(rule) + std::string(suffix);
            if (file.readString(key, kAbsent) == kAbsent) return fail("[Windows] lacks " + key);
        }
    }
    (void)file.close();

    Settings settings;
    MonitorRules rules(1);
    SettingsFileState fileState;
    loadSettings(store, folder, settings, rules, fileState);
    const std::int32_t save = settings.pUpdate;
    Settings expectedSettings;
    MonitorRules expectedRules;
    fillSave(save, program, expectedSettings, expectedRules);
    if (!(settings == expectedSettings)) return fail("the settings are not those of save " + std::to_string(save));
    if (rules.size() != expectedRules.size())
        return fail("loaded " + std::to_string(rules.size() - 1) + " rules, expected " + std::to_string(kRuleCount));
    for (std::size_t rule = 1; rule < rules.size(); ++rule) {
        if (!(rules[rule] == expectedRules[rule]))
            return fail("rule " + std::to_string(rule) + " is not that of save " + std::to_string(save));
    }
    return {true, save, {}};
}

int report(const CheckResult& result) {
    if (result.ok)
        std::printf("check ok %ld\n", static_cast<long>(result.save));
    else
        std::printf("check failed: %s\n", result.problem.c_str());
    std::fflush(stdout);
    return result.ok ? 0 : 1;
}

void save(const std::u16string& folder, std::int32_t number, const std::u16string& program) {
    Win32FileStore store;
    Settings settings;
    MonitorRules rules;
    fillSave(number, program, settings, rules);
    SettingsFileState fileState;
    syncSettings(store, folder, SettingsMode::Save, settings, rules, fileState);
}

} // namespace
} // namespace zorbel

int wmain(int argc, wchar_t** argv) {
    using namespace zorbel;
    if (argc != 3) return 2;
    const std::wstring mode(argv[1]);
    const std::u16string folder = fromWide(argv[2]);
    const std::u16string program = programPath();
    if (program.empty()) return 2;
    if (mode == L"init") {
        save(folder, 0, program);
        return report(checkFile(folder, program));
    }
    if (mode == L"check") return report(checkFile(folder, program));
    if (mode != L"run") return 2;

    // Nothing is saved over a damaged file: what the last kill left must stay for the test to see.
    const CheckResult found = checkFile(folder, program);
    if (report(found) != 0) return 1;
    for (std::int32_t number = found.save + 1;; ++number) save(folder, number, program);
}
