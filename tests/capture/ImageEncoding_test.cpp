#include "capture/ImageEncoding.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "capture/LibpngReference.h"

namespace zorbel {
namespace {

// A capture-like image: every pixel different, edges and flat areas, and a fourth byte that is
// anything but opaque, as GetDIBits leaves it.
Image testPattern(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / (width > 1 ? width - 1 : 1)); // blue: ramp
            p[1] = static_cast<std::uint8_t>(y * 255 / (height > 1 ? height - 1 : 1)); // green: ramp
            p[2] = (x / 8 + y / 8) % 2 ? 230 : 20;                                      // red: blocks
            p[3] = static_cast<std::uint8_t>((x + y) % 3 == 0 ? 0 : 77);
        }
    }
    return image;
}

// ---- Decoders, independent of the program's code -------------------------------------------

struct Decoded {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint8_t> bgr; // three bytes per pixel
};

std::optional<Decoded> decodePngFile(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    Decoded decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGR;
    decoded.bgr.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, decoded.bgr.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return decoded;
}

struct JpegFacts {
    Decoded picture;
    int components = 0;
    bool allQuantisersOne = true; // what quality 100 gives
    bool fullResolutionColour = true;
};

struct DecodeErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr common) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(common->err)->jump, 1);
}

bool decompress(jpeg_decompress_struct* info, const std::string* bytes, JpegFacts* facts, DecodeErrors* errors) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size());
    jpeg_read_header(info, TRUE);
    facts->components = info->num_components;
    for (int t = 0; t < NUM_QUANT_TBLS; ++t) {
        if (!info->quant_tbl_ptrs[t]) continue;
        for (int i = 0; i < DCTSIZE2; ++i)
            if (info->quant_tbl_ptrs[t]->quantval[i] != 1) facts->allQuantisersOne = false;
    }
    for (int c = 0; c < info->num_components; ++c)
        if (info->comp_info[c].h_samp_factor != 1 || info->comp_info[c].v_samp_factor != 1)
            facts->fullResolutionColour = false;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    facts->picture.width = static_cast<int>(info->output_width);
    facts->picture.height = static_cast<int>(info->output_height);
    facts->picture.bgr.resize(static_cast<std::size_t>(info->output_width) * info->output_height * 3);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = facts->picture.bgr.data() + static_cast<std::size_t>(info->output_scanline) * info->output_width * 3;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

std::optional<JpegFacts> decodeJpegFile(const std::string& bytes) {
    JpegFacts facts;
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failDecoding;
    const bool done = decompress(&info, &bytes, &facts, &errors);
    jpeg_destroy_decompress(&info);
    if (!done) return std::nullopt;
    // RGB -> BGR, to compare with the capture's byte order.
    for (std::size_t i = 0; i + 2 < facts.picture.bgr.size(); i += 3) std::swap(facts.picture.bgr[i], facts.picture.bgr[i + 2]);
    return facts;
}

// Largest difference of a colour byte between the capture and the decoded picture.
int largestDifference(const Image& image, const Decoded& decoded) {
    int largest = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* want = image.pixel(x, y);
            const std::uint8_t* got = decoded.bgr.data() + (static_cast<std::size_t>(y) * decoded.width + x) * 3;
            for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(int{want[c]} - int{got[c]}));
        }
    }
    return largest;
}

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}
std::uint16_t le16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

// ---- Round trips -----------------------------------------------------------------------------

struct Size {
    int width;
    int height;
};

// Down to one pixel, odd widths, and an 8K-wide strip one pixel high.
const Size kSizes[] = {{1, 1}, {2, 3}, {3, 2}, {5, 7}, {17, 9}, {64, 33}, {301, 4}, {7680, 1}, {7681, 2}};

TEST(ImageEncodingTest, PngDecodesToTheCapturedColoursWithoutAlpha) {
    for (const Size size : kSizes) {
        const Image image = testPattern(size.width, size.height);
        const auto bytes = encodePng(image);
        ASSERT_TRUE(bytes) << size.width << "x" << size.height;
        const auto decoded = decodePngFile(*bytes);
        ASSERT_TRUE(decoded) << size.width << "x" << size.height;
        EXPECT_EQ(decoded->width, size.width);
        EXPECT_EQ(decoded->height, size.height);
        EXPECT_FALSE(decoded->hasAlpha) << "the picture must be opaque";
        EXPECT_EQ(largestDifference(image, *decoded), 0) << size.width << "x" << size.height;
    }
}

