#include "windows/WindowMonitor.h"

namespace zorbel {

MonitorRules& monitorRules() {
    static MonitorRules rules(1);
    return rules;
}

} // namespace zorbel
