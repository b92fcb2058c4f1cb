#include "app/MenuIcons_win.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include "app/ResourceIds.h"

namespace zorbel {
namespace {

using Bytes = std::vector<unsigned char>;
using Pixel = std::array<std::uint8_t, 4>;

// The slots that hold a picture; every other slot stays empty.
constexpr std::array<int, 26> kFilledSlots{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                           14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27};
constexpr std::array<int, 5> kEmptySlots{0, 25, 28, 29, 30};

HMODULE thisProgram() { return GetModuleHandleW(nullptr); }

Pixel at(const Image& image, int x, int y) {
    const std::uint8_t* p = image.pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

// ---- Reading bitmaps back ----------------------------------------------------------------------

struct DibFacts {
    bool isDibSection = false;
    bool topDown = false; // its memory starts with the top row
    int bitsPerPixel = 0;
    Image pixels; // BGRA, top row first
};

// Wine reports a positive dsBmih.biHeight for top-down DIB sections too, so the orientation is
// found by comparing the section's memory with what GetDIBits gives for a top-down request.
DibFacts readDib(HBITMAP bitmap) {
    DibFacts facts;
    DIBSECTION section{};
    if (GetObjectW(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits) return facts;
    facts.isDibSection = true;
    facts.bitsPerPixel = section.dsBm.bmBitsPixel;
    if (facts.bitsPerPixel != 32) return facts;
    Image image = makeImage(section.dsBm.bmWidth, section.dsBm.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info, DIB_RGB_COLORS) !=
        image.height) {
        return facts;
    }
    GdiFlush();
    facts.topDown = std::memcmp(section.dsBm.bmBits, image.pixels.data(), image.pixels.size()) == 0;
    facts.pixels = std::move(image);
    return facts;
}

struct AlphaCounts {
    int opaque = 0;
    int transparent = 0;
    int colourAboveAlpha = 0; // not validly premultiplied
};

AlphaCounts countAlpha(const Image& image) {
    AlphaCounts counts;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = at(image, x, y);
            counts.opaque += p[3] == 255;
            counts.transparent += p[3] == 0;
            counts.colourAboveAlpha += p[0] > p[3] || p[1] > p[3] || p[2] > p[3];
        }
    }
    return counts;
}

// An icon drawn on transparent black: what a 32-bit menu bitmap of it looks like.
Image drawnIcon(HICON icon, int width, int height) {
    Image image = makeImage(width, height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return {};
    std::memset(bits, 0, image.pixels.size());
    {
        ScopedSelect select(dc.get(), bitmap.get());
        if (!DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) return {};
    }
    GdiFlush();
    std::memcpy(image.pixels.data(), bits, image.pixels.size());
    return image;
}

// ---- PNG bytes ---------------------------------------------------------------------------------

Bytes resourceBytes(int slot) {
    HRSRC resource = FindResourceW(thisProgram(), MAKEINTRESOURCEW(ZORBEL_IDR_MENU_IMAGE_BASE + slot), RT_RCDATA);
    if (!resource) return {};
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(thisProgram(), resource)));
    return data ? Bytes(data, data + SizeofResource(thisProgram(), resource)) : Bytes{};
}

struct Chunk {
    std::size_t offset; // of the length field
    std::uint32_t length;
    std::string type;
};

std::uint32_t bigEndian(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
           bytes[at + 3];
}

std::vector<Chunk> chunks(const Bytes& png) {
    std::vector<Chunk> list;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = bigEndian(png, at);
        list.push_back({at, length, std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                                png.begin() + static_cast<std::ptrdiff_t>(at + 8))});
        at += 12 + length;
    }
    return list;
}