TEST(ImageEncodingTest, JpegIsQuality100FullColourAndCloseToTheCapture) {
    for (const Size size : kSizes) {
        const Image image = testPattern(size.width, size.height);
        const auto bytes = encodeJpeg(image);
        ASSERT_TRUE(bytes) << size.width << "x" << size.height;
        const auto facts = decodeJpegFile(*bytes);
        ASSERT_TRUE(facts) << size.width << "x" << size.height;
        EXPECT_EQ(facts->picture.width, size.width);
        EXPECT_EQ(facts->picture.height, size.height);
        EXPECT_EQ(facts->components, 3);
        EXPECT_TRUE(facts->allQuantisersOne);
        EXPECT_TRUE(facts->fullResolutionColour);
        // Quality 100 without subsampling loses only rounding in the colour transform.
        EXPECT_LE(largestDifference(image, facts->picture), 3) << size.width << "x" << size.height;
    }
}

TEST(ImageEncodingTest, JpegAtALowerQualityIsAnotherFile) {
    // The quality argument reaches libjpeg: otherwise the quality-100 check above proves nothing.
    const Image image = testPattern(64, 33);
    const auto low = encodeJpeg(image, 30);
    ASSERT_TRUE(low);
    const auto facts = decodeJpegFile(*low);
    ASSERT_TRUE(facts);
    EXPECT_FALSE(facts->allQuantisersOne);
    EXPECT_LT(low->size(), encodeJpeg(image)->size());
}

TEST(ImageEncodingTest, BmpHeadersAndBottomUpPaddedRows) {
    for (const Size size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        const Image image = testPattern(size.width, size.height);
        const EncodedImage encoded = encodeBmp(image);
        ASSERT_TRUE(encoded);
        const std::string* bytes = &encoded.bytes;
        const std::uint32_t stride = (static_cast<std::uint32_t>(size.width) * 3 + 3) / 4 * 4;
        const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(size.height);
        ASSERT_EQ(bytes->size(), 54u + pixelBytes);
        EXPECT_EQ(bytes->substr(0, 2), "BM");
        EXPECT_EQ(le32(*bytes, 2), bytes->size());
        EXPECT_EQ(le32(*bytes, 6), 0u);
        EXPECT_EQ(le32(*bytes, 10), 54u);
        EXPECT_EQ(le32(*bytes, 14), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(le32(*bytes, 18)), size.width);
        EXPECT_EQ(static_cast<std::int32_t>(le32(*bytes, 22)), size.height) << "positive: bottom-up";
        EXPECT_EQ(le16(*bytes, 26), 1u);
        EXPECT_EQ(le16(*bytes, 28), 24u);
        EXPECT_EQ(le32(*bytes, 30), 0u); // BI_RGB
        EXPECT_EQ(le32(*bytes, 34), pixelBytes);
        for (int y = 0; y < size.height; ++y) {
            const std::size_t row = 54 + static_cast<std::size_t>(size.height - 1 - y) * stride;
            for (int x = 0; x < size.width; ++x) {
                const std::uint8_t* want = image.pixel(x, y);
                for (int c = 0; c < 3; ++c)
                    ASSERT_EQ(static_cast<std::uint8_t>((*bytes)[row + static_cast<std::size_t>(x) * 3 + c]), want[c])
                        << x << "," << y << " byte " << c;
            }
            for (std::size_t pad = static_cast<std::size_t>(size.width) * 3; pad < stride; ++pad)
                ASSERT_EQ((*bytes)[row + pad], '\0');
        }
        // The clipboard's packed bitmap is the file without its file header.
        EXPECT_EQ(encodePackedDib(image).bytes, bytes->substr(14));
    }
}

