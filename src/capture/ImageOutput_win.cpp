#include "capture/ImageOutput_win.h"

#include <commdlg.h>

#include <cstring>
#include <memory>

#include "app/Clipboard_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "capture/ClipboardImage.h"
#include "capture/ImageOutputPlan.h"
#include "settings/FileStore_win.h"

namespace zorbel {
namespace {

constexpr DWORD kSaveDialogueFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
constexpr std::size_t kFileNameUnits = MAX_PATH;

// The Win32 file calls, remembering the error of the first call that failed: the clean-up after
// a failure makes calls of its own that would overwrite it.
class ErrorRecordingFileStore final : public FileStore {
public:
    DWORD firstError() const { return firstError_; }

    FileAccess readAll(const std::u16string& path, std::string& bytes) override { return files_.readAll(path, bytes); }
    std::optional<std::uint64_t> fileSize(const std::u16string& path) override { return files_.fileSize(path); }
    bool exists(const std::u16string& path) override { return files_.exists(path); }
    bool isDirectory(const std::u16string& path) override { return files_.isDirectory(path); }
    bool createDirectory(const std::u16string& path) override { return record(files_.createDirectory(path)); }
    std::unique_ptr<Writer> createForWriting(const std::u16string& path) override {
        auto writer = files_.createForWriting(path);
        if (!writer) {
            record(false);
            return nullptr;
        }
        return std::make_unique<RecordingWriter>(*this, std::move(writer));
    }
    bool replace(const std::u16string& from, const std::u16string& to) override {
        return record(files_.replace(from, to));
    }
    bool remove(const std::u16string& path) override { return files_.remove(path); }

private:
    class RecordingWriter final : public Writer {
    public:
        RecordingWriter(ErrorRecordingFileStore& store, std::unique_ptr<Writer> inner)
            : store_(store), inner_(std::move(inner)) {}
        bool write(std::string_view bytes) override { return store_.record(inner_->write(bytes)); }
        bool flush() override { return store_.record(inner_->flush()); }
        bool close() override { return store_.record(inner_->close()); }

    private:
        ErrorRecordingFileStore& store_;
        std::unique_ptr<Writer> inner_;
    };

    bool record(bool succeeded) {
        if (!succeeded && firstError_ == 0) {
            firstError_ = GetLastError();
            if (firstError_ == 0) firstError_ = ERROR_WRITE_FAULT;
        }
        return succeeded;
    }

    Win32FileStore files_;
    DWORD firstError_ = 0;
};

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace

DWORD copyImageToClipboard(const Image& image, HWND owner) {
    std::optional<std::string> dib = encodePackedDib(image);
    if (!dib) return ERROR_NOT_ENOUGH_MEMORY;
    // The PNG is made from the DIB kept here only when a program pastes it; until then the
    // capture costs no encoding.
    const auto kept = std::make_shared<const std::string>(std::move(*dib));
    const UINT png = RegisterClipboardFormatW(wide(kPngClipboardFormatName));
    return putOnClipboardWithDelayed(owner, CF_DIB, kept->data(), kept->size(), png,
                                     [kept] { return pngFromPackedDib(*kept); });
}

DWORD saveImageFile(const Image& image, ImageFormat format, const std::u16string& path) {
    ErrorRecordingFileStore store;
    SetLastError(0);
    switch (writeImageFile(store, path, format, image)) {
    case ImageWriteResult::Written:
        return 0;
    case ImageWriteResult::EncodingFailed:
        // The image was checked before; what is left is the libraries running out of memory.
        return ERROR_NOT_ENOUGH_MEMORY;
    case ImageWriteResult::WritingFailed:
        break;
    }
    return store.firstError() != 0 ? store.firstError() : ERROR_WRITE_FAULT;
}

std::optional<ImageFileChoice> askForImageFile(ImageFormat preselected) {
    const std::u16string filter = saveDialogueFilter();
    const std::u16string defaultName = defaultImageFileName(localTimeNow());
    wchar_t fileName[kFileNameUnits]{};
    std::memcpy(fileName, defaultName.c_str(), (defaultName.size() + 1) * sizeof(wchar_t));

    OPENFILENAMEW dialogue{};
    dialogue.lStructSize = sizeof(dialogue);
    dialogue.lpstrFilter = wide(filter);
    dialogue.nFilterIndex = filterIndexOfFormat(preselected);
    dialogue.lpstrFile = fileName;
    dialogue.nMaxFile = static_cast<DWORD>(kFileNameUnits);
    dialogue.lpstrTitle = kSaveDialogueTitle;
    dialogue.Flags = kSaveDialogueFlags;
    if (!GetSaveFileNameW(&dialogue) || fileName[0] == L'\0') return std::nullopt;
    const std::optional<ImageFormat> chosen = formatOfFilterIndex(dialogue.nFilterIndex);
    if (!chosen) return std::nullopt;
    return ImageFileChoice{imageFileTarget(fromWide(fileName), *chosen), *chosen};
}

bool outputImage(const Image& image) {
    if (!isValidCapture(image)) {
        core::showBalloon(8);
        return false;
    }
    const core::MenuRebuildHold hold;
    Settings& settings = core::settings();
    const OutputPlan plan = planImageOutput(settings.pClipboard, settings.pDialogue, settings.pMessageBeep);

    if (plan.copyToClipboard) {
        if (const DWORD error = copyImageToClipboard(image, core::window()); error != 0)
            core::reportSystemError(error);
        else if (plan.beepWhenCopied)
            MessageBeep(MB_ICONEXCLAMATION);
    }

    if (plan.showSaveDialogue) {
        if (const auto choice = askForImageFile(imageFormatFromSetting(settings.pImageFormat))) {
            const auto chosenSetting = static_cast<std::int32_t>(choice->format);
            if (chosenSetting != settings.pImageFormat) {
                settings.pImageFormat = chosenSetting;
                core::saveSettings();
            }
            if (const DWORD error = saveImageFile(image, choice->format, choice->path); error != 0)
                core::reportSystemError(error);
        }
    }
    return true;
}

} // namespace zorbel