// Gives the chunk a correct CRC again, so that only what its data says can make it fail.
void fixCrc(Bytes& png, const Chunk& chunk) {
    const uLong crc = crc32(0, png.data() + chunk.offset + 4, chunk.length + 4);
    for (int i = 0; i < 4; ++i) png[chunk.offset + 8 + chunk.length + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
}

struct PngShape {
    int width;
    int height;
    int colourType;
    int bitDepth;
    bool interlaced;
    std::vector<Bytes> rows; // raw libpng rows
    std::vector<png_color> palette;
    Bytes paletteAlpha;
};

void appendToBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// No object with a destructor in this frame: libpng leaves it by longjmp on an error.
bool encodeInto(png_structp png, png_infop info, const PngShape* shape, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(shape->width), static_cast<png_uint_32>(shape->height),
                 shape->bitDepth, shape->colourType, shape->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!shape->palette.empty()) png_set_PLTE(png, info, shape->palette.data(), static_cast<int>(shape->palette.size()));
    if (!shape->paletteAlpha.empty()) {
        png_set_tRNS(png, info, shape->paletteAlpha.data(), static_cast<int>(shape->paletteAlpha.size()), nullptr);
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

Bytes encodePng(const PngShape& shape) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<Bytes> rowCopies = shape.rows;
    std::vector<png_bytep> rows;
    for (Bytes& row : rowCopies) rows.push_back(row.data());
    bool written = false;
    if (png && info) {
        png_set_write_fn(png, &out, appendToBytes, flushNothing);
        written = encodeInto(png, info, &shape, rows.data());
    }
    png_destroy_write_struct(&png, &info);
    return written ? out : Bytes{};
}

// ---- decodePng ---------------------------------------------------------------------------------

TEST(DecodePng, ReadsTheEmbeddedPictures) {
    for (int slot : kFilledSlots) {
        const Bytes png = resourceBytes(slot);
        ASSERT_FALSE(png.empty()) << "slot " << slot;
        const std::optional<Image> image = decodePng(png.data(), png.size());
        ASSERT_TRUE(image) << "slot " << slot;
        EXPECT_EQ(image->width, 64);
        EXPECT_EQ(image->height, 64);
        const AlphaCounts counts = countAlpha(*image);
        EXPECT_GT(counts.opaque, 0) << "slot " << slot;
        EXPECT_GT(counts.transparent, 0) << "slot " << slot;
    }
}

TEST(DecodePng, ReadsEightBitRgbaRowsAsTheyAre) {
    PngShape shape{3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 0, 0}}, {}, {}};
    const Bytes png = encodePng(shape);
    ASSERT_FALSE(png.empty());
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 3);
    ASSERT_EQ(image->height, 2);
    EXPECT_EQ(at(*image, 0, 0), (Pixel{1, 2, 3, 4}));
    EXPECT_EQ(at(*image, 2, 0), (Pixel{9, 10, 11, 12}));
    EXPECT_EQ(at(*image, 1, 1), (Pixel{0, 255, 0, 128}));
    EXPECT_EQ(at(*image, 2, 1), (Pixel{0, 0, 0, 0}));
}

TEST(DecodePng, ExpandsGreyToOpaqueRgba) {
    const Bytes png = encodePng({4, 1, PNG_COLOR_TYPE_GRAY, 8, false, {{0, 85, 170, 255}}, {}, {}});
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(at(*image, 1, 0), (Pixel{85, 85, 85, 255}));
    EXPECT_EQ(at(*image, 3, 0), (Pixel{255, 255, 255, 255}));
}

