#include "capture/ImageOutputPlan.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/MemoryFileStore.h"

namespace zorbel {
namespace {

// ---- What a capture does ---------------------------------------------------------------------

TEST(ImageOutputPlanTest, SettingsDecideClipboardDialogueAndBeep) {
    struct Case {
        std::int32_t clipboard, dialogue, beep;
        bool copy, beepWhenCopied, dialogueShown;
    };
    const Case cases[] = {
        {1, 1, 1, true, false, true},   // the dialogue is confirmation enough
        {1, 0, 1, true, true, false},   // clipboard only: a beep confirms it
        {1, 0, 0, true, false, false},  // ... unless sounds are off
        {0, 1, 1, false, false, true},
        {0, 0, 1, false, false, false}, // no visible result at all
        {7, 0, -1, true, true, false},  // any non-zero value is on
    };
    for (const Case& c : cases) {
        const OutputPlan plan = planImageOutput(c.clipboard, c.dialogue, c.beep);
        EXPECT_EQ(plan.copyToClipboard, c.copy) << c.clipboard << c.dialogue << c.beep;
        EXPECT_EQ(plan.beepWhenCopied, c.beepWhenCopied) << c.clipboard << c.dialogue << c.beep;
        EXPECT_EQ(plan.showSaveDialogue, c.dialogueShown) << c.clipboard << c.dialogue << c.beep;
    }
}

// ---- Names -------------------------------------------------------------------------------------

TEST(ImageOutputPlanTest, DefaultNameIsTheLocalTimeWithLeadingZeros) {
    struct Case {
        LocalTime time;
        const char16_t* name;
    };
    const Case cases[] = {
        {{2024, 3, 7, 14, 5, 9}, u"2024.03.07-14.05.09"},
        {{1999, 12, 31, 23, 59, 59}, u"1999.12.31-23.59.59"},
        {{2030, 1, 1, 0, 0, 0}, u"2030.01.01-00.00.00"},
        {{987, 10, 10, 10, 10, 10}, u"0987.10.10-10.10.10"},
    };
    for (const Case& c : cases) EXPECT_EQ(defaultImageFileName(c.time), c.name);
}

// The dialogue counts filter pairs from 1 up to the empty string that ends the list: each file
// type's index must land on its own pattern.
TEST(ImageOutputPlanTest, EachFilterIndexNamesItsTypesPattern) {
    const std::u16string filter = saveDialogueFilter();
    std::vector<std::u16string> parts;
    for (std::size_t start = 0; start < filter.size();) {
        const std::size_t end = filter.find(u'\0', start);
        ASSERT_NE(end, std::u16string::npos) << "a part is not ended by a zero";
        if (end == start) break; // the empty string ends the list
        parts.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(parts.size(), 6u);
    for (const ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Jpg}) {
        const std::uint32_t index = filterIndexOfFormat(format);
        ASSERT_GE(index, 1u);
        ASSERT_LE(index * 2, parts.size());
        EXPECT_EQ(parts[index * 2 - 1], u"*" + std::u16string(imageFormatExtension(format)));
    }
}

TEST(ImageOutputPlanTest, FileTypesAndTheirFilterIndexes) {
    struct Case {
        std::int32_t setting;
        ImageFormat format;
        std::uint32_t filterIndex;
        const char16_t* extension;
    };
    const Case cases[] = {
        {0, ImageFormat::Png, 1, u".png"},
        {1, ImageFormat::Bmp, 2, u".bmp"},
        {2, ImageFormat::Jpg, 3, u".jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(imageFormatFromSetting(c.setting), c.format);
        EXPECT_EQ(filterIndexOfFormat(c.format), c.filterIndex);
        EXPECT_EQ(formatOfFilterIndex(c.filterIndex), c.format);
        EXPECT_EQ(imageFormatExtension(c.format), c.extension);
    }
    // A hand-edited setting preselects PNG; the dialogue never answers outside its list, but if it
    // did, there is no type to write.
    for (std::int32_t setting : {-1, 3, 1000}) EXPECT_EQ(imageFormatFromSetting(setting), ImageFormat::Png) << setting;
    for (std::uint32_t index : {0u, 4u, 0xFFFFFFFFu}) EXPECT_FALSE(formatOfFilterIndex(index)) << index;
}

TEST(ImageOutputPlanTest, TheChosenTypesExtensionIsAlwaysAppended) {
    struct Case {
        const char16_t* chosen;
        ImageFormat format;
        const char16_t* target;
    };
    const Case cases[] = {
        {u"C:\\shots\\2024.03.07-14.05.09", ImageFormat::Png, u"C:\\shots\\2024.03.07-14.05.09.png"},
        {u"C:\\shots\\name.png", ImageFormat::Png, u"C:\\shots\\name.png.png"},
        {u"C:\\shots\\name.png", ImageFormat::Jpg, u"C:\\shots\\name.png.jpg"},
        {u"D:\\a b\\x", ImageFormat::Bmp, u"D:\\a b\\x.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(imageFileTarget(c.chosen, c.format), c.target);
}

// ---- Writing a file ----------------------------------------------------------------------------

Image smallImage() {
    Image image;
    image.width = 5;
    image.height = 3;
    image.pixels.assign(5 * 3 * 4, 0x40);
    return image;
}

constexpr char16_t kFolder[] = u"C:\\shots";
constexpr char16_t kTarget[] = u"C:\\shots\\a.png";

TEST(ImageOutputPlanTest, WrittenFileHoldsTheEncodedImageInEveryFormat) {
    for (ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Jpg}) {
        test::MemoryFileStore store;
        store.directories.insert(kFolder);
        store.files[kTarget] = "an older picture";
        EXPECT_EQ(writeImageFile(store, kTarget, format, smallImage()), ImageFailure::None);
        EXPECT_EQ(store.files[kTarget], encodeImage(format, smallImage()).bytes) << static_cast<int>(format);
        EXPECT_EQ(store.files.size(), 1u) << "a file besides the target is left";
    }
}

TEST(ImageOutputPlanTest, EncoderFailureCreatesNothing) {
    test::MemoryFileStore store;
    store.directories.insert(kFolder);
    store.files[kTarget] = "an older picture";
    Image broken = smallImage();
    broken.pixels.resize(7);
    EXPECT_EQ(writeImageFile(store, kTarget, ImageFormat::Png, broken), ImageFailure::InvalidImage);
    EXPECT_EQ(store.files[kTarget], "an older picture");
    EXPECT_EQ(store.files.size(), 1u);
    EXPECT_EQ(store.mutatingCalls, 0u);
}

TEST(ImageOutputPlanTest, AFailureAtAnyStepOfTheWriteLeavesNoPartialFile) {
    // create, write, flush, close, replace: fail each in turn.
    for (std::size_t failAt = 1; failAt <= 5; ++failAt) {
        test::MemoryFileStore store;
        store.directories.insert(kFolder);
        store.files[kTarget] = "an older picture";
        store.failAtCall = failAt;
        EXPECT_EQ(writeImageFile(store, kTarget, ImageFormat::Bmp, smallImage()), ImageFailure::WriteFailed)
            << failAt;
        EXPECT_EQ(store.files[kTarget], "an older picture") << failAt;
        EXPECT_EQ(store.files.size(), 1u) << failAt;
    }
    // A folder that does not exist.
    test::MemoryFileStore store;
    EXPECT_EQ(writeImageFile(store, kTarget, ImageFormat::Png, smallImage()), ImageFailure::WriteFailed);
    EXPECT_TRUE(store.files.empty());
}

} // namespace
} // namespace zorbel
