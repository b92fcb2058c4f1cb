// The bytes a first run writes to the settings file, for the tests that compare with them.
#pragma once

#include <string_view>

namespace zorbel::test {

inline constexpr std::string_view kSettingsFileMark = "\xEF\xBB\xBF\r\n";

inline constexpr std::string_view kDefaultGlobalGroup = "[Global]\r\n"
                                                        "pImageFormat = 0\r\n"
                                                        "pMessageBeep = 1\r\n"
                                                        "pAdministrator = 0\r\n"
                                                        "pClipboard = 1\r\n"
                                                        "pDialogue = 1\r\n"
                                                        "pRepeatCapture = 1\r\n"
                                                        "pMagnifyWindow = 1\r\n"
                                                        "pCapture = 594\r\n"
                                                        "pCaptureCB = 1\r\n"
                                                        "pTopMost = 581\r\n"
                                                        "pTopMostCB = 1\r\n"
                                                        "pUpdate = 1\r\n";

} // namespace zorbel::test
