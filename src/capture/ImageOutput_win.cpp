#include "capture/ImageOutput_win.h"

#include <commdlg.h>

#include <cstring>
#include <memory>
#include <vector>

#include "app/Clipboard_win.h"
#include "app/CoreServices.h"
#include "app/Notifications.h"
#include "app/Handles_win.h"
#include "capture/ClipboardImage.h"
#include "capture/ImageOutputPlan.h"
#include "settings/FileStore_win.h"

namespace zorbel {
namespace {

constexpr DWORD kSaveDialogueFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
// The longest path the system takes: with MAX_PATH a longer name made the dialogue fail (and
// Wine's overflow the buffer).
constexpr std::size_t kFileNameUnits = 32768;

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
    NewFile createNew(const std::u16string& path) override {
        NewFile created = files_.createNew(path);
        // A name that is taken is not a failure: the next name is tried.
        if (!created.writer) {
            if (!created.nameTaken) record(false);
            return created;
        }
        return {std::make_unique<RecordingWriter>(*this, std::move(created.writer)), false};
    }
    std::uint32_t nameNumber() override { return files_.nameNumber(); }
    std::vector<std::u16string> fileNamesIn(const std::u16string& folder) override { return files_.fileNamesIn(folder); }
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

int outputsInProgress = 0;

struct OutputInProgress {
    OutputInProgress() { ++outputsInProgress; }
    ~OutputInProgress() { --outputsInProgress; }
    OutputInProgress(const OutputInProgress&) = delete;
    OutputInProgress& operator=(const OutputInProgress&) = delete;
};

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace

DWORD copyImageToClipboard(const Image& image, HWND owner) {
    EncodedImage dib = encodePackedDib(image);
    if (!dib) return dib.failure == ImageFailure::TooLargeForFormat ? ERROR_ARITHMETIC_OVERFLOW : ERROR_NOT_ENOUGH_MEMORY;
    // The PNG is made from the DIB kept here only when a program pastes it; until then the
    // capture costs no encoding.
    const auto kept = std::make_shared<const std::string>(std::move(dib.bytes));
    const UINT png = RegisterClipboardFormatW(wide(kPngClipboardFormatName));
    return putOnClipboardWithDelayed(owner, CF_DIB, kept->data(), kept->size(), png,
                                     [kept] { return pngFromPackedDib(*kept); });
}

ImageFailureNotice saveImageFile(const Image& image, ImageFormat format, const std::u16string& path) {
    ErrorRecordingFileStore store;
    SetLastError(0);
    const ImageFailure failure = writeImageFile(store, path, format, image);
    return imageFailureNotice(failure, format, store.firstError());
}

void reportImageFailure(const ImageFailureNotice& notice) {
    switch (notice.kind) {
    case ImageFailureNotice::Kind::Nothing:
        break;
    case ImageFailureNotice::Kind::InvalidImage:
        core::showBalloon(8);
        break;
    case ImageFailureNotice::Kind::SystemText:
        core::reportSystemError(notice.systemCode);
        break;
    case ImageFailureNotice::Kind::Text:
        core::showBalloonText(notice.text);
        break;
    }
}

std::optional<ImageFileChoice> askForImageFile(ImageFormat preselected) {
    const std::u16string filter = saveDialogueFilter();
    const std::u16string defaultName = defaultImageFileName(localTimeNow());
    std::vector<wchar_t> fileName(kFileNameUnits, L'\0');
    std::memcpy(fileName.data(), defaultName.c_str(), (defaultName.size() + 1) * sizeof(wchar_t));

    OPENFILENAMEW dialogue{};
    dialogue.lStructSize = sizeof(dialogue);
    dialogue.lpstrFilter = wide(filter);
    dialogue.nFilterIndex = filterIndexOfFormat(preselected);
    dialogue.lpstrFile = fileName.data();
    dialogue.nMaxFile = static_cast<DWORD>(kFileNameUnits);
    dialogue.lpstrTitle = kSaveDialogueTitle;
    dialogue.Flags = kSaveDialogueFlags;
    if (!GetSaveFileNameW(&dialogue)) {
        // A dialogue that failed is no cancel: the user is told that nothing was saved.
        if (const DWORD error = CommDlgExtendedError(); error != 0) core::showBalloonText(saveDialogueFailureText(error));
        return std::nullopt;
    }
    if (fileName[0] == L'\0') return std::nullopt;
    const std::optional<ImageFormat> chosen = formatOfFilterIndex(dialogue.nFilterIndex);
    if (!chosen) return std::nullopt;
    return ImageFileChoice{imageFileTarget(fromWide(fileName.data()), *chosen), *chosen};
}

bool isImageOutputInProgress() { return outputsInProgress > 0; }

bool outputImage(const Image& image) {
    if (!isValidCapture(image)) {
        core::showBalloon(8);
        return false;
    }
    const core::MenuRebuildHold hold;
    const OutputInProgress inProgress;
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
            reportImageFailure(saveImageFile(image, choice->format, choice->path));
        }
    }
    return true;
}

} // namespace zorbel
