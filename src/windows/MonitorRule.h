// One window that the window monitor gives back its TopMost state, as stored in the settings file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorbel {

struct MonitorRule {
    std::u16string title;
    std::u16string fileName; // full path of the window's process executable
    std::u16string className;
    std::int32_t style = 0;   // GWL_STYLE
    std::int32_t exStyle = 0; // GWL_EXSTYLE

    bool operator==(const MonitorRule&) const = default;
};

// Indexed from 1, as the rules are numbered in the file; element 0 exists and stays empty.
using MonitorRules = std::vector<MonitorRule>;

} // namespace zorbel
