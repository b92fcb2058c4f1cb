#include "capture/ImageOutputPlan.h"

#include <utility>

namespace zorbel {
namespace {

void appendTwoDigits(std::u16string& out, int value) {
    out.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
    out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

} // namespace

OutputPlan planImageOutput(std::int32_t clipboard, std::int32_t dialogue, std::int32_t messageBeep) {
    OutputPlan plan;
    plan.copyToClipboard = clipboard != 0;
    plan.showSaveDialogue = dialogue != 0;
    plan.beepWhenCopied = plan.copyToClipboard && !plan.showSaveDialogue && messageBeep != 0;
    return plan;
}

std::u16string defaultImageFileName(const LocalTime& time) {
    std::u16string name;
    appendTwoDigits(name, time.year / 100);
    appendTwoDigits(name, time.year);
    for (const auto& [separator, value] : {std::pair{u'.', time.month}, std::pair{u'.', time.day},
                                           std::pair{u'-', time.hour}, std::pair{u'.', time.minute},
                                           std::pair{u'.', time.second}}) {
        name.push_back(separator);
        appendTwoDigits(name, value);
    }
    return name;
}

std::u16string saveDialogueFilter() {
    static constexpr char16_t kFilter[] = u"PNG Format\0*.png\0BMP Format\0*.bmp\0JPG Format\0*.jpg\0";
    // The literal's own terminator is the list's closing second zero.
    return std::u16string(kFilter, sizeof(kFilter) / sizeof(kFilter[0]));
}

ImageFormat imageFormatFromSetting(std::int32_t setting) {
    switch (setting) {
    case static_cast<std::int32_t>(ImageFormat::Bmp):
        return ImageFormat::Bmp;
    case static_cast<std::int32_t>(ImageFormat::Jpg):
        return ImageFormat::Jpg;
    default:
        return ImageFormat::Png;
    }
}

std::uint32_t filterIndexOfFormat(ImageFormat format) { return static_cast<std::uint32_t>(format) + 1; }

std::optional<ImageFormat> formatOfFilterIndex(std::uint32_t filterIndex) {
    if (filterIndex < 1 || filterIndex > 3) return std::nullopt;
    return static_cast<ImageFormat>(filterIndex - 1);
}

std::u16string_view imageFormatExtension(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp:
        return u".bmp";
    case ImageFormat::Jpg:
        return u".jpg";
    case ImageFormat::Png:
        break;
    }
    return u".png";
}

std::u16string imageFileTarget(std::u16string_view chosenPath, ImageFormat format) {
    std::u16string target(chosenPath);
    target += imageFormatExtension(format);
    return target;
}

ImageFailure writeImageFile(FileStore& store, const std::u16string& path, ImageFormat format, const Image& image) {
    const EncodedImage encoded = encodeImage(format, image);
    if (!encoded) return encoded.failure;
    return writeFileAtomically(store, path, encoded.bytes) ? ImageFailure::None : ImageFailure::WriteFailed;
}

} // namespace zorbel