TEST(DecodePng, ExpandsOneBitGrey) {
    const Bytes png = encodePng({8, 1, PNG_COLOR_TYPE_GRAY, 1, false, {{0b10100000}}, {}, {}});
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(at(*image, 0, 0), (Pixel{255, 255, 255, 255}));
    EXPECT_EQ(at(*image, 1, 0), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(at(*image, 2, 0), (Pixel{255, 255, 255, 255}));
}

TEST(DecodePng, ExpandsGreyWithAlpha) {
    const Bytes png = encodePng({2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {{40, 200, 250, 7}}, {}, {}});
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(at(*image, 0, 0), (Pixel{40, 40, 40, 200}));
    EXPECT_EQ(at(*image, 1, 0), (Pixel{250, 250, 250, 7}));
}

TEST(DecodePng, ExpandsAPaletteWithTransparency) {
    const Bytes png = encodePng({3, 1, PNG_COLOR_TYPE_PALETTE, 8, false, {{0, 1, 2}},
                                 {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}, {255, 100}});
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(at(*image, 0, 0), (Pixel{10, 20, 30, 255}));
    EXPECT_EQ(at(*image, 1, 0), (Pixel{40, 50, 60, 100}));
    EXPECT_EQ(at(*image, 2, 0), (Pixel{70, 80, 90, 255})); // beyond tRNS: opaque
}

TEST(DecodePng, KeepsTheHighByteOfSixteenBitSamples) {
    const Bytes png = encodePng({1, 1, PNG_COLOR_TYPE_RGB, 16, false, {{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x00}}, {}, {}});
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(at(*image, 0, 0), (Pixel{0x12, 0xAB, 0xFF, 255}));
}

TEST(DecodePng, ReadsInterlacedImages) {
    PngShape shape{9, 9, PNG_COLOR_TYPE_RGB_ALPHA, 8, true, {}, {}, {}};
    for (int y = 0; y < 9; ++y) {
        Bytes row;
        for (int x = 0; x < 9; ++x) {
            row.insert(row.end(), {static_cast<unsigned char>(x * 20), static_cast<unsigned char>(y * 20),
                                   static_cast<unsigned char>(x * y), static_cast<unsigned char>(255 - x - y)});
        }
        shape.rows.push_back(row);
    }
    const Bytes png = encodePng(shape);
    const std::optional<Image> image = decodePng(png.data(), png.size());
    ASSERT_TRUE(image);
    int wrong = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const Pixel expected{static_cast<std::uint8_t>(x * 20), static_cast<std::uint8_t>(y * 20),
                                 static_cast<std::uint8_t>(x * y), static_cast<std::uint8_t>(255 - x - y)};
            wrong += at(*image, x, y) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(DecodePng, RefusesImagesLargerThanTheLimit) {
    const Bytes png = encodePng({kMaxImageSide + 1, 1, PNG_COLOR_TYPE_GRAY, 1, false, {Bytes((kMaxImageSide + 8) / 8, 0)}, {}, {}});
    ASSERT_FALSE(png.empty());
    EXPECT_FALSE(decodePng(png.data(), png.size()));
}

TEST(DecodePng, GivesNothingForWhatIsNotAPng) {
    const Bytes text{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    EXPECT_FALSE(decodePng(nullptr, 100));
    EXPECT_FALSE(decodePng(text.data(), 0));
    EXPECT_FALSE(decodePng(text.data(), text.size()));
}

TEST(DecodePng, GivesNothingForEveryTruncation) {
    const Bytes png = resourceBytes(7);
    ASSERT_FALSE(png.empty());
    int decoded = 0;
    for (std::size_t length = 0; length < png.size(); ++length) {
        const Bytes cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(length));
        decoded += decodePng(cut.data(), cut.size()).has_value();
    }
    EXPECT_EQ(decoded, 0);
}

TEST(DecodePng, GivesNothingWhenAChunkFailsItsChecksum) {
    const Bytes png = resourceBytes(5);
    int tried = 0;
    for (const Chunk& chunk : chunks(png)) {
        if (chunk.length == 0) continue;
        Bytes damaged = png;
        damaged[chunk.offset + 8 + chunk.length / 2] ^= 0x5A;
        EXPECT_FALSE(decodePng(damaged.data(), damaged.size())) << chunk.type;
        ++tried;
    }
    EXPECT_GE(tried, 2); // IHDR and IDAT at least
}

TEST(DecodePng, GivesNothingForDamagedImageData) {
    // Correct checksums, so the damage reaches zlib or the row filters.
    const Bytes png = resourceBytes(12);
    const auto list = chunks(png);
    const auto idat = std::find_if(list.begin(), list.end(), [](const Chunk& c) { return c.type == "IDAT"; });
    ASSERT_NE(idat, list.end());
    ASSERT_GT(idat->length, 8u);
    const std::size_t data = idat->offset + 8;
    for (std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{idat->length / 3}, std::size_t{idat->length / 2},
                           std::size_t{idat->length - 4}, std::size_t{idat->length - 1}}) {
        Bytes damaged = png;
        damaged[data + at] ^= 0xFF;
        fixCrc(damaged, *idat);
        EXPECT_FALSE(decodePng(damaged.data(), damaged.size())) << "byte " << at << " of the image data";
    }
}

TEST(DecodePng, GivesNothingForAnImpossibleHeader) {
    Bytes png = resourceBytes(3);
    const auto list = chunks(png);
    ASSERT_EQ(list.front().type, "IHDR");
    std::memset(png.data() + list.front().offset + 8, 0, 4); // width 0
    fixCrc(png, list.front());
    EXPECT_FALSE(decodePng(png.data(), png.size()));
}

TEST(LoadMenuImage, ReadsEachFilledSlotAndNothingElse) {
    for (int slot : kFilledSlots) {
        const std::optional<Image> image = loadMenuImage(thisProgram(), slot);
        ASSERT_TRUE(image) << "slot " << slot;
        EXPECT_EQ(image->width, 64);
        EXPECT_EQ(image->height, 64);
    }
    for (int slot : {0, 25, 28, 30, -1, 31}) EXPECT_FALSE(loadMenuImage(thisProgram(), slot)) << "slot " << slot;
}

// ---- The menu icon table -----------------------------------------------------------------------

class MenuIconTable : public testing::TestWithParam<int> {
protected:
    void TearDown() override { freeMenuIcons(); }
};

TEST_P(MenuIconTable, FillsEveryFilledSlotWithAPremultipliedTopDownDibOfTheSize) {
    const int size = GetParam();
    ASSERT_TRUE(loadMenuIcons(thisProgram(), size, size));
    for (int slot : kFilledSlots) {
        HBITMAP bitmap = menuIcon(slot);
        ASSERT_NE(bitmap, nullptr) << "slot " << slot;
        const DibFacts dib = readDib(bitmap);
        ASSERT_TRUE(dib.isDibSection) << "slot " << slot;
        EXPECT_TRUE(dib.topDown) << "slot " << slot;
        ASSERT_EQ(dib.bitsPerPixel, 32) << "slot " << slot;
        EXPECT_EQ(dib.pixels.width, size);
        EXPECT_EQ(dib.pixels.height, size);
        const AlphaCounts counts = countAlpha(dib.pixels);
        EXPECT_GT(counts.opaque, 0) << "slot " << slot;
        EXPECT_GT(counts.transparent, 0) << "slot " << slot;
        EXPECT_EQ(counts.colourAboveAlpha, 0) << "slot " << slot;
    }
}

TEST_P(MenuIconTable, HoldsTheResizedPictureInBlueGreenRedOrder) {
    const int size = GetParam();
    ASSERT_TRUE(loadMenuIcons(thisProgram(), size, size));
    for (int slot : {5, 12, 27}) {
        std::optional<Image> expected = loadMenuImage(thisProgram(), slot);
        ASSERT_TRUE(expected);
        *expected = resizeImage(*expected, size, size);
        premultiplyAlpha(*expected);
        const Image actual = readDib(menuIcon(slot)).pixels;
        ASSERT_EQ(actual.width, size);
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Pixel rgba = at(*expected, x, y);
                wrong += at(actual, x, y) != Pixel{rgba[2], rgba[1], rgba[0], rgba[3]};
            }
        }
        EXPECT_EQ(wrong, 0) << "slot " << slot;
    }
}

