#include "settings/SettingsFile_win.h"

#include <windows.h>

#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/Handles_win.h"
#include "settings/FileStore_win.h"
#include "settings/Settings.h"
#include "settings/StringTable.h"
#include "windows/WindowMonitor.h"

namespace zorbel {

std::u16string appDataFolder() {
    const DWORD needed = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (needed == 0) return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer.data(), needed);
    if (length == 0 || length >= needed) return {};
    return fromWide(buffer.data(), length);
}

void loadSettings() {
    Win32FileStore store;
    syncSettings(store, appDataFolder(), SettingsMode::Load, currentSettings(), monitorRules(),
                 currentSettingsFileState());
}

void saveSettings() {
    Win32FileStore store;
    syncSettings(store, appDataFolder(), SettingsMode::Save, currentSettings(), monitorRules(),
                 currentSettingsFileState());
}

namespace {

std::u16string workingDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    if (length == 0 || length >= needed) return {};
    return fromWide(buffer.data(), length);
}

std::u16string userLanguageCode() {
    const auto getLocaleInfoEx = bound().GetLocaleInfoEx;
    if (!getLocaleInfoEx) return {};
    const int length = getLocaleInfoEx(nullptr, LOCALE_SISO639LANGNAME2, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    if (getLocaleInfoEx(nullptr, LOCALE_SISO639LANGNAME2, buffer.data(), length) <= 0) return {};
    return fromWide(buffer.data());
}

} // namespace

void loadLanguage() {
    Win32FileStore store;
    zorbel::loadLanguage(store, workingDirectory(), userLanguageCode(), strings());
}

} // namespace zorbel
