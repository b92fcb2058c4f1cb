#include "capture/ImageOutput_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "CaptureTestSupport.h"
#include "WinTestSupport.h"
#include "app/Clipboard_win.h"
#include "app/CoreWindow_win.h"
#include "capture/ImageOutputPlan.h"
#include "settings/Settings.h"

namespace zorbel {
namespace {

class ImageOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::prepareTrayProcess()); }

    test::CaptureSettingsScope settingsScope;
};

void expectPictureIs(const test::Picture& picture, const Image& image) {
    ASSERT_EQ(picture.width, image.width);
    ASSERT_EQ(picture.height, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            ASSERT_EQ(picture.at(x, y), RGB(p[2], p[1], p[0])) << x << "," << y;
        }
    }
}

// ---- Clipboard -------------------------------------------------------------------------------

TEST_F(ImageOutputTest, ClipboardGetsTheImageAsADib) {
    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"before"));
    const Image image = test::patternImage(37, 21);
    ASSERT_EQ(copyImageToClipboard(image, coreWindow()), 0u);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "the clipboard was emptied first";
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    expectPictureIs(*picture, image);
    // The system made the other bitmap formats from it: the memory is the clipboard's now.
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
}

// What another thread finds on the clipboard in that format. This thread meanwhile waits in
// SendMessageW, which answers the render request sent to the core window as the message loop does.
std::optional<std::string> readOnAnotherThread(UINT format) {
    test::WindowThread reader;
    std::optional<std::string> bytes;
    reader.runOnThread([&] { bytes = test::clipboardBytes(format); });
    return bytes;
}

TEST_F(ImageOutputTest, ClipboardOffersAPngOfTheSamePixelsMadeOnlyWhenAskedFor) {
    const Image image = test::patternImage(37, 21);
    ASSERT_EQ(copyImageToClipboard(image, coreWindow()), 0u);
    ASSERT_TRUE(IsClipboardFormatAvailable(test::pngClipboardFormat()));
    EXPECT_TRUE(hasDelayedClipboardFormat()) << "no PNG is made before a program asks for one";

    const std::optional<std::string> png = readOnAnotherThread(test::pngClipboardFormat());
    ASSERT_TRUE(png);
    const auto fromPng = test::pictureFromPng(png->data(), png->size());
    ASSERT_TRUE(fromPng);
    expectPictureIs(*fromPng, image);
    EXPECT_FALSE(hasDelayedClipboardFormat()) << "the kept DIB is let go once the PNG is on the clipboard";

    const std::optional<std::string> dib = readOnAnotherThread(CF_DIB);
    ASSERT_TRUE(dib);
    const auto fromDib = test::pictureFromPackedDib(dib->data(), dib->size());
    ASSERT_TRUE(fromDib);
    expectPictureIs(*fromDib, image);
}

TEST_F(ImageOutputTest, PngNotYetPastedIsRenderedBeforeTheCoreWindowGoes) {
    const Image image = test::patternImage(19, 3);
    ASSERT_EQ(copyImageToClipboard(image, coreWindow()), 0u);
    ASSERT_TRUE(hasDelayedClipboardFormat());
    destroyCoreWindow(); // as the exit does
    ASSERT_TRUE(test::prepareTrayProcess());
    EXPECT_FALSE(hasDelayedClipboardFormat());
    const std::optional<std::string> png = readOnAnotherThread(test::pngClipboardFormat());
    ASSERT_TRUE(png) << "the PNG left with the program";
    const auto picture = test::pictureFromPng(png->data(), png->size());
    ASSERT_TRUE(picture);
    expectPictureIs(*picture, image);
    EXPECT_TRUE(test::clipboardHasDib());
}

