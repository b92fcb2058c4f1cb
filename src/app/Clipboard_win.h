// Putting data on the clipboard, for every window that copies something.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace zorbel {

// Replaces the clipboard's contents with one block of data in the format. The owner is a window
// of ours: with none, EmptyClipboard leaves the clipboard ownerless and SetClipboardData is
// documented to fail. Returns 0, or the error that stopped it (never 0 for a failure).
DWORD putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);
// The text as CF_UNICODETEXT.
DWORD putTextOnClipboard(HWND owner, const std::u16string& text);

} // namespace zorbel
