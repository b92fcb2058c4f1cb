// The windows the user asked to keep TopMost, remembered across runs in the settings file.
#pragma once

#include "windows/MonitorRule.h"

namespace zorbel {

// The process-wide rule list; index 0 exists and stays empty.
MonitorRules& monitorRules();

} // namespace zorbel
