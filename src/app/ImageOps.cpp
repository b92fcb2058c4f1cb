#include "app/ImageOps.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zorbel {

namespace {

bool validSide(int side) { return side > 0 && side <= kMaxImageSide; }

// round(value / 255) for a non-negative integer; value / 255 is never exactly halfway because
// 255 is odd, so adding 127 and truncating rounds to nearest.
std::uint8_t divide255(unsigned value) { return static_cast<std::uint8_t>((value + 127) / 255); }

// One source pixel's share of a target pixel along one axis.
struct Tap {
    int index;
    double weight;
};

// For every target position, the source positions it reads and their weights (summing to 1).
std::vector<std::vector<Tap>> axisTaps(int sourceSize, int targetSize) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int t = 0; t < targetSize; ++t) {
        auto& list = taps[static_cast<std::size_t>(t)];
        if (targetSize <= sourceSize) {
            // Area average: the target pixel covers [begin, end) of the source axis.
            const double begin = t * scale;
            const double end = (t + 1) * scale;
            const int first = static_cast<int>(std::floor(begin));
            const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = first; s <= last; ++s) {
                const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
                if (covered > 0) list.push_back({s, covered / scale});
            }
        } else {
            // Linear interpolation between pixel centres; the outer half pixels repeat the edge.
            const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, static_cast<double>(sourceSize - 1));
            const int left = static_cast<int>(std::floor(centre));
            const double fraction = centre - left;
            list.push_back({left, 1.0 - fraction});
            if (fraction > 0 && left + 1 < sourceSize) list.push_back({left + 1, fraction});
        }
    }
    return taps;
}

std::uint8_t roundToByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

Image makeImage(int width, int height) {
    Image image;
    if (!validSide(width) || !validSide(height)) return image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kImageChannels, 0);
    return image;
}

Image resizeImage(const Image& source, int width, int height) {
    if (source.empty() || !validSide(width) || !validSide(height) ||
        source.pixels.size() != static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height) * kImageChannels) {
        return {};
    }
    Image target = makeImage(width, height);
    const auto columns = axisTaps(source.width, width);
    const auto rows = axisTaps(source.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Sums of alpha and of alpha-weighted colour (premultiplied values, unrounded).
            double alpha = 0;
            double colour[3] = {0, 0, 0};
            for (const Tap& row : rows[static_cast<std::size_t>(y)]) {
                for (const Tap& column : columns[static_cast<std::size_t>(x)]) {
                    const std::uint8_t* p = source.pixel(column.index, row.index);
                    const double weightedAlpha = row.weight * column.weight * p[kAlphaChannel];
                    alpha += weightedAlpha;
                    for (int c = 0; c < 3; ++c) colour[c] += weightedAlpha * p[c];
                }
            }
            std::uint8_t* out = target.pixel(x, y);
            out[kAlphaChannel] = roundToByte(alpha);
            if (out[kAlphaChannel] == 0) continue; // stays transparent black
            for (int c = 0; c < 3; ++c) out[c] = roundToByte(colour[c] / alpha);
        }
    }
    return target;
}

void applyConstantAlpha(Image& image, std::uint8_t constantAlpha) {
    for (std::size_t i = kAlphaChannel; i < image.pixels.size(); i += kImageChannels) {
        image.pixels[i] = divide255(static_cast<unsigned>(image.pixels[i]) * constantAlpha);
    }
}

void premultiplyAlpha(Image& image) {
    for (std::size_t i = 0; i + kImageChannels <= image.pixels.size(); i += kImageChannels) {
        const unsigned alpha = image.pixels[i + kAlphaChannel];
        for (std::size_t c = 0; c < 3; ++c) image.pixels[i + c] = divide255(image.pixels[i + c] * alpha);
    }
}

void unpremultiplyAlpha(Image& image) {
    for (std::size_t i = 0; i + kImageChannels <= image.pixels.size(); i += kImageChannels) {
        const unsigned alpha = image.pixels[i + kAlphaChannel];
        for (std::size_t c = 0; c < 3; ++c) {
            const unsigned value = image.pixels[i + c];
            image.pixels[i + c] = alpha == 0 ? 0 : static_cast<std::uint8_t>(std::min(255u, (value * 255 + alpha / 2) / alpha));
        }
    }
}

bool hasAlpha(const Image& image) {
    for (std::size_t i = kAlphaChannel; i < image.pixels.size(); i += kImageChannels) {
        if (image.pixels[i] != 0) return true;
    }
    return false;
}

bool applyMask(Image& image, const Image& mask) {
    if (mask.width != image.width || mask.height != image.height || mask.pixels.size() != image.pixels.size()) {
        return false;
    }
    for (std::size_t i = 0; i + kImageChannels <= image.pixels.size(); i += kImageChannels) {
        const bool visible = mask.pixels[i] == 0 && mask.pixels[i + 1] == 0 && mask.pixels[i + 2] == 0;
        if (visible) {
            image.pixels[i + kAlphaChannel] = 255;
        } else {
            std::fill_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(i), kImageChannels, std::uint8_t{0});
        }
    }
    return true;
}

void swapRedAndBlue(Image& image) {
    for (std::size_t i = 0; i + kImageChannels <= image.pixels.size(); i += kImageChannels) {
        std::swap(image.pixels[i], image.pixels[i + 2]);
    }
}

} // namespace zorbel
