#include "app/ImageOps.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace zorbel {
namespace {

using Pixel = std::array<std::uint8_t, 4>;

Image filled(int width, int height, Pixel value) {
    Image image = makeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) std::copy(value.begin(), value.end(), image.pixel(x, y));
    }
    return image;
}

Pixel at(const Image& image, int x, int y) {
    const std::uint8_t* p = image.pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
}

Image onePixel(Pixel value) { return filled(1, 1, value); }

// round(a * b / 255) computed the slow, obvious way.
std::uint8_t reference(unsigned a, unsigned b) {
    return static_cast<std::uint8_t>(std::floor(a * b / 255.0 + 0.5));
}

// --- premultiplyAlpha -----------------------------------------------------------------------

struct RoundingCase {
    std::uint8_t value;
    std::uint8_t alpha;
    std::uint8_t expected;
};

class PremultiplyTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(PremultiplyTest, MultipliesEveryColourByAlphaOver255RoundedToNearest) {
    const auto& c = GetParam();
    Image image = onePixel({c.value, c.value, c.value, c.alpha});
    premultiplyAlpha(image);
    EXPECT_EQ(at(image, 0, 0), (Pixel{c.expected, c.expected, c.expected, c.alpha}));
}

INSTANTIATE_TEST_SUITE_P(ChosenValues, PremultiplyTest,
                         testing::Values(RoundingCase{255, 128, 128}, // 128.0
                                         RoundingCase{1, 128, 1},     // 0.502 rounds up
                                         RoundingCase{1, 127, 0},     // 0.498 rounds down
                                         RoundingCase{200, 100, 78},  // 78.43
                                         RoundingCase{100, 51, 20},   // exactly 20
                                         RoundingCase{64, 2, 1},      // 0.502
                                         RoundingCase{63, 2, 0},      // 0.494
                                         RoundingCase{128, 255, 128}, // opaque: unchanged
                                         RoundingCase{255, 0, 0},     // transparent: black
                                         RoundingCase{0, 200, 0}));

TEST(ImageOps, PremultiplyTreatsTheThreeColourBytesSeparately) {
    Image image = onePixel({255, 100, 3, 170});
    premultiplyAlpha(image);
    EXPECT_EQ(at(image, 0, 0), (Pixel{170, 67, 2, 170})); // 170, 66.67, 2.0
}