TEST_P(MenuIconTable, LeavesTheOtherSlotsEmpty) {
    ASSERT_TRUE(loadMenuIcons(thisProgram(), GetParam(), GetParam()));
    for (int slot : kEmptySlots) EXPECT_EQ(menuIcon(slot), nullptr) << "slot " << slot;
    for (int slot : {-1, 31, 1000}) EXPECT_EQ(menuIcon(slot), nullptr) << "slot " << slot;
}

TEST_P(MenuIconTable, MakesTheTrayIconFromASlot) {
    const int size = GetParam();
    ASSERT_TRUE(loadMenuIcons(thisProgram(), size, size));
    UniqueIcon icon = makeIconFromSlot(7, size, size);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    UniqueBitmap colour(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    BITMAP bm{};
    ASSERT_TRUE(colour);
    ASSERT_TRUE(GetObjectW(colour.get(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    // Drawn, the icon looks like the menu bitmap of the same slot (both premultiplied; the icon
    // keeps straight alpha and is premultiplied by the drawing, which may round differently).
    const Image drawn = drawnIcon(icon.get(), size, size);
    const Image menu = readDib(menuIcon(7)).pixels;
    ASSERT_EQ(drawn.width, size);
    ASSERT_EQ(menu.width, size);
    int different = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            for (int c = 0; c < 4; ++c) different += std::abs(drawn.pixel(x, y)[c] - menu.pixel(x, y)[c]) > 1;
        }
    }
    EXPECT_EQ(different, 0);
    EXPECT_GT(countAlpha(drawn).transparent, 0);
    EXPECT_GT(countAlpha(drawn).opaque, 0);
}

INSTANTIATE_TEST_SUITE_P(SmallIconSizes, MenuIconTable, testing::Values(16, 24));

TEST(MenuIcons, ReloadingReplacesTheImages) {
    ASSERT_TRUE(loadMenuIcons(thisProgram(), 16, 16));
    ASSERT_TRUE(loadMenuIcons(thisProgram(), 20, 20));
    for (int slot : kFilledSlots) EXPECT_EQ(readDib(menuIcon(slot)).pixels.width, 20) << "slot " << slot;
    freeMenuIcons();
}

TEST(MenuIcons, FreeingEmptiesEverySlot) {
    ASSERT_TRUE(loadMenuIcons(thisProgram(), 16, 16));
    freeMenuIcons();
    for (int slot = 0; slot < kMenuIconSlotCount; ++slot) EXPECT_EQ(menuIcon(slot), nullptr) << "slot " << slot;
    EXPECT_FALSE(makeIconFromSlot(7, 16, 16));
}

TEST(MenuIcons, AModuleWithoutThePicturesLoadsNothingAndDropsTheOldImages) {
    ASSERT_TRUE(loadMenuIcons(thisProgram(), 16, 16));
    EXPECT_FALSE(loadMenuIcons(GetModuleHandleW(L"kernel32.dll"), 16, 16));
    for (int slot : kFilledSlots) EXPECT_EQ(menuIcon(slot), nullptr) << "slot " << slot;
}

TEST(MenuIcons, ImpossibleSizesLoadNothing) {
    EXPECT_FALSE(loadMenuIcons(thisProgram(), 0, 16));
    EXPECT_FALSE(loadMenuIcons(thisProgram(), 16, -2));
    EXPECT_EQ(menuIcon(1), nullptr);
    ASSERT_TRUE(loadMenuIcons(thisProgram(), 16, 16));
    EXPECT_FALSE(makeIconFromSlot(7, 0, 16));
    EXPECT_FALSE(makeIconFromSlot(25, 16, 16));
    EXPECT_FALSE(makeIconFromSlot(31, 16, 16));
    freeMenuIcons();
}

// ---- makeIconImage -----------------------------------------------------------------------------

// 32 x 32 with straight alpha: a 4-pixel transparent border; inside it, rows 4-15 opaque
// BGR (50, 100, 200) and rows 16-27 the same colour at alpha 128.
UniqueIcon makeAlphaIcon() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour) return {};
    auto* p = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            std::uint8_t* q = p + (y * 32 + x) * 4;
            const bool inside = x >= 4 && x < 28 && y >= 4 && y < 28;
            q[0] = 50;
            q[1] = 100;
            q[2] = 200;
            q[3] = inside ? (y < 16 ? 255 : 128) : 0;
        }
    }
    const std::array<std::uint8_t, 4 * 32> maskBits{}; // the alpha channel decides
    UniqueBitmap mask(CreateBitmap(32, 32, 1, 1, maskBits.data()));
    ICONINFO icon{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(CreateIconIndirect(&icon));
}