// The DIB kept for rendering is let go when anything replaces the clipboard's contents: a copy of
// ours, or another program's (which the core window hears as WM_DESTROYCLIPBOARD).
TEST_F(ImageOutputTest, KeptDibIsLetGoWhenTheClipboardIsReplaced) {
    ASSERT_EQ(copyImageToClipboard(test::patternImage(8, 8), coreWindow()), 0u);
    ASSERT_TRUE(hasDelayedClipboardFormat());
    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"ours"));
    EXPECT_FALSE(hasDelayedClipboardFormat());

    ASSERT_EQ(copyImageToClipboard(test::patternImage(8, 8), coreWindow()), 0u);
    ASSERT_TRUE(hasDelayedClipboardFormat());
    test::WindowThread other;
    test::WindowShape shape;
    shape.style = WS_POPUP;
    HWND otherWindow = other.createWindow(shape);
    ASSERT_NE(otherWindow, nullptr);
    bool emptied = false;
    other.runOnThread([&] {
        const OpenClipboardScope clipboard(otherWindow);
        emptied = clipboard && EmptyClipboard();
    });
    ASSERT_TRUE(emptied);
    EXPECT_FALSE(hasDelayedClipboardFormat());
}

TEST_F(ImageOutputTest, ClipboardHeldByAnotherThreadIsReportedNotWaitedFor) {
    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"kept"));
    test::WindowThread holder;
    test::WindowShape shape;
    shape.style = WS_POPUP;
    HWND holderWindow = holder.createWindow(shape);
    ASSERT_NE(holderWindow, nullptr);
    bool opened = false;
    holder.runOnThread([&] { opened = OpenClipboard(holderWindow) != FALSE; });
    ASSERT_TRUE(opened);

    const ULONGLONG start = GetTickCount64();
    const DWORD error = copyImageToClipboard(test::patternImage(8, 8), coreWindow());
    EXPECT_NE(error, 0u);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    // outputImage survives it too and still counts the image as valid.
    currentSettings().pClipboard = 1;
    currentSettings().pDialogue = 0;
    EXPECT_TRUE(outputImage(test::patternImage(8, 8)));

    holder.runOnThread([] { CloseClipboard(); });
    EXPECT_FALSE(test::clipboardHasDib()) << "nothing was put on the clipboard";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    // Once it is free again the copy works.
    EXPECT_EQ(copyImageToClipboard(test::patternImage(8, 8), coreWindow()), 0u);
    EXPECT_TRUE(test::clipboardHasDib());
}

TEST_F(ImageOutputTest, OutputImageFollowsTheClipboardSetting) {
    currentSettings().pDialogue = 0;
    const Image image = test::patternImage(5, 9);

    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"untouched"));
    currentSettings().pClipboard = 0;
    EXPECT_TRUE(outputImage(image));
    EXPECT_FALSE(test::clipboardHasDib());

    currentSettings().pClipboard = 1;
    EXPECT_TRUE(outputImage(image));
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    expectPictureIs(*picture, image);
}

TEST_F(ImageOutputTest, InvalidImageIsRefused) {
    currentSettings().pClipboard = 1;
    currentSettings().pDialogue = 0;
    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"untouched"));
    Image broken = test::patternImage(4, 4);
    broken.pixels.resize(3);
    EXPECT_FALSE(outputImage(broken));
    EXPECT_FALSE(outputImage(Image{}));
    EXPECT_FALSE(test::clipboardHasDib());
}

// ---- Files -----------------------------------------------------------------------------------

std::vector<std::wstring> fileNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (find)
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ImageOutputTest, FilesOfEveryTypeAreWrittenWhole) {
    test::TempFolder folder;
    const Image image = test::patternImage(31, 17);
    struct Case {
        ImageFormat format;
        const char* magic;
    };
    const Case cases[] = {{ImageFormat::Png, "\x89PNG\r\n\x1a\n"}, {ImageFormat::Bmp, "BM"}, {ImageFormat::Jpg, "\xff\xd8\xff"}};
    for (const Case& c : cases) {
        const std::wstring path = folder.file(L"shot" + std::to_wstring(static_cast<int>(c.format)));
        // An older file of that name is replaced.
        ASSERT_TRUE(test::writeBytes(path, "older"));
        ASSERT_EQ(saveImageFile(image, c.format, test::u16(path)).kind, ImageFailureNotice::Kind::Nothing);
        const auto bytes = test::readBytes(path);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*bytes, encodeImage(c.format, image).bytes);
        EXPECT_EQ(bytes->rfind(c.magic, 0), 0u);
    }
    EXPECT_EQ(fileNames(folder.path()).size(), 3u) << "a temporary file is left";
}

