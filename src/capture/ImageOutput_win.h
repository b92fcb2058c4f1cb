// The one exit of every capture: the clipboard and/or a file chosen in the save dialogue.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/ImageOps.h"
#include "capture/ImageEncoding.h"

namespace zorbel {

// Copies and saves the image as the settings say; failures are shown as balloons. False only for
// an image that is not valid (balloon 8). The caller keeps the image and frees it.
bool outputImage(const Image& image);
// True while outputImage() runs, its save dialogue's modal loop included, for any capture.
bool isImageOutputInProgress();

// Puts the image on the clipboard as CF_DIB, with owner as the clipboard's owner window, and
// offers it as "PNG" too, rendered when a program asks for it (the owner's window procedure hands
// the clipboard's render messages to Clipboard_win.h).
// 0 on success, else the Win32 error (the clipboard held open by another program, say).
[[nodiscard]] DWORD copyImageToClipboard(const Image& image, HWND owner);

// Writes the image as a file of that format; an existing file is replaced only by a complete
// new one. What to tell the user: Kind::Nothing on success, else the failure (a refused write,
// no memory, a picture the format cannot hold).
[[nodiscard]] ImageFailureNotice saveImageFile(const Image& image, ImageFormat format, const std::u16string& path);
// Shows the notice as a balloon (nothing for Kind::Nothing).
void reportImageFailure(const ImageFailureNotice& notice);

struct ImageFileChoice {
    std::u16string path; // the target, extension of the type already appended
    ImageFormat format;
};

// Shows the save dialogue with the type preselected; nothing when it was cancelled, or when it
// failed (that is reported).
std::optional<ImageFileChoice> askForImageFile(ImageFormat preselected);

// Dialogue title, for finding the dialogue from outside.
inline constexpr wchar_t kSaveDialogueTitle[] = L"Saving your image...";

} // namespace zorbel
