// Putting data on the clipboard, for every window that copies something.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace zorbel {

// Replaces the clipboard's contents with one block of data in the format. The owner is a window
// of ours: with none, EmptyClipboard leaves the clipboard ownerless and SetClipboardData is
// documented to fail. Returns 0, or the error that stopped it (never 0 for a failure).
DWORD putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size);
// The text as CF_UNICODETEXT.
DWORD putTextOnClipboard(HWND owner, const std::u16string& text);

// Makes the data of a format offered with delayed rendering; nothing when it cannot.
using ClipboardRenderer = std::function<std::optional<std::string>()>;

// As putOnClipboard, and offers a second format whose data the renderer makes only when a program
// asks for it (delayed rendering). The owner's window procedure must hand WM_RENDERFORMAT,
// WM_RENDERALLFORMATS and WM_DESTROYCLIPBOARD to the functions below. A delayed format that
// cannot be offered is left out; the first format is what counts.
DWORD putOnClipboardWithDelayed(HWND owner, UINT format, const void* data, std::size_t size, UINT delayedFormat,
                                ClipboardRenderer render);

// WM_RENDERFORMAT: a program asks for the delayed format's data; the clipboard is open already.
void renderDelayedClipboardFormat(UINT format) noexcept;
// WM_RENDERALLFORMATS, and before the owner goes away: renders what is still delayed, so that it
// stays on the clipboard after the program has ended.
void renderAllDelayedClipboardFormats(HWND owner) noexcept;
// WM_DESTROYCLIPBOARD: the clipboard was emptied, so the data kept for rendering is let go.
void forgetDelayedClipboardFormats() noexcept;
// True while a delayed format waits for a program to ask for it.
bool hasDelayedClipboardFormat() noexcept;

} // namespace zorbel
