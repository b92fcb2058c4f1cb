#include "settings/Settings.h"
#include "settings/DefaultSettingsFile.h"

#include <algorithm>
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "settings/MemoryFileStore.h"
#include "settings/Utf.h"

namespace zorbel {

// Readable failure messages for rules.
void PrintTo(const MonitorRule& rule, std::ostream* out) {
    *out << "{\"" << utf16ToUtf8(rule.title) << "\", \"" << utf16ToUtf8(rule.fileName) << "\", \""
         << utf16ToUtf8(rule.className) << "\", " << rule.style << ", " << rule.exStyle << "}";
}

namespace {

using test::MemoryFileStore;

constexpr std::string_view kMark = test::kSettingsFileMark;
constexpr std::string_view kDefaultGlobalGroup = test::kDefaultGlobalGroup;

MonitorRule rule(std::u16string title, std::u16string fileName, std::u16string className, std::int32_t style,
                 std::int32_t exStyle) {
    return {std::move(title), std::move(fileName), std::move(className), style, exStyle};
}

class SettingsFileTest : public ::testing::Test {
protected:
    const std::u16string appData = u"C:\\Users\\me\\AppData\\Roaming";
    const std::u16string folder = appData + u"\\Zorbel!";
    const std::u16string path = settingsFilePath(appData);
    MemoryFileStore store;
    Settings settings;
    MonitorRules rules{1};
    SettingsFileState fileState;