TEST(ImageOps, PremultiplyMatchesTheRoundedProductForEveryValueAndAlpha) {
    Image image = makeImage(256, 256);
    for (int a = 0; a < 256; ++a) {
        for (int v = 0; v < 256; ++v) {
            std::uint8_t* p = image.pixel(v, a);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>(v);
            p[3] = static_cast<std::uint8_t>(a);
        }
    }
    premultiplyAlpha(image);
    int wrong = 0;
    for (int a = 0; a < 256; ++a) {
        for (int v = 0; v < 256; ++v) {
            const Pixel expected{reference(v, a), reference(v, a), reference(v, a), static_cast<std::uint8_t>(a)};
            if (at(image, v, a) != expected) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// --- applyConstantAlpha ---------------------------------------------------------------------

class ConstantAlphaTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(ConstantAlphaTest, ScalesAlphaRoundedToNearestAndLeavesColourAlone) {
    const auto& c = GetParam();
    Image image = onePixel({11, 22, 33, c.value});
    applyConstantAlpha(image, c.alpha);
    EXPECT_EQ(at(image, 0, 0), (Pixel{11, 22, 33, c.expected}));
}

INSTANTIATE_TEST_SUITE_P(ChosenValues, ConstantAlphaTest,
                         testing::Values(RoundingCase{255, 130, 130}, RoundingCase{255, 255, 255},
                                         RoundingCase{128, 128, 64},  // 64.25
                                         RoundingCase{1, 128, 1},     // 0.502
                                         RoundingCase{1, 127, 0},     // 0.498
                                         RoundingCase{77, 230, 69},   // 69.45
                                         RoundingCase{200, 255, 200}, RoundingCase{255, 0, 0},
                                         RoundingCase{0, 255, 0}));

TEST(ImageOps, ConstantAlphaMatchesTheRoundedProductForEveryAlphaPair) {
    Image image = makeImage(256, 1);
    int wrong = 0;
    for (int constant = 0; constant < 256; ++constant) {
        for (int a = 0; a < 256; ++a) image.pixel(a, 0)[3] = static_cast<std::uint8_t>(a);
        applyConstantAlpha(image, static_cast<std::uint8_t>(constant));
        for (int a = 0; a < 256; ++a) {
            if (image.pixel(a, 0)[3] != reference(a, constant)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// --- unpremultiplyAlpha ---------------------------------------------------------------------

TEST(ImageOps, UnpremultiplyDividesByAlpha) {
    Image image = filled(3, 1, {0, 0, 0, 0});
    std::copy_n(Pixel{128, 64, 0, 128}.begin(), 4, image.pixel(0, 0)); // 255, 127.5, 0
    std::copy_n(Pixel{85, 85, 85, 255}.begin(), 4, image.pixel(1, 0)); // opaque: unchanged
    std::copy_n(Pixel{9, 9, 9, 0}.begin(), 4, image.pixel(2, 0));      // no alpha: black
    unpremultiplyAlpha(image);
    EXPECT_EQ(at(image, 0, 0), (Pixel{255, 128, 0, 128}));
    EXPECT_EQ(at(image, 1, 0), (Pixel{85, 85, 85, 255}));
    EXPECT_EQ(at(image, 2, 0), (Pixel{0, 0, 0, 0}));
}

TEST(ImageOps, UnpremultiplyThenPremultiplyGivesBackEveryPremultipliedValue) {
    Image image = makeImage(256, 256);
    for (int a = 0; a < 256; ++a) {
        for (int v = 0; v < 256; ++v) {
            std::uint8_t* p = image.pixel(v, a);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>(std::min(v, a));
            p[3] = static_cast<std::uint8_t>(a);
        }
    }
    const Image original = image;
    unpremultiplyAlpha(image);
    premultiplyAlpha(image);
    EXPECT_EQ(image.pixels, original.pixels);
}

// --- resizeImage: exact averages --------------------------------------------------------------

Image greyRow(std::initializer_list<int> values) {
    Image image = makeImage(static_cast<int>(values.size()), 1);
    int x = 0;
    for (int v : values) {
        const auto g = static_cast<std::uint8_t>(v);
        std::copy_n(Pixel{g, g, g, 255}.begin(), 4, image.pixel(x++, 0));
    }
    return image;
}

TEST(ResizeImage, HalvingAveragesPairs) {
    const Image out = resizeImage(greyRow({0, 100, 200, 60}), 2, 1);
    ASSERT_EQ(out.width, 2);
    EXPECT_EQ(at(out, 0, 0), (Pixel{50, 50, 50, 255}));
    EXPECT_EQ(at(out, 1, 0), (Pixel{130, 130, 130, 255}));
}

TEST(ResizeImage, NonIntegerRatioWeighsPartlyCoveredPixels) {
    // 3 -> 2: the first target pixel covers source 0 and half of 1, the second half of 1 and 2.
    const Image out = resizeImage(greyRow({0, 90, 30}), 2, 1);
    EXPECT_EQ(at(out, 0, 0), (Pixel{30, 30, 30, 255})); // (0 + 45) / 1.5
    EXPECT_EQ(at(out, 1, 0), (Pixel{50, 50, 50, 255})); // (45 + 30) / 1.5
}

TEST(ResizeImage, AveragesBothAxes) {
    Image image = makeImage(2, 2);
    std::copy_n(Pixel{10, 0, 0, 255}.begin(), 4, image.pixel(0, 0));
    std::copy_n(Pixel{20, 0, 0, 255}.begin(), 4, image.pixel(1, 0));
    std::copy_n(Pixel{30, 0, 0, 255}.begin(), 4, image.pixel(0, 1));
    std::copy_n(Pixel{40, 0, 0, 255}.begin(), 4, image.pixel(1, 1));
    EXPECT_EQ(at(resizeImage(image, 1, 1), 0, 0), (Pixel{25, 0, 0, 255}));
}

TEST(ResizeImage, CheckerboardHalvedIsEvenGrey) {
    Image image = makeImage(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t v = (x + y) % 2 ? 255 : 0;
            std::copy_n(Pixel{v, v, v, 255}.begin(), 4, image.pixel(x, y));
        }
    }
    const Image out = resizeImage(image, 32, 32);
    EXPECT_EQ(out.pixels, filled(32, 32, {128, 128, 128, 255}).pixels); // 127.5 rounded
}

TEST(ResizeImage, GrowingInterpolatesBetweenPixelCentres) {
    const Image out = resizeImage(greyRow({0, 200}), 4, 1);
    ASSERT_EQ(out.width, 4);
    EXPECT_EQ(at(out, 0, 0)[0], 0);   // left of the first centre: the edge value
    EXPECT_EQ(at(out, 1, 0)[0], 50);  // a quarter of the way
    EXPECT_EQ(at(out, 2, 0)[0], 150); // three quarters
    EXPECT_EQ(at(out, 3, 0)[0], 200);
}

TEST(ResizeImage, GrowingNextToTransparencyKeepsTheColour) {
    Image image = makeImage(2, 1);
    std::copy_n(Pixel{255, 0, 0, 255}.begin(), 4, image.pixel(0, 0)); // opaque red, then transparent black
    const Image out = resizeImage(image, 4, 1);
    EXPECT_EQ(at(out, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(at(out, 1, 0), (Pixel{255, 0, 0, 191})); // 191.25
    EXPECT_EQ(at(out, 2, 0), (Pixel{255, 0, 0, 64}));  // 63.75
    EXPECT_EQ(at(out, 3, 0), (Pixel{0, 0, 0, 0}));
}

TEST(ResizeImage, ShrinkingOneAxisWhileGrowingTheOtherKeepsAUniformColour) {
    const Pixel colour{10, 200, 77, 180};
    EXPECT_EQ(resizeImage(filled(64, 8, colour), 16, 32).pixels, filled(16, 32, colour).pixels);
}

TEST(ResizeImage, SameSizeIsACopy) {
    Image image = makeImage(5, 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 37);
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) image.pixels[i] = 255;
    EXPECT_EQ(resizeImage(image, 5, 3).pixels, image.pixels);
}

TEST(ResizeImage, RefusesEmptySourcesAndImpossibleSizes) {
    const Image source = filled(4, 4, {1, 2, 3, 255});
    EXPECT_TRUE(resizeImage(Image{}, 4, 4).empty());
    EXPECT_TRUE(resizeImage(source, 0, 4).empty());
    EXPECT_TRUE(resizeImage(source, 4, -1).empty());
    EXPECT_TRUE(resizeImage(source, kMaxImageSide + 1, 4).empty());
    Image broken = source;
    broken.pixels.resize(8); // claims 4 x 4, holds 2 pixels
    EXPECT_TRUE(resizeImage(broken, 2, 2).empty());
    EXPECT_TRUE(makeImage(0, 5).empty());
    EXPECT_TRUE(makeImage(5, kMaxImageSide + 1).empty());
    EXPECT_FALSE(makeImage(kMaxImageSide, 1).empty());
}

// --- resizeImage: the menu image sizes --------------------------------------------------------

class MenuImageSizeTest : public testing::TestWithParam<int> {};

TEST_P(MenuImageSizeTest, HasTheRequestedSize) {
    const Image out = resizeImage(filled(64, 64, {1, 2, 3, 255}), GetParam(), GetParam());
    EXPECT_EQ(out.width, GetParam());
    EXPECT_EQ(out.height, GetParam());
    EXPECT_EQ(out.pixels.size(), static_cast<std::size_t>(GetParam() * GetParam() * 4));
}

TEST_P(MenuImageSizeTest, KeepsTheColourOfAUniformImage) {
    for (const Pixel colour : {Pixel{10, 200, 77, 255}, Pixel{255, 128, 1, 99}, Pixel{3, 3, 250, 1}}) {
        EXPECT_EQ(resizeImage(filled(64, 64, colour), GetParam(), GetParam()).pixels,
                  filled(GetParam(), GetParam(), colour).pixels);
    }
}

TEST_P(MenuImageSizeTest, AFullyTransparentImageStaysTransparent) {
    // Colour in transparent pixels is meaningless; the result must not pick any of it up.
    Image image = makeImage(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            std::copy_n(Pixel{static_cast<std::uint8_t>(x * 4), 255, static_cast<std::uint8_t>(y * 4), 0}.begin(), 4,
                        image.pixel(x, y));
        }
    }
    const Image out = resizeImage(image, GetParam(), GetParam());
    EXPECT_EQ(out.pixels, makeImage(GetParam(), GetParam()).pixels);
}

TEST_P(MenuImageSizeTest, AnOpaqueImageStaysOpaque) {
    Image image = makeImage(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            std::copy_n(Pixel{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>((x ^ y) * 4),
                              static_cast<std::uint8_t>(y * 4), 255}.begin(),
                        4, image.pixel(x, y));
        }
    }
    const Image out = resizeImage(image, GetParam(), GetParam());
    int notOpaque = 0;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) notOpaque += at(out, x, y)[3] != 255;
    }
    EXPECT_EQ(notOpaque, 0);
}

TEST_P(MenuImageSizeTest, TransparentSurroundingsNeitherDarkenNorTintTheEdge) {
    // An opaque red square whose edges fall inside target pixels, on transparent black and on
    // transparent white: averaging straight colours would give dark or pink edges.
    for (const Pixel background : {Pixel{0, 0, 0, 0}, Pixel{255, 255, 255, 0}}) {
        Image image = filled(64, 64, background);
        for (int y = 11; y < 53; ++y) {
            for (int x = 11; x < 53; ++x) std::copy_n(Pixel{255, 0, 0, 255}.begin(), 4, image.pixel(x, y));
        }
        const Image out = resizeImage(image, GetParam(), GetParam());
        int partlyCovered = 0;
        int offColour = 0;
        for (int y = 0; y < out.height; ++y) {
            for (int x = 0; x < out.width; ++x) {
                const Pixel p = at(out, x, y);
                if (p[3] > 0 && p[3] < 255) ++partlyCovered;
                if (p[3] > 0 && (p[0] != 255 || p[1] != 0 || p[2] != 0)) ++offColour;
                if (p[3] == 0 && p != Pixel{0, 0, 0, 0}) ++offColour;
            }
        }
        EXPECT_GT(partlyCovered, 0);
        EXPECT_EQ(offColour, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(From64, MenuImageSizeTest, testing::Values(16, 20, 24, 32, 48));

TEST(ResizeImage, APixelWhoseAlphaRoundsToZeroIsTransparentBlack) {
    Image image = makeImage(4, 4);
    std::copy_n(Pixel{200, 100, 50, 1}.begin(), 4, image.pixel(1, 2)); // 1/16 of an alpha step
    EXPECT_EQ(at(resizeImage(image, 1, 1), 0, 0), (Pixel{0, 0, 0, 0}));
}

TEST(ResizeImage, PartlyCoveredPixelsGetTheCoveredShareOfAlpha) {
    Image image = makeImage(64, 64);
    for (int y = 11; y < 53; ++y) {
        for (int x = 11; x < 53; ++x) std::copy_n(Pixel{255, 0, 0, 255}.begin(), 4, image.pixel(x, y));
    }
    const Image out = resizeImage(image, 32, 32);
    EXPECT_EQ(at(out, 5, 16)[3], 128); // half covered: 127.5
    EXPECT_EQ(at(out, 5, 5)[3], 64);   // a quarter: 63.75
    EXPECT_EQ(at(out, 4, 16)[3], 0);
    EXPECT_EQ(at(out, 6, 16)[3], 255);
}

// --- masks and channel order ----------------------------------------------------------------

TEST(ImageOps, HasAlphaLooksAtEveryPixel) {
    Image image = filled(3, 3, {200, 200, 200, 0});
    EXPECT_FALSE(hasAlpha(image));
    image.pixel(2, 2)[3] = 1;
    EXPECT_TRUE(hasAlpha(image));
}

TEST(ImageOps, MaskMakesBlackMaskPixelsOpaqueAndTheRestTransparent) {
    Image image = makeImage(3, 1);
    std::copy_n(Pixel{10, 20, 30, 0}.begin(), 4, image.pixel(0, 0));
    std::copy_n(Pixel{40, 50, 60, 0}.begin(), 4, image.pixel(1, 0));
    std::copy_n(Pixel{70, 80, 90, 0}.begin(), 4, image.pixel(2, 0));
    Image mask = makeImage(3, 1);
    std::copy_n(Pixel{0, 0, 0, 0}.begin(), 4, mask.pixel(0, 0));
    std::copy_n(Pixel{255, 255, 255, 0}.begin(), 4, mask.pixel(1, 0));
    std::copy_n(Pixel{0, 0, 1, 0}.begin(), 4, mask.pixel(2, 0));
    ASSERT_TRUE(applyMask(image, mask));
    EXPECT_EQ(at(image, 0, 0), (Pixel{10, 20, 30, 255}));
    EXPECT_EQ(at(image, 1, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 2, 0), (Pixel{0, 0, 0, 0}));
}

TEST(ImageOps, MaskOfAnotherSizeChangesNothing) {
    Image image = filled(2, 2, {5, 6, 7, 0});
    const Image before = image;
    EXPECT_FALSE(applyMask(image, makeImage(2, 1)));
    EXPECT_EQ(image.pixels, before.pixels);
}

TEST(ImageOps, SwapRedAndBlueExchangesTheFirstAndThirdByte) {
    Image image = filled(2, 1, {1, 2, 3, 4});
    swapRedAndBlue(image);
    EXPECT_EQ(at(image, 0, 0), (Pixel{3, 2, 1, 4}));
    EXPECT_EQ(at(image, 1, 0), (Pixel{3, 2, 1, 4}));
}

} // namespace
} // namespace zorbel