TEST(ImageEncodingTest, EncodeImageFollowsTheFormat) {
    const Image image = testPattern(9, 4);
    EXPECT_EQ(encodeImage(ImageFormat::Png, image).bytes, encodePng(image).value());
    EXPECT_EQ(encodeImage(ImageFormat::Bmp, image).bytes, encodeBmp(image).bytes);
    EXPECT_EQ(encodeImage(ImageFormat::Jpg, image).bytes, encodeJpeg(image).value());
    EXPECT_FALSE(encodeImage(static_cast<ImageFormat>(3), image));
}

// Pictures large enough to be deflated in several bands, so the joined stream is what is read.
// The screen-like one has stretches of flat areas with thin lines, horizontal gradients and a grid;
// the photo-like one is the test pattern with noise on every byte.
Image largePicture(bool screenLike) {
    Image image = testPattern(1100, 700);
    std::uint32_t noise = 12345;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                noise = noise * 1664525u + 1013904223u;
                if (!screenLike) {
                    p[c] = static_cast<std::uint8_t>(p[c] + (noise >> 28));
                    continue;
                }
                switch (y / 50 % 3) {
                case 0: p[c] = static_cast<std::uint8_t>(x % 97 > 10 ? 0xF0 : 7 * c + y / 50); break;
                case 1: p[c] = static_cast<std::uint8_t>(x * (c + 1) + y / 50); break;
                default: p[c] = static_cast<std::uint8_t>(x % 13 == 0 || y % 9 == 0 ? 0 : 0xFF); break;
                }
            }
        }
    }
    return image;
}

// The filter byte of every row, from the inflated image data.
std::vector<int> rowFilters(const std::string& png, int width, int height) {
    std::string data;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = (std::uint32_t{static_cast<std::uint8_t>(png[at])} << 24) |
                                     (std::uint32_t{static_cast<std::uint8_t>(png[at + 1])} << 16) |
                                     (std::uint32_t{static_cast<std::uint8_t>(png[at + 2])} << 8) |
                                     std::uint32_t{static_cast<std::uint8_t>(png[at + 3])};
        if (png.compare(at + 4, 4, "IDAT") == 0) data += png.substr(at + 8, length);
        at += 12 + length;
    }
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> raw(rowBytes * static_cast<std::size_t>(height));
    uLongf rawLength = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawLength, reinterpret_cast<const Bytef*>(data.data()),
                   static_cast<uLong>(data.size())) != Z_OK ||
        rawLength != raw.size())
        return {};
    std::vector<int> filters;
    for (std::size_t at = 0; at < raw.size(); at += rowBytes) filters.push_back(raw[at]);
    return filters;
}

TEST(ImageEncodingTest, PngOfLargeScreenAndPhotoPicturesDecodesExactly) {
    for (const bool screenLike : {true, false}) {
        const Image image = largePicture(screenLike);
        EXPECT_EQ(looksLikeScreenContent(image), screenLike);
        const auto bytes = encodePng(image);
        ASSERT_TRUE(bytes) << screenLike;
        const auto decoded = decodePngFile(*bytes);
        ASSERT_TRUE(decoded) << screenLike;
        EXPECT_EQ(decoded->width, image.width);
        EXPECT_EQ(decoded->height, image.height);
        EXPECT_EQ(largestDifference(image, *decoded), 0) << screenLike;
    }
}