TEST_F(ImageOutputTest, FilesOfTheUsersBesideTheTargetAreLeftAlone) {
    test::TempFolder folder;
    const Image image = test::patternImage(6, 6);
    ASSERT_TRUE(test::writeBytes(folder.file(L"a.png.tmp"), "the user's"));
    ASSERT_EQ(saveImageFile(image, ImageFormat::Png, test::u16(folder.file(L"a.png"))).kind,
              ImageFailureNotice::Kind::Nothing);
    EXPECT_EQ(test::readBytes(folder.file(L"a.png.tmp")), "the user's");
    EXPECT_EQ(test::readBytes(folder.file(L"a.png")), encodeImage(ImageFormat::Png, image).bytes);
    EXPECT_EQ(fileNames(folder.path()), (std::vector<std::wstring>{L"a.png", L"a.png.tmp"}));

    // A name as long as a name may be: the temporary file's must be no longer.
    const std::wstring longest = std::wstring(251, L'n') + L".png";
    ASSERT_EQ(saveImageFile(image, ImageFormat::Png, test::u16(folder.file(longest))).kind,
              ImageFailureNotice::Kind::Nothing);
    EXPECT_TRUE(test::fileExists(folder.file(longest)));
    EXPECT_EQ(fileNames(folder.path()).size(), 3u);
}