// 32 x 32 without alpha: 24-bit colour BGR (30, 60, 90) inside a 4-pixel border that the AND
// mask makes transparent.
UniqueIcon makeMaskIcon() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour) return {};
    auto* p = static_cast<std::uint8_t*>(bits);
    std::array<std::uint8_t, 4 * 32> maskBits{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool inside = x >= 4 && x < 28 && y >= 4 && y < 28;
            std::uint8_t* q = p + y * 96 + x * 3;
            q[0] = inside ? 30 : 0;
            q[1] = inside ? 60 : 0;
            q[2] = inside ? 90 : 0;
            if (!inside) maskBits[static_cast<std::size_t>(y * 4 + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    UniqueBitmap mask(CreateBitmap(32, 32, 1, 1, maskBits.data()));
    ICONINFO icon{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(CreateIconIndirect(&icon));
}

// 16 x 16 monochrome (no colour bitmap: AND mask above XOR mask): white inside a 2-pixel border.
UniqueIcon makeMonochromeIcon() {
    std::array<std::uint8_t, 2 * 32> bits{};
    for (int y = 0; y < 16; ++y) {
        const bool edgeRow = y < 2 || y >= 14;
        const std::uint16_t andRow = edgeRow ? 0xFFFF : 0xC003;
        bits[static_cast<std::size_t>(y * 2)] = static_cast<std::uint8_t>(andRow >> 8);
        bits[static_cast<std::size_t>(y * 2 + 1)] = static_cast<std::uint8_t>(andRow);
        const std::uint16_t xorRow = static_cast<std::uint16_t>(~andRow);
        bits[static_cast<std::size_t>((16 + y) * 2)] = static_cast<std::uint8_t>(xorRow >> 8);
        bits[static_cast<std::size_t>((16 + y) * 2 + 1)] = static_cast<std::uint8_t>(xorRow);
    }
    UniqueBitmap mask(CreateBitmap(16, 32, 1, 1, bits.data()));
    ICONINFO icon{TRUE, 0, 0, mask.get(), nullptr};
    return UniqueIcon(CreateIconIndirect(&icon));
}

// The pixels of a makeIconImage result, checked for what every result must be.
Image iconImagePixels(HICON icon, int size, std::uint8_t alpha) {
    UniqueBitmap bitmap = makeIconImage(icon, size, size, alpha);
    EXPECT_TRUE(bitmap);
    if (!bitmap) return {};
    const DibFacts dib = readDib(bitmap.get());
    EXPECT_TRUE(dib.isDibSection);
    EXPECT_TRUE(dib.topDown);
    EXPECT_EQ(dib.bitsPerPixel, 32);
    EXPECT_EQ(dib.pixels.width, size);
    EXPECT_EQ(dib.pixels.height, size);
    EXPECT_EQ(countAlpha(dib.pixels).colourAboveAlpha, 0);
    return dib.pixels;
}

void expectNear(Pixel actual, Pixel expected, int tolerance, const char* where) {
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(actual[static_cast<std::size_t>(c)], expected[static_cast<std::size_t>(c)], tolerance)
            << where << ", byte " << c;
    }
}

TEST(MakeIconImage, IconWithAlphaKeepsItsShapeAndPremultipliesItsColour) {
    const UniqueIcon icon = makeAlphaIcon();
    ASSERT_TRUE(icon);
    const Image image = iconImagePixels(icon.get(), 16, 255);
    ASSERT_EQ(image.width, 16);
    EXPECT_EQ(at(image, 0, 0), (Pixel{0, 0, 0, 0}));   // corners: the transparent border
    EXPECT_EQ(at(image, 15, 15), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 8, 4), (Pixel{50, 100, 200, 255})); // opaque top half
    expectNear(at(image, 8, 11), {25, 50, 100, 128}, 1, "half-transparent bottom half");
    EXPECT_EQ(at(image, 8, 11)[3], 128);
}

TEST(MakeIconImage, ConstantAlphaScalesTheIconsAlpha) {
    const UniqueIcon icon = makeAlphaIcon();
    ASSERT_TRUE(icon);
    const Image image = iconImagePixels(icon.get(), 16, 130);
    ASSERT_EQ(image.width, 16);
    EXPECT_EQ(at(image, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 8, 4), (Pixel{25, 51, 102, 130}));                   // 255 * 130 / 255
    expectNear(at(image, 8, 11), {13, 25, 51, 65}, 1, "half-transparent"); // 128 * 130 / 255 = 65.25
    EXPECT_EQ(at(image, 8, 11)[3], 65);
}

TEST(MakeIconImage, IconWithoutAlphaTakesItsShapeFromTheMask) {
    const UniqueIcon icon = makeMaskIcon();
    ASSERT_TRUE(icon);
    const Image opaque = iconImagePixels(icon.get(), 16, 255);
    ASSERT_EQ(opaque.width, 16);
    EXPECT_EQ(at(opaque, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(opaque, 15, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(opaque, 8, 8), (Pixel{30, 60, 90, 255}));
    const Image pale = iconImagePixels(icon.get(), 16, 130);
    ASSERT_EQ(pale.width, 16);
    EXPECT_EQ(at(pale, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(pale, 8, 8), (Pixel{15, 31, 46, 130})); // 15.29, 30.59, 45.88
}

TEST(MakeIconImage, MonochromeIconIsWhiteWhereTheMaskShowsIt) {
    const UniqueIcon icon = makeMonochromeIcon();
    ASSERT_TRUE(icon);
    const Image image = iconImagePixels(icon.get(), 16, 255);
    ASSERT_EQ(image.width, 16);
    EXPECT_EQ(at(image, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 1, 8), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 8, 8), (Pixel{255, 255, 255, 255}));
}

TEST(MakeIconImage, GrowsSmallIconsSmoothly) {
    const UniqueIcon icon = makeMonochromeIcon();
    ASSERT_TRUE(icon);
    const Image image = iconImagePixels(icon.get(), 24, 255);
    ASSERT_EQ(image.width, 24);
    EXPECT_EQ(at(image, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 12, 12), (Pixel{255, 255, 255, 255}));
    int partial = 0;
    for (int x = 0; x < 24; ++x) partial += at(image, x, 12)[3] > 0 && at(image, x, 12)[3] < 255;
    EXPECT_GT(partial, 0); // interpolated edges, not repeated pixels
}

TEST(MakeIconImage, SystemApplicationIconAtBothAlphas) {
    for (int size : {16, 24}) {
        HICON icon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, size, size, LR_SHARED));
        ASSERT_NE(icon, nullptr);
        const Image opaque = iconImagePixels(icon, size, 255);
        const Image pale = iconImagePixels(icon, size, 130);
        ASSERT_EQ(opaque.width, size);
        ASSERT_EQ(pale.width, size);
        const AlphaCounts counts = countAlpha(opaque);
        EXPECT_GT(counts.opaque, 0);
        EXPECT_GT(counts.transparent, 0);
        int wrongAlpha = 0;
        int palePixelsOpaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int a = at(opaque, x, y)[3];
                wrongAlpha += at(pale, x, y)[3] != (a * 130 + 127) / 255;
                palePixelsOpaque += at(pale, x, y)[3] == 255;
            }
        }
        EXPECT_EQ(wrongAlpha, 0) << "size " << size;
        EXPECT_EQ(palePixelsOpaque, 0) << "size " << size;
    }
}

