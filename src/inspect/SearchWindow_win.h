// The "Search String..." window of the tree viewer: a text field and a "Case Sensitive" box.
#pragma once

#include <windows.h>

namespace zorbel {

// Opens the search window, owned by the tree window; does nothing while it is open.
void openSearchWindow(HWND owner);
void closeSearchWindow();

struct SearchWindowParts {
    HWND window = nullptr;
    HWND field = nullptr;
    HWND caseSensitive = nullptr;
};
SearchWindowParts searchWindowParts();

} // namespace zorbel