TEST_F(ImageOutputTest, UnwritableTargetsAreReportedAndLeaveNothing) {
    test::TempFolder folder;
    const Image image = test::patternImage(6, 6);

    const std::wstring missingFolder = folder.file(L"no such folder\\shot.png");
    const ImageFailureNotice missing = saveImageFile(image, ImageFormat::Png, test::u16(missingFolder));
    EXPECT_EQ(missing.kind, ImageFailureNotice::Kind::SystemText);
    EXPECT_EQ(missing.systemCode, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(test::fileExists(missingFolder));

    // A folder stands where the file would go: the finished temporary file cannot replace it.
    const std::wstring occupied = folder.file(L"taken.png");
    ASSERT_TRUE(CreateDirectoryW(occupied.c_str(), nullptr));
    EXPECT_EQ(saveImageFile(image, ImageFormat::Png, test::u16(occupied)).kind, ImageFailureNotice::Kind::SystemText);
    EXPECT_TRUE(fileNames(folder.path()).empty()) << "a temporary file is left";
    EXPECT_TRUE(GetFileAttributesW(occupied.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    Image broken = image;
    broken.pixels.clear();
    const std::wstring never = folder.file(L"never.png");
    EXPECT_EQ(saveImageFile(broken, ImageFormat::Png, test::u16(never)).kind, ImageFailureNotice::Kind::InvalidImage);
    EXPECT_FALSE(test::fileExists(never));
}

// ---- The save dialogue -----------------------------------------------------------------------

constexpr int kFileNameCombo = 0x47c; // cmb13
constexpr int kFileNameEdit = 0x480;  // edt1
constexpr int kFileTypeCombo = 0x470; // cmb1

// Answers the save dialogue from another thread, as a user would.
class DialogueAnswer {
public:
    // fileName empty: press Cancel. chooseType < 0: keep the preselected type.
    DialogueAnswer(std::wstring fileName, int chooseType)
        : thread_([this, fileName, chooseType] { run(fileName, chooseType); }) {}
    ~DialogueAnswer() {
        if (thread_.joinable()) thread_.join();
    }
    DialogueAnswer(const DialogueAnswer&) = delete;
    DialogueAnswer& operator=(const DialogueAnswer&) = delete;

    void join() { thread_.join(); }
    bool found() const { return found_; }
    int preselectedType() const { return preselected_; }
    const std::wstring& defaultName() const { return defaultName_; }

private:
    void run(const std::wstring& fileName, int chooseType) {
        HWND dialogue = nullptr;
        for (int i = 0; i < 1000 && !dialogue; ++i) {
            dialogue = FindWindowW(L"#32770", kSaveDialogueTitle);
            if (!dialogue) Sleep(10);
        }
        if (!dialogue) return;
        found_ = true;
        HWND types = GetDlgItem(dialogue, kFileTypeCombo);
        preselected_ = static_cast<int>(SendMessageW(types, CB_GETCURSEL, 0, 0));
        HWND name = GetDlgItem(dialogue, kFileNameCombo);
        if (!name) name = GetDlgItem(dialogue, kFileNameEdit);
        wchar_t text[MAX_PATH]{};
        GetWindowTextW(name, text, MAX_PATH);
        defaultName_ = text;
        if (fileName.empty()) {
            PostMessageW(dialogue, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        if (chooseType >= 0) {
            SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(chooseType), 0);
            // What a click on the list sends: the dialogue reads the type on either notification.
            for (WORD code : {CBN_SELENDOK, CBN_SELCHANGE})
                SendMessageW(dialogue, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, code), reinterpret_cast<LPARAM>(types));
        }
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
        PostMessageW(dialogue, WM_COMMAND, IDOK, 0);
    }

    std::atomic<bool> found_{false};
    int preselected_ = -1;
    std::wstring defaultName_;
    std::thread thread_;
};

bool looksLikeDefaultName(const std::wstring& name) {
    // yyyy.mm.dd-hh.ii.ss
    if (name.size() != 19) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const wchar_t want = i == 4 || i == 7 || i == 13 || i == 16 ? L'.' : i == 10 ? L'-' : L'0';
        if (want == L'0' ? !iswdigit(name[i]) : name[i] != want) return false;
    }
    return true;
}

TEST_F(ImageOutputTest, SaveDialogueWritesTheChosenTypeAndRemembersIt) {
    test::TempFolder folder;
    currentSettings().pClipboard = 0;
    currentSettings().pDialogue = 1;
    currentSettings().pImageFormat = 1; // BMP preselected
    const Image image = test::patternImage(12, 10);

    // JPG chosen for a name that already ends in ".png": the type wins, its extension is added.
    {
        DialogueAnswer answer(folder.file(L"picked.png"), 2);
        EXPECT_TRUE(outputImage(image));
        answer.join();
        ASSERT_TRUE(answer.found());
        EXPECT_EQ(answer.preselectedType(), 1);
        EXPECT_TRUE(looksLikeDefaultName(answer.defaultName())) << std::string(answer.defaultName().begin(), answer.defaultName().end());
    }
    const auto jpeg = test::readBytes(folder.file(L"picked.png.jpg"));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(*jpeg, encodeJpeg(image).value());
    EXPECT_FALSE(test::fileExists(folder.file(L"picked.png")));
    EXPECT_EQ(currentSettings().pImageFormat, 2);
    // ... and saved at once.
    const auto saved = test::readBytes(settingsScope.appData().file(L"Zorbel!\\Zorbel!.ini"));
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("pImageFormat = 2"), std::string::npos);

    // The next dialogue preselects JPG.
    {
        DialogueAnswer answer(folder.file(L"again"), -1);
        EXPECT_TRUE(outputImage(image));
        answer.join();
        ASSERT_TRUE(answer.found());
        EXPECT_EQ(answer.preselectedType(), 2);
    }
    EXPECT_TRUE(test::fileExists(folder.file(L"again.jpg")));
}

TEST_F(ImageOutputTest, CancelledDialogueWritesNothingAndKeepsTheClipboardCopy) {
    currentSettings().pClipboard = 1;
    currentSettings().pDialogue = 1;
    currentSettings().pImageFormat = 0;
    const Image image = test::patternImage(7, 7);
    // The name field held the default name when Cancel was pressed: nothing may be written under
    // it, in the current folder or anywhere.
    test::TempFolder folder;
    wchar_t previousFolder[MAX_PATH]{};
    GetCurrentDirectoryW(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path().c_str()));
    {
        DialogueAnswer answer(L"", -1);
        EXPECT_TRUE(outputImage(image));
        answer.join();
        ASSERT_TRUE(answer.found());
        EXPECT_EQ(answer.preselectedType(), 0);
    }
    SetCurrentDirectoryW(previousFolder);
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileW(folder.file(L"*.png").c_str(), &found));
    EXPECT_FALSE(find) << "a file was written: " << found.cFileName;
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    expectPictureIs(*picture, image);
    EXPECT_EQ(currentSettings().pImageFormat, 0);
    EXPECT_FALSE(test::fileExists(settingsScope.appData().file(L"Zorbel!\\Zorbel!.ini")));
}

} // namespace
} // namespace zorbel