TEST(MakeIconImage, OneDrawingServesEveryAlpha) {
    // The window icons make their ten alphas from one drawing; each must equal a fresh drawing.
    for (const UniqueIcon& icon : {makeAlphaIcon(), makeMaskIcon()}) {
        ASSERT_TRUE(icon);
        const std::optional<Image> drawn = drawIconImage(icon.get(), 20, 20);
        ASSERT_TRUE(drawn);
        for (const std::uint8_t alpha : {255, 205, 130, 30}) {
            const UniqueBitmap fromDrawing = makeIconImage(*drawn, alpha);
            ASSERT_TRUE(fromDrawing);
            const Image expected = iconImagePixels(icon.get(), 20, alpha);
            EXPECT_EQ(readDib(fromDrawing.get()).pixels.pixels, expected.pixels) << "alpha " << int{alpha};
        }
    }
    EXPECT_FALSE(drawIconImage(nullptr, 16, 16));
}

TEST(MakeIconImage, RefusesNoIconAndImpossibleSizes) {
    EXPECT_FALSE(makeIconImage(nullptr, 16, 16, 255));
    const UniqueIcon icon = makeAlphaIcon();
    ASSERT_TRUE(icon);
    EXPECT_FALSE(makeIconImage(icon.get(), 0, 16, 255));
    EXPECT_FALSE(makeIconImage(icon.get(), 16, kMaxImageSide + 1, 255));
}

} // namespace
} // namespace zorbel