    void SetUp() override {
        store.directories.insert(appData);
        store.directories.insert(folder);
        store.directories.insert(u"C:\\apps");
        store.files[u"C:\\apps\\editor.exe"] = "MZ program";
        store.files[u"C:\\apps\\viewer.exe"] = "MZ";
    }
    void load() { loadSettings(store, appData, settings, rules, fileState); }
    void save() { saveSettings(store, appData, settings, rules, fileState); }
    void loadFrom(std::string bytes) {
        store.files[path] = std::move(bytes);
        load();
    }
};

TEST(SettingsPaths, FolderAndFileUnderAppData) {
    EXPECT_EQ(settingsFolder(u"C:\\Users\\me\\AppData\\Roaming"), u"C:\\Users\\me\\AppData\\Roaming\\Zorbel!\\");
    EXPECT_EQ(settingsFilePath(u"C:\\Users\\me\\AppData\\Roaming"), u"C:\\Users\\me\\AppData\\Roaming\\Zorbel!\\Zorbel!.ini");
    EXPECT_EQ(settingsFilePath(u""), u"\\Zorbel!\\Zorbel!.ini"); // no APPDATA: the root of the current drive
}

TEST(SettingsDefaults, DefaultSettingsButtonKeepsImageFormatAndUpdate) {
    Settings changed;
    for (const SettingKey& key : kSettingKeys) changed.*key.field = 77;
    restoreDefaultSettings(changed);
    Settings expected;
    expected.pImageFormat = 77;
    expected.pUpdate = 77;
    EXPECT_EQ(changed, expected);
}

TEST_F(SettingsFileTest, FirstRunCreatesFolderAndFileWithEveryDefault) {
    store.directories.erase(folder);
    load();
    EXPECT_TRUE(store.isDirectory(folder));
    EXPECT_EQ(store.files[path], std::string(kMark) + std::string(kDefaultGlobalGroup));
    EXPECT_EQ(settings, Settings{});
    EXPECT_FALSE(store.hasTemporaryFileOf(path));
}

TEST_F(SettingsFileTest, SaveClearsLeftoverTemporaryFilesAndNothingElse) {
    const std::map<std::u16string, std::string> kept = {
        {folder + u"\\Zorbel!.ini.tmp", "the user's"},
        {folder + u"\\Zorbel!.ini.0000abcd.tmp.txt", "the user's"},
        {folder + u"\\notes.txt", "the user's"},
        {appData + u"\\Zorbel!.ini.0000abcd.tmp", "another folder's"},
    };
    for (const auto& [file, bytes] : kept) store.files[file] = bytes;
    const std::u16string leftover = folder + u"\\Zorbel!.ini.0000abcd.tmp";
    store.files[leftover] = "a save cut short";
    // A load writes nothing and so removes nothing: it may be a second instance's, started while
    // the first one saves.
    loadFrom(std::string(kMark) + std::string(kDefaultGlobalGroup));
    EXPECT_TRUE(store.hasFile(leftover));
    save();
    EXPECT_FALSE(store.hasFile(leftover));
    for (const auto& [file, bytes] : kept) EXPECT_EQ(store.files[file], bytes);
}

TEST_F(SettingsFileTest, OneRuleIsWrittenAfterTheGlobalGroup) {
    rules.push_back(rule(u"Notes \u00E9", u"C:\\apps\\editor.exe", u"Edit", static_cast<std::int32_t>(0x94CF0000), 0x100));
    save();
    EXPECT_EQ(store.files[path], std::string(kMark) + std::string(kDefaultGlobalGroup) +
                                     "[Windows]\r\n"
                                     "1 Title = Notes \xC3\xA9\r\n"
                                     "1 Filename = C:\\apps\\editor.exe\r\n"
                                     "1 Classname = Edit\r\n"
                                     "1 Style = -1798373376\r\n"
                                     "1 Exstyle = 256\r\n");
}

TEST_F(SettingsFileTest, NoAppDataUsesTheDriveRoot) {
    store = MemoryFileStore{};
    loadSettings(store, u"", settings, rules, fileState);
    EXPECT_TRUE(store.isDirectory(u"\\Zorbel!"));
    EXPECT_EQ(store.files[u"\\Zorbel!\\Zorbel!.ini"], std::string(kMark) + std::string(kDefaultGlobalGroup));
}

TEST_F(SettingsFileTest, FolderThatCannotBeCreatedLeavesEverythingAsItWas) {
    store = MemoryFileStore{}; // not even the APPDATA folder exists
    settings.pCapture = 1;
    load();
    save();
    EXPECT_TRUE(store.files.empty());
    EXPECT_TRUE(store.directories.empty());
    EXPECT_EQ(settings.pCapture, 1);
}

TEST_F(SettingsFileTest, LoadReadsEveryKey) {
    loadFrom("[Global]\r\npImageFormat=2\r\npMessageBeep=0\r\npAdministrator=1\r\npClipboard=0\r\npDialogue=0\r\n"
             "pRepeatCapture=0\r\npMagnifyWindow=0\r\npCapture=-5\r\npCaptureCB=0\r\npTopMost=1\r\npTopMostCB=0\r\npUpdate=9\r\n");
    EXPECT_EQ(settings, (Settings{2, 0, 1, 0, 0, 0, 0, -5, 0, 1, 0, 9}));
    EXPECT_EQ(store.mutatingCalls, 0u); // a load of an existing file writes nothing
}

struct DamagedCase {
    const char* line;
    std::int32_t Settings::*field;
    std::int32_t value;
};

class DamagedValue : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedValue, ReadsAsZeroOrKeepsTheValueWhenMissing) {
    MemoryFileStore store;
    store.directories.insert(u"A\\Zorbel!");
    store.files[settingsFilePath(u"A")] = std::string("[Global]\r\n") + GetParam().line + "\r\n";
    Settings settings;
    settings.pTopMost = 1; // a missing key keeps the value in memory, not the built-in default
    MonitorRules rules;
    SettingsFileState fileState;
    loadSettings(store, u"A", settings, rules, fileState);
    EXPECT_EQ(settings.*GetParam().field, GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedValue,
                         ::testing::Values(DamagedCase{"pMessageBeep = yes", &Settings::pMessageBeep, 0},
                                           DamagedCase{"pCapture = 0x252", &Settings::pCapture, 0},
                                           DamagedCase{"pCapture =", &Settings::pCapture, 0},
                                           DamagedCase{"pCapture", &Settings::pCapture, 0},
                                           DamagedCase{"pUpdate = 12 monkeys", &Settings::pUpdate, 12},
                                           DamagedCase{"pOther = 1", &Settings::pCapture, 594},
                                           DamagedCase{"pOther = 1", &Settings::pTopMost, 1}));

TEST_F(SettingsFileTest, NamesAreCaseInsensitiveAndTheHeaderKeepsItsSpelling) {
    loadFrom("[global]\r\nPMESSAGEBEEP=0\r\n");
    EXPECT_EQ(settings.pMessageBeep, 0);
    save();
    EXPECT_TRUE(store.files[path].starts_with(std::string(kMark) + "[global]\r\npMessageBeep = 0\r\n")) << store.files[path];
    EXPECT_EQ(store.files[path].find("MESSAGEBEEP"), std::string::npos);
}

TEST_F(SettingsFileTest, Latin1FileIsWrittenBackAsUtf8WithMark) {
    loadFrom("[Windows]\r\n1 Title = Caf\xE9\r\n1 Filename = C:\\apps\\editor.exe\r\n1 Classname = c\r\n1 Style = 1\r\n1 Exstyle = 2\r\n");
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1], rule(u"Caf\u00E9", u"C:\\apps\\editor.exe", u"c", 1, 2));
    save();
    EXPECT_TRUE(store.files[path].starts_with(kMark));
    EXPECT_NE(store.files[path].find("1 Title = Caf\xC3\xA9\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, CommentsUnknownKeysAndGroupsSurviveAndWindowsMovesToTheEnd) {
    loadFrom(";top\r\n[Windows]\r\n1 Title = old\r\n[Global]\r\n;x\r\nextra = 5\r\npUpdate = 0\r\n[Other]\r\nk = v\r\n");
    settings.pUpdate = 3;
    rules = {MonitorRule{}, rule(u"t", u"C:\\apps\\viewer.exe", u"c", 0, 0)};
    save();
    std::string expected = std::string(kMark) + "; top\r\n[Global]\r\n; x\r\nextra = 5\r\npUpdate = 3\r\n";
    for (const SettingKey& key : kSettingKeys) {
        if (key.field != &Settings::pUpdate) expected += std::string(key.name) + " = " + std::to_string(settings.*key.field) + "\r\n";
    }
    expected += "[Other]\r\nk = v\r\n[Windows]\r\n1 Title = t\r\n1 Filename = C:\\apps\\viewer.exe\r\n"
                "1 Classname = c\r\n1 Style = 0\r\n1 Exstyle = 0\r\n";
    EXPECT_EQ(store.files[path], expected);
}

TEST_F(SettingsFileTest, ClearedRuleIsDroppedAndTheRestRenumbered) {
    rules.push_back(rule(u"one", u"C:\\apps\\editor.exe", u"A", 1, 10));
    rules.push_back(MonitorRule{}); // cleared by the window monitor
    rules.push_back(rule(u"three", u"C:\\apps\\viewer.exe", u"C", 3, 30));
    save();
    const std::string& text = store.files[path];
    EXPECT_NE(text.find("2 Title = three\r\n2 Filename = C:\\apps\\viewer.exe\r\n2 Classname = C\r\n2 Style = 3\r\n2 Exstyle = 30\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("3 "), std::string::npos);
    MonitorRules loaded;
    loadSettings(store, appData, settings, loaded, fileState);
    EXPECT_EQ(loaded, (MonitorRules{MonitorRule{}, rules[1], rules[3]}));
}

TEST_F(SettingsFileTest, EachProgramIsLookedForOncePerSave) {
    for (int n = 0; n < 3; ++n) {
        rules.push_back(rule(u"e", u"C:\\apps\\editor.exe", u"c", n, 0));
        rules.push_back(rule(u"g", u"C:\\apps\\gone.exe", u"c", n, 0));
    }
    save();
    const std::map<std::u16string, std::size_t> once{{u"C:\\apps\\editor.exe", 1}, {u"C:\\apps\\gone.exe", 1}};
    EXPECT_EQ(store.sizeQueries, once);
    EXPECT_NE(store.files[path].find("3 Title = e\r\n3 Filename = C:\\apps\\editor.exe\r\n3 Classname = c\r\n"
                                     "3 Style = 2\r\n"),
              std::string::npos);
    EXPECT_EQ(store.files[path].find("gone"), std::string::npos);
}

struct RuleFileCase {
    const char* label;
    std::u16string_view fileName;
    bool kept;
};

class RuleProgramFile : public SettingsFileTest, public ::testing::WithParamInterface<RuleFileCase> {};

TEST_P(RuleProgramFile, RuleIsSavedOnlyWhenItsProgramIsAFileOfTwoBytesOrMore) {
    store.files[u"C:\\apps\\tiny.exe"] = "M";
    rules.push_back(rule(u"t", std::u16string(GetParam().fileName), u"c", 0, 0));
    save();
    const bool hasWindows = store.files[path].find("[Windows]") != std::string::npos;
    EXPECT_EQ(hasWindows, GetParam().kept) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(Table, RuleProgramFile,
                         ::testing::Values(RuleFileCase{"two bytes", u"C:\\apps\\viewer.exe", true},
                                           RuleFileCase{"one byte", u"C:\\apps\\tiny.exe", false},
                                           RuleFileCase{"deleted", u"C:\\apps\\gone.exe", false},
                                           RuleFileCase{"folder", u"C:\\apps", false}, RuleFileCase{"empty name", u"", false}));

TEST_F(SettingsFileTest, IncompleteFinalBlockGivesOneMoreRuleWithDefaults) {
    loadFrom("[Windows]\r\n1 Title = a\r\n1 Filename = f\r\n1 Classname = c\r\n1 Style = 1\r\n1 Exstyle = 2\r\n"
             "2 Title = b\r\n2 Style = 7\r\n");
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[1], rule(u"a", u"f", u"c", 1, 2));
    EXPECT_EQ(rules[2], rule(u"b", u"", u"", 7, 0)); // each rule is read by its number
}

TEST_F(SettingsFileTest, WindowsGroupReplacesTheRulesOnlyWhenPresent) {
    const MonitorRules before{MonitorRule{}, rule(u"kept", u"f", u"c", 1, 1)};
    rules = before;
    loadFrom("[Global]\r\npUpdate = 1\r\n");
    EXPECT_EQ(rules, before);
    loadFrom("[Windows]\r\n; no rules\r\n");
    EXPECT_EQ(rules, MonitorRules{1});
}

TEST_F(SettingsFileTest, RuleValuesLoseOuterBlanks) {
    loadFrom("[Windows]\r\n1 Title =  \t padded \t \r\n1 Filename = f \r\n1 Classname = \tc\r\n1 Style = 4 \r\n1 Exstyle = 5\r\n");
    EXPECT_EQ(rules.at(1), rule(u"padded", u"f", u"c", 4, 5));
}

TEST_F(SettingsFileTest, EmptyFileLoadsDefaultsAndIsRewrittenOnSave) {
    loadFrom("");
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(store.files[path], "");
    save();
    EXPECT_EQ(store.files[path], std::string(kMark) + std::string(kDefaultGlobalGroup));
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReadButNeverWritten) {
    const std::string old = "[Global]\r\npCapture = 5\r\n";
    store.limits[path] = MemoryFileStore::Limit::ReadOnly;
    loadFrom(old);
    EXPECT_EQ(settings.pCapture, 5);
    settings.pCapture = 6;
    save();
    EXPECT_EQ(store.files[path], old);
    EXPECT_EQ(store.mutatingCalls, 0u);
}

TEST_F(SettingsFileTest, LockedFileLoadsNothingAndIsNotReplaced) {
    const std::string old = "[Global]\r\npCapture = 5\r\n";
    store.limits[path] = MemoryFileStore::Limit::Locked;
    loadFrom(old);
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(store.mutatingCalls, 0u);
    save();
    EXPECT_EQ(store.files[path], old);
    EXPECT_FALSE(store.hasTemporaryFileOf(path));
}

TEST_F(SettingsFileTest, SaveFailingAtAnyCallKeepsThePreviousFileIntact) {
    const std::string old = std::string(kMark) + "; mine\r\n[Global]\r\npCapture = 5\r\n[Windows]\r\n1 Title = x\r\n";
    store.files[path] = old;
    settings.pCapture = 6;
    rules.push_back(rule(u"t", u"C:\\apps\\editor.exe", u"c", 1, 2));
    const MemoryFileStore pristine = store;
    save();
    const std::size_t calls = store.mutatingCalls;
    ASSERT_GE(calls, 5u);
    const std::string saved = store.files[path];
    for (std::size_t failing = 1; failing <= calls; ++failing) {
        store = pristine;
        store.failAtCall = failing;
        save();
        EXPECT_GE(store.mutatingCalls, failing);
        EXPECT_EQ(store.files[path], old) << "call " << failing;
        EXPECT_FALSE(store.hasTemporaryFileOf(path)) << "call " << failing;
        store.failAtCall = 0; // the next save goes through
        save();
        EXPECT_EQ(store.files[path], saved) << "call " << failing;
    }
}

// ---- Files of every shape a hand or an older program may leave ----------------------------------

constexpr std::string_view kEditor = "C:\\apps\\editor.exe";
constexpr std::string_view kViewer = "C:\\apps\\viewer.exe";

// The five keys of rule n, in the program's spelling.
std::string ruleBlock(int n, std::string_view title, std::string_view fileName, std::string_view className,
                      std::int32_t style, std::int32_t exStyle) {
    const std::string number = std::to_string(n);
    return number + " Title = " + std::string(title) + "\r\n" + number + " Filename = " + std::string(fileName) +
           "\r\n" + number + " Classname = " + std::string(className) + "\r\n" + number +
           " Style = " + std::to_string(style) + "\r\n" + number + " Exstyle = " + std::to_string(exStyle) + "\r\n";
}

// The default key lines, in table order, without those the file already had (a save rewrites
// those in place and appends the others to the group).
std::string defaultLinesExcept(std::initializer_list<std::string_view> present) {
    std::string lines;
    std::string_view rest = kDefaultGlobalGroup.substr(std::string_view("[Global]\r\n").size());
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find("\r\n") + 2);
        rest.remove_prefix(line.size());
        const std::string_view name = line.substr(0, line.find(' '));
        if (std::find(present.begin(), present.end(), name) == present.end()) lines += line;
    }
    return lines;
}

const std::string kDefaults(kDefaultGlobalGroup);

struct ShapeCase {
    const char* label;
    std::string file;
    std::vector<std::pair<std::int32_t Settings::*, std::int32_t>> changed; // from the defaults
    MonitorRules rules;                                                     // as loaded, element 0 included
    std::string saved;                                                      // after the mark
};

void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.label; }

class FileShape : public SettingsFileTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(FileShape, LoadsAndSavesAsExpected) {
    const ShapeCase& c = GetParam();
    loadFrom(c.file);
    Settings expected;
    for (const auto& [field, value] : c.changed) expected.*field = value;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(rules, c.rules);
    EXPECT_EQ(store.mutatingCalls, 0u);
    save();
    EXPECT_EQ(store.files[path], std::string(kMark) + c.saved);
    // What was saved loads to itself, minus the rules without a program.
    MonitorRules kept{1};
    for (std::size_t i = 1; i < c.rules.size(); ++i) {
        if (!c.rules[i].fileName.empty()) kept.push_back(c.rules[i]);
    }
    Settings reloaded;
    MonitorRules reloadedRules{1};
    loadSettings(store, appData, reloaded, reloadedRules, fileState);
    EXPECT_EQ(reloaded, settings);
    EXPECT_EQ(reloadedRules, kept);
}

const MonitorRule kRuleA = rule(u"a", u"C:\\apps\\editor.exe", u"c", 1, 2);
const MonitorRule kRuleB = rule(u"b", u"C:\\apps\\viewer.exe", u"d", 3, 4);

INSTANTIATE_TEST_SUITE_P(
    Table, FileShape,
    ::testing::Values(
        ShapeCase{"a gap in the rule numbers reads an empty rule and loses the rest",
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2) + ruleBlock(3, "b", kViewer, "d", 3, 4),
                  {},
                  {MonitorRule{}, kRuleA, MonitorRule{}},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2)},
        ShapeCase{"rules out of order are read by their numbers",
                  kDefaults + "[Windows]\r\n" + ruleBlock(2, "b", kViewer, "d", 3, 4) + ruleBlock(1, "a", kEditor, "c", 1, 2),
                  {},
                  {MonitorRule{}, kRuleA, kRuleB},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2) + ruleBlock(2, "b", kViewer, "d", 3, 4)},
        ShapeCase{"a duplicate rule key: the first counts, the spare key starts one more rule",
                  "[Windows]\r\n1 Title = a\r\n1 Title = dup\r\n1 Filename = C:\\apps\\editor.exe\r\n1 Classname = c\r\n"
                  "1 Style = 1\r\n1 Exstyle = 2\r\n",
                  {},
                  {MonitorRule{}, kRuleA, MonitorRule{}},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2)},
        ShapeCase{"a duplicate setting: the first is read and rewritten, the second kept",
                  "[Global]\r\npCapture = 5\r\npCapture = 6\r\n",
                  {{&Settings::pCapture, 5}},
                  {MonitorRule{}},
                  "[Global]\r\npCapture = 5\r\npCapture = 6\r\n" + defaultLinesExcept({"pCapture"})},
        ShapeCase{"a duplicate group: only the first is read and written",
                  "[Global]\r\npTopMost = 7\r\n[global]\r\npCapture = 5\r\n",
                  {{&Settings::pTopMost, 7}},
                  {MonitorRule{}},
                  "[Global]\r\npTopMost = 7\r\n" + defaultLinesExcept({"pTopMost"}) + "[global]\r\npCapture = 5\r\n"},
        ShapeCase{"an incomplete final block is one more rule with defaults",
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2) +
                      "2 Title = b\r\n2 Filename = C:\\apps\\viewer.exe\r\n",
                  {},
                  {MonitorRule{}, kRuleA, rule(u"b", u"C:\\apps\\viewer.exe", u"", 0, 0)},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2) + ruleBlock(2, "b", kViewer, "", 0, 0)},
        ShapeCase{"unknown keys in the rules count as keys, comments do not; both go on save",
                  "[Windows]\r\n; note\r\n1 Title = a\r\nextra = x\r\n1 Filename = C:\\apps\\editor.exe\r\n"
                  "1 Classname = c\r\n1 Style = 1\r\n1 Exstyle = 2\r\n",
                  {},
                  {MonitorRule{}, kRuleA, MonitorRule{}},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2)},
        ShapeCase{"comments, unknown keys and groups elsewhere survive",
                  ";top\r\nlead=1\r\n[Global]\r\n;mine\r\nextra = 5\r\npUpdate = 0\r\n[Other]\r\nk = v\r\n;  tail\r\n",
                  {{&Settings::pUpdate, 0}},
                  {MonitorRule{}},
                  "; top\r\nlead = 1\r\n[Global]\r\n; mine\r\nextra = 5\r\npUpdate = 0\r\n" + defaultLinesExcept({"pUpdate"}) +
                      "[Other]\r\nk = v\r\n;  tail\r\n"},
        ShapeCase{"blank lines and odd spacing",
                  "\r\n  [Global]  ignored\r\n\r\n\t pCapture\t=\t  7  \r\n \t\r\nPTOPMOST=8\r\n[Windows]\r\n\r\n"
                  "  1 Title   =   a b  \r\n1 Filename=C:\\apps\\editor.exe\r\n\t1 Classname\t=c\r\n1 Style =   -3x\r\n"
                  "1 Exstyle =\r\n",
                  {{&Settings::pCapture, 7}, {&Settings::pTopMost, 8}},
                  {MonitorRule{}, rule(u"a b", u"C:\\apps\\editor.exe", u"c", -3, 0)},
                  "[Global]\r\npCapture = 7\r\npTopMost = 8\r\n" + defaultLinesExcept({"pCapture", "pTopMost"}) +
                      "[Windows]\r\n" + ruleBlock(1, "a b", kEditor, "c", -3, 0)},
        ShapeCase{"LF and CR line ends, no mark, no final line end",
                  "[Global]\npCapture = 9\r[Windows]\n1 Title = Caf\xE9\n1 Filename = C:\\apps\\editor.exe\r"
                  "1 Classname = c\n1 Style = 1\n1 Exstyle = 2",
                  {{&Settings::pCapture, 9}},
                  {MonitorRule{}, rule(u"Caf\u00E9", u"C:\\apps\\editor.exe", u"c", 1, 2)},
                  "[Global]\r\npCapture = 9\r\n" + defaultLinesExcept({"pCapture"}) + "[Windows]\r\n" +
                      ruleBlock(1, "Caf\xC3\xA9", kEditor, "c", 1, 2)},
        ShapeCase{"a mark and UTF-8",
                  "\xEF\xBB\xBF\r\n[Windows]\r\n" + ruleBlock(1, "\xE6\x97\xA5 \xF0\x9F\x98\x80", kEditor, "c", 1, 2),
                  {},
                  {MonitorRule{}, rule(u"\u65E5 \xD83D\xDE00", u"C:\\apps\\editor.exe", u"c", 1, 2)},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "\xE6\x97\xA5 \xF0\x9F\x98\x80", kEditor, "c", 1, 2)},
        ShapeCase{"rules before the settings and a second rule group",
                  "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2) + kDefaults + "[windows]\r\n" +
                      ruleBlock(2, "b", kViewer, "d", 3, 4),
                  {},
                  {MonitorRule{}, kRuleA},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2)},
        ShapeCase{"rule keys and group in another case",
                  "[WINDOWS]\r\n1 TITLE = a\r\n1 filename = C:\\apps\\editor.exe\r\n1 ClassName = c\r\n1 STYLE = 1\r\n"
                  "1 exstyle = 2\r\n01 Title = not rule one\r\n",
                  {},
                  {MonitorRule{}, kRuleA, MonitorRule{}},
                  kDefaults + "[Windows]\r\n" + ruleBlock(1, "a", kEditor, "c", 1, 2)},
        ShapeCase{"keys before the first group are not settings",
                  "pCapture = 1\r\n[Global]\r\npTopMost = 2\r\n",
                  {{&Settings::pTopMost, 2}},
                  {MonitorRule{}},
                  "pCapture = 1\r\n[Global]\r\npTopMost = 2\r\n" + defaultLinesExcept({"pTopMost"})}));

