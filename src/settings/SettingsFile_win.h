// Loading and saving the process-wide settings and monitor rules in %APPDATA%\Zorbel!\Zorbel!.ini.
#pragma once

#include <string>

namespace zorbel {

std::u16string appDataFolder(); // the APPDATA variable, empty when unset
void loadSettings();
void saveSettings();
// Fills the process-wide string table from the language file of the user's language, if any.
void loadLanguage();

} // namespace zorbel
