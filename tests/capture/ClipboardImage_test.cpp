#include "capture/ClipboardImage.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "capture/ImageEncoding.h"
#include "capture/LibpngReference.h"

namespace zorbel {
namespace {

Image pattern(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 7 + y);
            p[1] = static_cast<std::uint8_t>(y * 13);
            p[2] = static_cast<std::uint8_t>(x ^ y);
            p[3] = 0xA5; // left at anything by the capture
        }
    return image;
}

void expectSameColours(const Image& actual, const Image& expected) {
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            ASSERT_EQ(std::memcmp(actual.pixel(x, y), expected.pixel(x, y), 3), 0) << x << "," << y;
}

void putLe32(std::string& dib, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) dib[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Odd widths give padded rows; strips one pixel high or wide are their own case.
TEST(ClipboardImage, PackedDibAndItsPngGiveBackTheCapturedPixels) {
    const struct {
        int width, height;
    } sizes[] = {{1, 1}, {3, 2}, {5, 1}, {1, 7}, {37, 21}, {640, 3}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        const Image image = pattern(size.width, size.height);
        const EncodedImage encoded = encodePackedDib(image);
        ASSERT_TRUE(encoded);
        const std::string* dib = &encoded.bytes;
        const std::optional<Image> read = imageFromPackedDib(*dib);
        ASSERT_TRUE(read);
        expectSameColours(*read, image);
        const std::optional<std::string> png = pngFromPackedDib(*dib);
        ASSERT_TRUE(png);
        const std::optional<Image> decoded = test::decodePngBytes(*png);
        ASSERT_TRUE(decoded);
        expectSameColours(*decoded, image);
    }
}

// What another program may leave: 32 bits, rows top-down, a colour table before the pixels.
TEST(ClipboardImage, TopDownThirtyTwoBitDibWithColourTableIsRead) {
    std::string dib(kBitmapInfoHeaderSize + 2 * 4 + 2 * 2 * 4, '\0');
    putLe32(dib, 0, kBitmapInfoHeaderSize);
    putLe32(dib, 4, 2);
    putLe32(dib, 8, static_cast<std::uint32_t>(-2));
    dib[12] = 1;
    dib[14] = 32;
    putLe32(dib, 32, 2); // two colour table entries, unused by a 32-bit image
    const std::size_t bits = kBitmapInfoHeaderSize + 8;
    dib[bits] = 10;      // first pixel of the first row: blue 10
    dib[bits + 12 + 2] = 99; // last pixel of the last row: red 99
    const std::optional<Image> image = imageFromPackedDib(dib);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 2);
    ASSERT_EQ(image->height, 2);
    EXPECT_EQ(image->pixel(0, 0)[0], 10);
    EXPECT_EQ(image->pixel(1, 1)[2], 99);
    EXPECT_EQ(image->pixel(1, 1)[0], 0);
}

TEST(ClipboardImage, DibsThatCannotBeReadGiveNothing) {
    const std::string good = encodePackedDib(pattern(5, 4)).bytes;
    auto with = [&good](std::size_t at, std::uint32_t value) {
        std::string dib = good;
        putLe32(dib, at, value);
        return dib;
    };
    const struct {
        const char* what;
        std::string dib;
    } cases[] = {
        {"shorter than a header", good.substr(0, kBitmapInfoHeaderSize - 1)},
        {"pixels cut short", good.substr(0, good.size() - 1)},
        {"header larger than the block", with(0, static_cast<std::uint32_t>(good.size() + 1))},
        {"header too small", with(0, 12)},
        {"zero width", with(4, 0)},
        {"negative width", with(4, static_cast<std::uint32_t>(-5))},
        {"zero height", with(8, 0)},
        {"wider than any block could hold", with(4, 0x7FFFFFFF)},
        {"width that wraps a 32-bit stride", with(4, 0x40000001)},
        {"8 bits per pixel", with(12, (8u << 16) | 1)},
        {"compressed", with(16, 3)},
        {"colour table past the end", with(32, 0x40000000)},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(imageFromPackedDib(c.dib)) << c.what;
        EXPECT_FALSE(pngFromPackedDib(c.dib)) << c.what;
    }
}

} // namespace
} // namespace zorbel