// A file as large as a hundred thousand remembered windows make (about 14 MB) loads whole, and a
// save writes back the very same bytes.
TEST_F(SettingsFileTest, HundredThousandRulesLoadAndSaveUnchanged) {
    constexpr int kRules = 100000;
    const auto title = [](int n) { return "Window \xC3\xA9 " + std::to_string(n * 7919 % 100003); };
    const auto className = [](int n) { return "Class" + std::to_string(n % 97); };
    std::string file = std::string(kMark) + kDefaults + "[Windows]\r\n";
    for (int n = 1; n <= kRules; ++n) {
        file += ruleBlock(n, title(n), n % 3 ? kEditor : kViewer, className(n), n - kRules / 2, -n);
    }
    ASSERT_GT(file.size(), 12'000'000u);
    loadFrom(file);
    ASSERT_EQ(rules.size(), kRules + 1u);
    for (const int n : {1, 2, 3, 4999, 50000, 77777, 99999, kRules}) {
        SCOPED_TRACE(n);
        const std::string expectedTitle = title(n);
        EXPECT_EQ(rules[n], rule(utf8ToUtf16(expectedTitle), n % 3 ? u"C:\\apps\\editor.exe" : u"C:\\apps\\viewer.exe",
                                 utf8ToUtf16(className(n)), n - kRules / 2, -n));
    }
    // The same bytes load to the same rules, so this is also the save-and-load round trip.
    save();
    EXPECT_TRUE(store.files[path] == file) << "the saved file differs from the loaded one";
}