// Screen rows: the filter that leaves the fewest pixels with a non-zero byte, None before Sub
// before Up before Paeth on a tie. A wide picture of flat rows, so that the probe sees a screen.
TEST(ImageEncodingTest, ScreenRowsTakeTheFilterThatLeavesTheFewestChangedPixels) {
    constexpr int kWidth = 256;
    const auto rowOf = [](auto colourAt) {
        std::vector<std::uint32_t> row(kWidth);
        for (int x = 0; x < kWidth; ++x) row[static_cast<std::size_t>(x)] = colourAt(x);
        return row;
    };
    const auto grey = rowOf([](int) { return 0x808080u; });
    const auto greyWithDots = rowOf([](int x) { return x % 50 == 7 ? 0x202020u : 0x808080u; });
    const auto texture = rowOf([](int x) { return x % 2 ? 0xF0F0F0u : 0xE0E0E0u; });
    const auto textureThenBlack = rowOf([](int x) { return x >= kWidth / 2 ? 0u : x % 2 ? 0xF0F0F0u : 0xE0E0E0u; });
    const struct {
        std::vector<std::uint32_t> row;
        int filter;
        const char* why;
    } rows[] = {
        {grey, 1, "first row: Sub leaves one pixel; None and Up (over zeros) leave all"},
        {grey, 2, "a repeated row is Up"},
        {rowOf([](int) { return 0u; }), 0, "black leaves nothing under None"},
        {greyWithDots, 1, "dots after black: Sub leaves the grey's first pixel and the dots' edges"},
        {grey, 1, "flat grey again: Sub leaves its first pixel, Up the five dots"},
        {texture, 0, "a texture that nothing predicts: all leave every pixel, None first"},
        {textureThenBlack, 4, "the texture's left half over it: Paeth takes the byte above there and "
                              "the one to the left after it, and leaves one pixel where Up and Sub "
                              "leave half the row"},
    };
    Image image;
    image.width = kWidth;
    image.height = static_cast<int>(std::size(rows)) * 8; // each row kind, then seven repeats of it
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t colour = rows[y / 8].row[static_cast<std::size_t>(x)];
            std::memcpy(image.pixel(x, y), &colour, 4);
        }
    ASSERT_TRUE(looksLikeScreenContent(image));
    const auto bytes = encodePng(image);
    ASSERT_TRUE(bytes);
    const std::vector<int> filters = rowFilters(*bytes, image.width, image.height);
    ASSERT_EQ(filters.size(), static_cast<std::size_t>(image.height));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(filters[i * 8], rows[i].filter) << rows[i].why;
        EXPECT_EQ(filters[i * 8 + 1], 2) << "the repeat of: " << rows[i].why;
    }
}

// The filter bytes of libpng's own file of the image, written with its defaults.
std::vector<int> libpngRowFilters(const Image& image) {
    return rowFilters(test::writeWithLibpngDefaults(image), image.width, image.height);
}

// Photo rows: the smallest sum of absolute differences, as libpng weighs the five filters, over the
// colours only (the test pattern's fourth bytes vary, and must not sway the choice).
TEST(ImageEncodingTest, PhotoRowsTakeTheFiltersLibpngTakes) {
    const Image photo = largePicture(false);
    ASSERT_FALSE(looksLikeScreenContent(photo));
    const auto bytes = encodePng(photo);
    ASSERT_TRUE(bytes);
    const std::vector<int> ours = rowFilters(*bytes, photo.width, photo.height);
    const std::vector<int> libpngs = libpngRowFilters(photo);
    ASSERT_EQ(libpngs.size(), static_cast<std::size_t>(photo.height));
    EXPECT_EQ(ours, libpngs);
    EXPECT_GE(std::set<int>(ours.begin(), ours.end()).size(), 2u) << "a picture that tries only one filter";
}

// A reader that shares no code with libpng: ImageMagick, where it is installed (make test installs
// it). Its raw RGB output must be the captured pixels exactly.
std::optional<std::string> imageMagickRgb(const std::string& png) {
    char path[] = "/tmp/zorbel-png-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) return std::nullopt;
    const bool written = write(file, png.data(), png.size()) == static_cast<ssize_t>(png.size());
    close(file);
    std::optional<std::string> rgb;
    if (written) {
        const std::string command = std::string("convert 'PNG:") + path + "' -depth 8 rgb:- 2>/dev/null";
        if (FILE* pipe = popen(command.c_str(), "r")) {
            std::string out;
            char buffer[65536];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
            if (pclose(pipe) == 0) rgb = std::move(out);
        }
    }
    unlink(path);
    return rgb;
}

TEST(ImageEncodingTest, ImageMagickReadsThePngAsTheSamePixels) {
    if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick is not installed";
    for (const Image& image : {largePicture(true), largePicture(false), testPattern(7681, 2)}) {
        const auto bytes = encodePng(image);
        ASSERT_TRUE(bytes);
        const auto rgb = imageMagickRgb(*bytes);
        ASSERT_TRUE(rgb) << "ImageMagick could not read a " << image.width << "x" << image.height << " file";
        std::string expected;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t* p = image.pixel(x, y);
                expected += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0])};
            }
        EXPECT_TRUE(*rgb == expected) << image.width << "x" << image.height;
    }
}

// ---- Refusals and library errors ---------------------------------------------------------------

