// What happens to a captured image: the clipboard, the save dialogue, the file name and type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "capture/ImageEncoding.h"
#include "settings/FileStore.h"

namespace zorbel {

struct OutputPlan {
    bool copyToClipboard = false;
    // The sound that confirms a capture that goes to the clipboard only; played once the copy
    // succeeded, never for a copy that failed.
    bool beepWhenCopied = false;
    bool showSaveDialogue = false;
};

// From the settings pClipboard, pDialogue and pMessageBeep (0 off, anything else on).
OutputPlan planImageOutput(std::int32_t clipboard, std::int32_t dialogue, std::int32_t messageBeep);

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "2024.03.07-14.05.09": the save dialogue's default name, without folder or extension.
std::u16string defaultImageFileName(const LocalTime& time);

// The save dialogue's filter list: description and pattern pairs, each ended by a zero, and a
// second zero at the end.
std::u16string saveDialogueFilter();

// The file type the dialogue preselects for the pImageFormat setting; a value that names no type
// (a hand-edited settings file) preselects PNG.
ImageFormat imageFormatFromSetting(std::int32_t setting);
// The dialogue counts its file types from 1.
std::uint32_t filterIndexOfFormat(ImageFormat format);
// The type of the filter the user chose; nothing for an index the list does not have.
std::optional<ImageFormat> formatOfFilterIndex(std::uint32_t filterIndex);

std::u16string_view imageFormatExtension(ImageFormat format); // ".png", ".bmp", ".jpg"

// The file written for the dialogue's answer: the extension of the chosen type is always
// appended, so the encoder and the extension never disagree ("a.png" as JPG is "a.png.jpg").
std::u16string imageFileTarget(std::u16string_view chosenPath, ImageFormat format);

// Encodes the image and writes it to path through a temporary file, so that a failure at any
// point leaves no partial file and an existing file is replaced only by a complete one. An
// encoder's failure creates nothing; WriteFailed leaves nothing behind, and an older file stays.
ImageFailure writeImageFile(FileStore& store, const std::u16string& path, ImageFormat format, const Image& image);

} // namespace zorbel