// A read that fails partway, a file larger than the reader takes, or a file another program
// holds locked at start-up: what is in memory is not the file, and the defaults must not replace
// the user's settings and rules later in the run.
class UnreadableSettingsFileTest : public SettingsFileTest,
                                   public ::testing::WithParamInterface<MemoryFileStore::Limit> {};

INSTANTIATE_TEST_SUITE_P(Limits, UnreadableSettingsFileTest,
                         ::testing::Values(MemoryFileStore::Limit::ReadFails, MemoryFileStore::Limit::Locked));

TEST_P(UnreadableSettingsFileTest, LoadsDefaultsAndIsNeverWrittenThatRun) {
    const std::string old = std::string(kMark) + "[Global]\r\npCapture = 5\r\n[Windows]\r\n" +
                            ruleBlock(1, "a", kEditor, "c", 1, 2);
    store.files[path] = old;
    store.limits[path] = GetParam();
    load();
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(rules, MonitorRules{1});
    EXPECT_TRUE(fileState.keepFile);
    settings.pCapture = 6;
    rules.push_back(rule(u"t", u"C:\\apps\\viewer.exe", u"c", 0, 0));
    save();
    EXPECT_EQ(store.files[path], old);
    EXPECT_EQ(store.mutatingCalls, 0u);

    // The file reads whole again (the disk recovered), but this run still holds the defaults.
    store.limits.clear();
    save();
    syncSettings(store, appData, SettingsMode::Save, settings, rules, fileState);
    EXPECT_EQ(store.files[path], old);
    EXPECT_EQ(store.mutatingCalls, 0u);
    EXPECT_FALSE(store.hasTemporaryFileOf(path));

    // The next run reads it.
    Settings next;
    MonitorRules nextRules{1};
    SettingsFileState nextState;
    loadSettings(store, appData, next, nextRules, nextState);
    EXPECT_EQ(next.pCapture, 5);
    EXPECT_EQ(nextRules, (MonitorRules{MonitorRule{}, kRuleA}));
    EXPECT_FALSE(nextState.keepFile);
}