TEST(ImageEncodingTest, InvalidImagesAreRefusedByEveryEncoder) {
    Image empty;
    Image shortPixels = testPattern(4, 4);
    shortPixels.pixels.pop_back();
    Image longPixels = testPattern(4, 4);
    longPixels.pixels.push_back(0);
    Image negative = testPattern(4, 4);
    negative.width = -4;
    negative.height = -4;
    for (const Image* image : {&empty, &shortPixels, &longPixels, &negative}) {
        EXPECT_FALSE(isValidCapture(*image));
        for (ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp, ImageFormat::Jpg})
            EXPECT_FALSE(encodeImage(format, *image)) << static_cast<int>(format);
        EXPECT_FALSE(encodePackedDib(*image));
    }
    EXPECT_TRUE(isValidCapture(testPattern(4, 4)));
}

TEST(ImageEncodingTest, LibraryErrorsBecomeAFailureNotACrash) {
    // A PNG wider than libpng's default reading limit of 1,000,000 pixels is not written.
    const Image tooWideForPng = testPattern(1'000'001, 1);
    EXPECT_FALSE(encodePng(tooWideForPng));
    // libjpeg refuses a side above 65,500 pixels (error_exit).
    const Image tooWideForJpeg = testPattern(65'501, 1);
    EXPECT_FALSE(encodeJpeg(tooWideForJpeg));
    // Both libraries stay usable afterwards.
    EXPECT_TRUE(encodePng(testPattern(3, 3)));
    EXPECT_TRUE(encodeJpeg(testPattern(3, 3)));
    // Our own bitmap writer has no such limit.
    EXPECT_TRUE(encodeBmp(tooWideForJpeg));
}

// Sizes a format cannot hold are named as such, not taken for a lack of memory.
TEST(ImageEncodingTest, FailuresSayWhatHappened) {
    const Image tooWideForJpeg = testPattern(kMaxJpegSide + 1, 1);
    const Image tooTallForPng = testPattern(1, kMaxPngSide + 1);
    const struct {
        ImageFormat format;
        const Image* image;
        ImageFailure failure;
    } cases[] = {
        {ImageFormat::Jpg, &tooWideForJpeg, ImageFailure::TooLargeForFormat},
        {ImageFormat::Png, &tooWideForJpeg, ImageFailure::None},
        {ImageFormat::Png, &tooTallForPng, ImageFailure::TooLargeForFormat},
        {ImageFormat::Bmp, &tooTallForPng, ImageFailure::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeImage(c.format, *c.image).failure, c.failure) << static_cast<int>(c.format);
}

// An allocation that fails inside an encoder is a failure to report, never an exception that
// would end the process from a window procedure.
TEST(ImageEncodingTest, AnAllocationThatFailsIsOutOfMemoryNotAnException) {
    const Image image = testPattern(64, 48);
    const std::size_t tooLittle = 64 * 48 * 3 - 1;
    EncodedImage dib;
    EncodedImage bmp;
    ASSERT_NO_THROW(dib = encodePackedDib(image, tooLittle));
    ASSERT_NO_THROW(bmp = encodeBmp(image, tooLittle));
    EXPECT_EQ(dib.failure, ImageFailure::OutOfMemory);
    EXPECT_EQ(bmp.failure, ImageFailure::OutOfMemory);
    EXPECT_TRUE(dib.bytes.empty() && bmp.bytes.empty());
    EXPECT_TRUE(encodePackedDib(image, 40 + 64 * 48 * 3)) << "the exact size is enough";
}

TEST(ImageEncodingTest, EachFailureHasATextThatSaysWhatHappened) {
    using Kind = ImageFailureNotice::Kind;
    const struct {
        ImageFailure failure;
        std::optional<ImageFormat> format;
        std::uint32_t systemError;
        ImageFailureNotice notice;
    } cases[] = {
        {ImageFailure::None, ImageFormat::Png, 0, {}},
        {ImageFailure::InvalidImage, ImageFormat::Png, 0, {Kind::InvalidImage, 0, {}}},
        {ImageFailure::OutOfMemory, ImageFormat::Bmp, 0, {Kind::SystemText, kErrorNotEnoughMemory, {}}},
        {ImageFailure::OutOfMemory, std::nullopt, 0, {Kind::SystemText, kErrorNotEnoughMemory, {}}},
        {ImageFailure::WriteFailed, ImageFormat::Png, 5, {Kind::SystemText, 5, {}}},
        {ImageFailure::WriteFailed, ImageFormat::Png, 0, {Kind::SystemText, kErrorWriteFault, {}}},
        {ImageFailure::TooLargeForFormat, ImageFormat::Jpg, 0,
         {Kind::Text, 0, u"The image is too large for the JPG format (at most 65,500 pixels a side)."}},
        {ImageFailure::TooLargeForFormat, ImageFormat::Png, 0,
         {Kind::Text, 0, u"The image is too large for the PNG format (at most 1,000,000 pixels a side)."}},
        {ImageFailure::TooLargeForFormat, ImageFormat::Bmp, 0,
         {Kind::Text, 0, u"The image is too large for the BMP format (a file of at most 4 GB)."}},
        {ImageFailure::TooLargeForFormat, std::nullopt, 0,
         {Kind::Text, 0, u"The image is too large for the clipboard (at most 4 GB)."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(imageFailureNotice(c.failure, c.format, c.systemError), c.notice) << static_cast<int>(c.failure);
}

// A clean photograph (smooth light, no sensor noise) steps by a little from the pixel to its left
// and from the one above at once, nearly everywhere; a screen's gradient steps one way at a time.
TEST(ImageEncodingTest, SmoothPhotographWithoutNoiseIsNotTakenForAScreen) {
    Image photo = testPattern(1024, 64);
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x) {
            std::uint8_t* p = photo.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x / 3 + y);     // steps every third pixel
            p[1] = static_cast<std::uint8_t>(x / 2);         // and every second
            p[2] = static_cast<std::uint8_t>((x + y) / 5);
        }
    EXPECT_FALSE(looksLikeScreenContent(photo));
    Image wallpaper = photo;
    for (int y = 0; y < wallpaper.height; ++y)
        for (int x = 0; x < wallpaper.width; ++x) {
            std::uint8_t* p = wallpaper.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x / 8);       // a wallpaper's gradient, both ways
            p[1] = static_cast<std::uint8_t>(100 + y / 16);
            p[2] = 40;
        }
    EXPECT_TRUE(looksLikeScreenContent(wallpaper));
}

// A photograph shown on a desktop: the bands of rows through it, even one that the photo crosses
// for a few rows only, are deflated as a photograph; the others as a screen; the whole decodes
// exactly.
TEST(ImageEncodingTest, PhotoOnADesktopIsDeflatedAsAPhotoWhereItIs) {
    const Image screen = largePicture(true);
    const Image photo = largePicture(false);
    const auto bandsOf = [](const Image& image) {
        std::vector<bool> photoBands;
        for (const PngBandPlan& band : planPngBands(image, 2)) photoBands.push_back(band.photo);
        return photoBands;
    };
    ASSERT_EQ(bandsOf(screen), std::vector<bool>(3, false)) << "three bands of a screen";
    ASSERT_EQ(bandsOf(photo), std::vector<bool>(3, true));
    const struct {
        int top, bottom, left, right;
        std::vector<bool> photoBands;
    } cases[] = {
        {300, 420, 300, 800, {false, true, false}},  // inside the middle band
        {180, 290, 0, 1100, {true, true, false}},    // a strip across the first bands' seam
        {640, 700, 0, 1100, {false, false, true}},   // the last 60 rows
        {0, 700, 540, 560, {false, false, false}},   // a sliver 20 pixels wide: not worth it
    };
    for (const auto& c : cases) {
        Image mixed = screen;
        for (int y = c.top; y < c.bottom; ++y)
            std::memcpy(mixed.pixel(c.left, y), photo.pixel(c.left, y), static_cast<std::size_t>(c.right - c.left) * 4);
        EXPECT_EQ(bandsOf(mixed), c.photoBands) << c.top << ".." << c.bottom;
        const auto bytes = encodePng(mixed);
        ASSERT_TRUE(bytes);
        const auto decoded = decodePngFile(*bytes);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(largestDifference(mixed, *decoded), 0) << c.top << ".." << c.bottom;
    }
}

} // namespace
} // namespace zorbel
