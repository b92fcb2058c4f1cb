// How long a load and a save of the settings file take with many remembered windows.
//   build/native/settings_bench [Google Benchmark options]
// The file lives in the in-memory store, so the figures are the reader's and writer's own work
// (parsing, look-ups, formatting), without the disk. Each figure is one whole loadSettings or
// saveSettings call; the rule counts 1,000 to 100,000 show how the time grows with the file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "settings/MemoryFileStore.h"
#include "settings/Settings.h"

namespace {

using namespace zorbel;

const std::u16string kAppData = u"C:\\Users\\me\\AppData\\Roaming";
const std::u16string kProgram = u"C:\\Program Files\\Editor\\editor.exe";

// A file as the program writes it, with `count` rules.
std::string settingsFileWith(std::int64_t count) {
    std::string file = "\xEF\xBB\xBF\r\n[Global]\r\npImageFormat = 0\r\npMessageBeep = 1\r\npAdministrator = 0\r\n"
                       "pClipboard = 1\r\npDialogue = 1\r\npRepeatCapture = 1\r\npMagnifyWindow = 1\r\n"
                       "pCapture = 594\r\npCaptureCB = 1\r\npTopMost = 581\r\npTopMostCB = 1\r\npUpdate = 1\r\n"
                       "[Windows]\r\n";
    for (std::int64_t n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        file += number + " Title = Untitled - Editor, document number " + number + "\r\n";
        file += number + " Filename = C:\\Program Files\\Editor\\editor.exe\r\n";
        file += number + " Classname = EditorMainWindow\r\n";
        file += number + " Style = -1798373376\r\n";
        file += number + " Exstyle = 256\r\n";
    }
    return file;
}

test::MemoryFileStore storeWith(std::int64_t count) {
    test::MemoryFileStore store;
    store.directories = {kAppData, kAppData + u"\\Zorbel!", u"C:\\Program Files", u"C:\\Program Files\\Editor"};
    store.files[kProgram] = "MZ program";
    store.files[settingsFilePath(kAppData)] = settingsFileWith(count);
    return store;
}

void checkLoaded(benchmark::State& state, const MonitorRules& rules) {
    if (rules.size() != static_cast<std::size_t>(state.range(0)) + 1) state.SkipWithError("wrong number of rules");
}

void LoadSettings(benchmark::State& state) {
    test::MemoryFileStore store = storeWith(state.range(0));
    MonitorRules rules;
    SettingsFileState fileState;
    for (auto _ : state) {
        Settings settings;
        rules.assign(1, MonitorRule{});
        loadSettings(store, kAppData, settings, rules, fileState);
        benchmark::DoNotOptimize(rules.data());
    }
    checkLoaded(state, rules);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(store.files[settingsFilePath(kAppData)].size()));
    state.SetComplexityN(state.range(0));
}

// A save reads the file it replaces (to keep what it does not own), so this is a whole save as
// the Preferences window causes one.
void SaveSettings(benchmark::State& state) {
    test::MemoryFileStore store = storeWith(state.range(0));
    Settings settings;
    MonitorRules rules{1};
    SettingsFileState fileState;
    loadSettings(store, kAppData, settings, rules, fileState);
    checkLoaded(state, rules);
    const std::string before = store.files[settingsFilePath(kAppData)];
    for (auto _ : state) {
        saveSettings(store, kAppData, settings, rules, fileState);
    }
    if (store.files[settingsFilePath(kAppData)] != before) state.SkipWithError("the save changed the file");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(before.size()));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(LoadSettings)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(SaveSettings)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
