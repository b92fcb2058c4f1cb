// Unicode text onto the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace zorbel {

// Replaces the clipboard's contents with the text (CF_UNICODETEXT). A failure is shown with the
// system's text.
[[nodiscard]] bool copyTextToClipboard(HWND owner, const std::u16string& text);

} // namespace zorbel
