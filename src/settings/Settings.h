// The program's twelve settings, their keys and defaults, and the settings file that holds them
// together with the window monitor's rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/FileStore.h"
#include "windows/MonitorRule.h"

namespace zorbel {

// Booleans are 0 = off, anything else = on. Hotkeys are hotkey-control values: low byte the
// virtual-key code, high byte HOTKEYF_SHIFT 0x01 / HOTKEYF_CONTROL 0x02 / HOTKEYF_ALT 0x04.
struct Settings {
    std::int32_t pImageFormat = 0; // save-dialogue filter: 0 PNG, 1 BMP, 2 JPG
    std::int32_t pMessageBeep = 1;
    std::int32_t pAdministrator = 0;
    std::int32_t pClipboard = 1;
    std::int32_t pDialogue = 1;
    std::int32_t pRepeatCapture = 1;
    std::int32_t pMagnifyWindow = 1;
    std::int32_t pCapture = 0x252; // Ctrl+R
    std::int32_t pCaptureCB = 1;
    std::int32_t pTopMost = 0x245; // Ctrl+E
    std::int32_t pTopMostCB = 1;
    std::int32_t pUpdate = 1;

    bool operator==(const Settings&) const = default;
};

struct SettingKey {
    std::string_view name;
    std::int32_t Settings::*field;
    std::int32_t defaultValue;
    bool restoredByDefaultSettings; // the Preferences window's "Default Settings" button
};

// Every setting in file order; load, save and the defaults all run through this table.
inline constexpr std::array<SettingKey, 12> kSettingKeys{{
    {"pImageFormat", &Settings::pImageFormat, 0, false},
    {"pMessageBeep", &Settings::pMessageBeep, 1, true},
    {"pAdministrator", &Settings::pAdministrator, 0, true},
    {"pClipboard", &Settings::pClipboard, 1, true},
    {"pDialogue", &Settings::pDialogue, 1, true},
    {"pRepeatCapture", &Settings::pRepeatCapture, 1, true},
    {"pMagnifyWindow", &Settings::pMagnifyWindow, 1, true},
    {"pCapture", &Settings::pCapture, 0x252, true},
    {"pCaptureCB", &Settings::pCaptureCB, 1, true},
    {"pTopMost", &Settings::pTopMost, 0x245, true},
    {"pTopMostCB", &Settings::pTopMostCB, 1, true},
    {"pUpdate", &Settings::pUpdate, 1, false},
}};

// The process-wide settings, filled with the defaults until loadSettings() runs.
Settings& currentSettings();

// Every setting but the image format and pUpdate goes back to its default.
void restoreDefaultSettings(Settings& settings);

// appData is the value of the APPDATA environment variable (empty when it is unset).
std::u16string settingsFolder(std::u16string_view appData); // appData + "\Zorbel!\"
std::u16string settingsFilePath(std::u16string_view appData); // folder + "Zorbel!.ini"

// What one run of the program remembers about its settings file from one load or save to the next.
struct SettingsFileState {
    // Set once the file was found but could not be read whole. What is in memory is then not
    // what the file holds (the defaults, at start-up), and writing it would replace the user's
    // settings and rules; so no save of this run writes the file, even if it reads whole later.
    bool keepFile = false;
};

// The process-wide state that goes with currentSettings().
SettingsFileState& currentSettingsFileState();

enum class SettingsMode { Load, Save };

// Loads or saves the settings and the monitor rules. A load turns into a save on the first run,
// so that the file exists with every default afterwards. Failures are silent: the values in
// memory stay as they are.
void syncSettings(FileStore& store, std::u16string_view appData, SettingsMode mode, Settings& settings,
                  MonitorRules& rules, SettingsFileState& fileState);
void loadSettings(FileStore& store, std::u16string_view appData, Settings& settings, MonitorRules& rules,
                  SettingsFileState& fileState);
void saveSettings(FileStore& store, std::u16string_view appData, const Settings& settings, const MonitorRules& rules,
                  SettingsFileState& fileState);

} // namespace zorbel