// Text with everything that could upset the line format or the encodings.
std::u16string randomText(std::mt19937& random) {
    static const std::u16string_view pieces[] = {u"a",   u"Z",      u"0",      u" ",      u"\t",     u"=",  u";",
                                                 u"[",   u"]",      u"\r",     u"\n",     u"\r\n",   u"\u00E9", u"\u00FF",
                                                 u"\u0080", u"\u20AC", u"\u65E5", u"\xD83D\xDE00", u"\xDBFF\xDFFF", u"\f", u"1 Title = "};
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::u16string text;
    for (std::size_t n = length(random); n > 0; --n) text += pieces[piece(random)];
    return text;
}

// What a save and a load make of a text: line breaks become spaces, outer blanks go.
std::u16string afterRoundTrip(std::u16string text) {
    for (char16_t& c : text) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    const auto first = text.find_first_not_of(u" \t");
    if (first == std::u16string::npos) return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

TEST_F(SettingsFileTest, RandomSettingsAndRulesSurviveSaveAndLoad) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> anyInt(std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max());
    std::uniform_int_distribution<int> ruleCount(0, 4);
    std::bernoulli_distribution programExists(0.8);
    for (int iteration = 0; iteration < 300; ++iteration) {
        store = MemoryFileStore{};
        store.directories.insert(appData);
        Settings saved;
        for (const SettingKey& key : kSettingKeys) saved.*key.field = anyInt(random);
        MonitorRules savedRules{1};
        MonitorRules expectedRules{1};
        for (int n = ruleCount(random); n > 0; --n) {
            MonitorRule r{randomText(random), u"C:\\" + randomText(random) + u".exe", randomText(random), anyInt(random),
                          anyInt(random)};
            if (programExists(random)) store.files[r.fileName] = "MZ";
            savedRules.push_back(std::move(r));
        }
        for (std::size_t i = 1; i < savedRules.size(); ++i) {
            const MonitorRule& r = savedRules[i];
            if (!store.hasFile(r.fileName)) continue;
            expectedRules.push_back(
                {afterRoundTrip(r.title), afterRoundTrip(r.fileName), afterRoundTrip(r.className), r.style, r.exStyle});
        }
        saveSettings(store, appData, saved, savedRules, fileState);
        Settings loaded;
        MonitorRules loadedRules{1};
        loadSettings(store, appData, loaded, loadedRules, fileState);
        ASSERT_EQ(loaded, saved) << "iteration " << iteration;
        ASSERT_EQ(loadedRules, expectedRules) << "iteration " << iteration << "\n" << store.files[settingsFilePath(appData)];
    }
}

} // namespace
} // namespace zorbel
