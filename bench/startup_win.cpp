// How long Zorbel!.exe takes from process start to its tray icon.
//   startup_win PATH\Zorbel!.exe [runs] [rules]      (defaults 7 runs and 10000 rules; rules 0: none)
// Each "first run" starts without a settings folder (it is deleted before the start), so the
// program takes its first-run path and writes the default file; each "warm run" finds the file.
// The last figures start the program with a settings file of that many window-monitor rules,
// written afresh before each start (every rule names the program's own file, so a save keeps it).
// The icon counts as there when Shell_NotifyIconW NIM_MODIFY on (core window, 0) succeeds,
// polled every 10 ms. The program is then ended with TerminateProcess and its icon removed.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "settings/DefaultSettingsFile.h"

namespace {

using namespace zorbel;

constexpr DWORD kPollMs = 10;
constexpr DWORD kGiveUpMs = 60000; // a slow settings loader can take many seconds

using zorbel::test::nowMs;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

HWND findCoreWindow() { return FindWindowW(L"Zorbel!_Core_Window", L"Zorbel!_Core_Window"); }

std::wstring settingsFolder() {
    wchar_t appData[MAX_PATH]{};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(appData) + L"\\Zorbel!";
}

std::string utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// The settings file of a first run with count rules in its [Windows] group, as the program writes it.
std::string settingsFileWithRules(int count, const std::wstring& program) {
    const std::string path = utf8(program);
    std::string text(test::kSettingsFileMark);
    text += test::kDefaultGlobalGroup;
    text += "[Windows]\r\n";
    for (int rule = 1; rule <= count; ++rule) {
        const std::string n = std::to_string(rule);
        text += n + " Title = Monitored window number " + n + " - Some Editor\r\n";
        text += n + " Filename = " + path + "\r\n";
        text += n + " Classname = MonitoredClass" + n + "\r\n";
        text += n + " Style = " + std::to_string(static_cast<std::int32_t>(0x94CF0000u)) + "\r\n";
        text += n + " Exstyle = 256\r\n";
    }
    return text;
}

struct Run {
    double coreWindowMs = -1;
    double trayIconMs = -1;
    bool settingsWritten = false;
};

std::optional<Run> startOnce(const std::wstring& program, const std::wstring& folder) {
    Run run;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double start = nowMs();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return std::nullopt;
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);

    HWND core = nullptr;
    while (nowMs() - start < kGiveUpMs) {
        if (!core && (core = findCoreWindow())) run.coreWindowMs = nowMs() - start;
        if (core && test::trayIconExists(core)) {
            run.trayIconMs = nowMs() - start;
            break;
        }
        if (WaitForSingleObject(processHandle.get(), kPollMs) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "the program ended before its tray icon appeared\n");
            return std::nullopt;
        }
    }
    const std::wstring settings = settingsFolder();
    run.settingsWritten = !settings.empty() && test::fileExists(settings + L"\\Zorbel!.ini");

    TerminateProcess(processHandle.get(), 0);
    WaitForSingleObject(processHandle.get(), 10000);
    if (core) test::deleteTrayIcon(core); // an ended process leaves its icon behind
    if (run.trayIconMs < 0) {
        std::fprintf(stderr, "no tray icon within %lu ms\n", kGiveUpMs);
        return std::nullopt;
    }
    return run;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_win PATH\\Zorbel!.exe [runs]\n");
        return 2;
    }
    const std::wstring program = argv[1];
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 7;
    const int rules = argc > 3 ? std::max(0, _wtoi(argv[3])) : 10000;
    std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    if (folder.empty()) folder = L".";
    const std::wstring settings = settingsFolder();
    if (findCoreWindow()) {
        std::fprintf(stderr, "a Zorbel! is already running; end it first\n");
        return 1;
    }

    std::vector<double> firstTray, firstCore, warmTray;
    int firstRunFiles = 0;
    for (int i = 0; i < runs; ++i) {
        if (!settings.empty()) test::TempFolder::removeTree(settings);
        const auto run = startOnce(program, folder);
        if (!run) return 1;
        firstTray.push_back(run->trayIconMs);
        firstCore.push_back(run->coreWindowMs);
        firstRunFiles += run->settingsWritten;
    }
    for (int i = 0; i < runs; ++i) {
        const auto run = startOnce(program, folder);
        if (!run) return 1;
        warmTray.push_back(run->trayIconMs);
    }

    std::printf("first run, start to core window, median of %d: %.1f ms\n", runs, median(firstCore));
    std::printf("first run, start to tray icon, median of %d: %.1f ms (min %.1f, max %.1f)\n", runs,
                median(firstTray), *std::min_element(firstTray.begin(), firstTray.end()),
                *std::max_element(firstTray.begin(), firstTray.end()));
    std::printf("first runs that had written the settings file by then: %d of %d\n", firstRunFiles, runs);
    std::printf("warm run (settings file present), start to tray icon, median of %d: %.1f ms\n", runs,
                median(warmTray));
    std::fflush(stdout);

    if (rules > 0 && !settings.empty()) {
        const std::string file = settingsFileWithRules(rules, program);
        std::vector<double> rulesCore, rulesTray;
        for (int i = 0; i < runs; ++i) {
            CreateDirectoryW(settings.c_str(), nullptr);
            if (!test::writeBytes(settings + L"\\Zorbel!.ini", file)) {
                std::fprintf(stderr, "cannot write the settings file with %d rules\n", rules);
                return 1;
            }
            const auto run = startOnce(program, folder);
            if (!run) return 1;
            rulesCore.push_back(run->coreWindowMs);
            rulesTray.push_back(run->trayIconMs);
        }
        std::printf("%d rules in the settings file (%.1f MiB), start to core window, median of %d: %.1f ms "
                    "(max %.1f)\n",
                    rules, static_cast<double>(file.size()) / (1024.0 * 1024.0), runs, median(rulesCore),
                    *std::max_element(rulesCore.begin(), rulesCore.end()));
        std::printf("%d rules in the settings file, start to tray icon, median of %d: %.1f ms\n", rules, runs,
                    median(rulesTray));
    }
    return 0;
}
