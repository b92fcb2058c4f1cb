#include "app/ToolAccelerators_win.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

std::vector<std::pair<HWND, HACCEL>> tables;

} // namespace

void registerToolAccelerators(HWND window, HACCEL table) {
    unregisterToolAccelerators(window);
    if (window && table) tables.emplace_back(window, table);
}

void unregisterToolAccelerators(HWND window) {
    std::erase_if(tables, [window](const auto& entry) { return entry.first == window; });
}

bool translateToolAccelerator(MSG& message) {
    if (tables.empty() || !message.hwnd) return false;
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const auto found = std::find_if(tables.begin(), tables.end(), [root](const auto& entry) { return entry.first == root; });
    return found != tables.end() && TranslateAcceleratorW(found->first, found->second, &message) != 0;
}

} // namespace zorbel
