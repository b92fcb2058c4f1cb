// PNG written with our own chunks around zlib: 8-bit RGB without alpha, written to memory.
//
// Speed comes from three choices. The rows are deflated in bands on every core, each band its own
// raw deflate stream; every band but the last ends on a byte boundary with a sync flush, so the
// bands joined in order are one valid zlib stream whose Adler-32 is the combination of theirs.
// The filters run straight on the captured BGRX rows, in loops the compiler can vectorise.
// A quick look at each band's pixels picks its filtering and compression (see DeflateChoice):
// screen content (flat areas, text, gradients) and photographic content want different ones, and
// a photo shown on a desktop has both.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <thread>
#include <vector>

#include "capture/ImageEncoding.h"

namespace zorbel {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kBytesPerPixel = 3;
// Length, type and CRC around every chunk's data.
constexpr std::size_t kChunkFrame = 12;
// The zlib stream's two header bytes and its four-byte Adler-32.
constexpr std::size_t kZlibFrame = 6;
// crc32 takes at most UINT_MAX bytes at a time.
constexpr std::size_t kLargestCrcStep = std::size_t{1} << 30;
constexpr int kRowsPerDeflateCall = 16;
// How far back deflate's matches reach, with windowBits 15.
constexpr std::size_t kDeflateWindow = 32768;
constexpr std::size_t kOutputBlock = 256 * 1024;
// Below this many pixels a band of its own costs more than it saves.
constexpr std::size_t kPixelsPerBand = 256 * 1024;
constexpr std::size_t kBandsPerCore = 4;
constexpr unsigned kMaxThreads = 16;
constexpr int kProbeRows = 16;

// PNG's row filters; the value is the filter byte.
enum class RowFilter : unsigned char { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };
constexpr int kFilterCount = 5;

// How a band's rows are filtered and deflated.
//
// Screen content: each row takes whichever filter leaves the fewest pixels with a non-zero byte
// (flat areas and repeats become runs of zeros for the matcher). zlib's greedy matcher then
// inserts every string however long the match it sits in (max_lazy, which level 1 to 3 take as the
// longest match to insert, is 258) and searches 128 candidates for a match of full length: on real
// screenshots that came out smaller than libpng's level 6 in three quarters of its time, where the
// greedy levels as they stand insert too little and lose 50 to 140 per cent. A hash table of 16K
// entries (memLevel 6) instead of 32K cost nothing in size there and spares a tenth of the time,
// most of it spent clearing the table's old entries each time the window slides.
//
// Photographic content: each row takes the filter with the smallest sum of absolute differences,
// as libpng chooses, and zlib's Huffman coding with runs only (Z_RLE): sensor noise leaves no long
// repeats, so a match search costs time and finds nothing.
struct DeflateChoice {
    bool photo;
    int level;
    int strategy;
    int memLevel;
    int goodLength, maxLazy, niceLength, maxChain; // deflateTune's values, 0 for the level's own
};

constexpr DeflateChoice kScreenChoice{false, 3, Z_DEFAULT_STRATEGY, 6, 4, 258, 258, 128};
constexpr DeflateChoice kPhotoChoice{true, 1, Z_RLE, 8, 0, 0, 0, 0};

void putBe32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// The CRC-32 of bytes continued from crc; crc32 takes at most UINT_MAX bytes at a time.
uLong crc32Of(uLong crc, const std::string& bytes) {
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    for (std::size_t done = 0; done < bytes.size();) {
        const auto step = static_cast<uInt>(std::min(bytes.size() - done, kLargestCrcStep));
        crc = crc32(crc, data + done, step);
        done += step;
    }
    return crc;
}

// A piece of a chunk's data, with its CRC-32 where it is known already.
struct ChunkPiece {
    const std::string* bytes;
    std::optional<uLong> crc;
};

// Appends one chunk; data may be split in pieces that are written one after the other.
void appendChunk(std::string& out, const char (&type)[5], const std::vector<ChunkPiece>& pieces) {
    std::size_t length = 0;
    for (const ChunkPiece& piece : pieces) length += piece.bytes->size();
    putBe32(out, static_cast<std::uint32_t>(length));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.data() + typeAt), 4);
    for (const ChunkPiece& piece : pieces) {
        out += *piece.bytes;
        crc = piece.crc ? crc32_combine(crc, *piece.crc, static_cast<z_off_t>(piece.bytes->size()))
                        : crc32Of(crc, *piece.bytes);
    }
    putBe32(out, static_cast<std::uint32_t>(crc));
}

// The most a colour byte may differ from its left neighbour's for the pair to count as a smooth
// step: light changing across a photograph, or noise on it.
constexpr int kSmoothStep = 4;

bool isSmoothStep(const std::uint8_t* pixel, const std::uint8_t* left) {
    return std::abs(pixel[0] - left[0]) <= kSmoothStep && std::abs(pixel[1] - left[1]) <= kSmoothStep &&
           std::abs(pixel[2] - left[2]) <= kSmoothStep;
}

// True when rows [firstRow, endRow) hold photographic content, from up to kProbeRows of them
// spread evenly. A pixel of a photograph differs a little from its left neighbour and differs
// from the pixels above and below it as well. On a screen nearly every pixel repeats one of them
// (flat areas, strokes, gradients that run one way, the first row of a gradient under something
// else), and where text's edges repeat none they differ by much. On real screenshots such pixels
// are at most 0.2 per cent, on photos 10 to 90 per cent; a band where they make 1 per cent holds a
// strip of photograph worth deflating as one.
constexpr std::size_t kPhotoLikePercent = 1;

bool rowsHoldPhotoContent(const Image& image, int firstRow, int endRow) {
    if (image.width < 2 || endRow <= firstRow) return false;
    std::size_t photoLike = 0;
    std::size_t compared = 0;
    const int height = endRow - firstRow;
    const int rows = std::min(kProbeRows, height);
    for (int i = 0; i < rows; ++i) {
        const int y = firstRow + static_cast<int>((static_cast<std::int64_t>(height) * (2 * i + 1)) / (2 * rows));
        const std::uint8_t* pixel = image.pixel(1, y);
        const std::uint8_t* above = y > 0 ? image.pixel(1, y - 1) : nullptr;
        const std::uint8_t* below = y + 1 < image.height ? image.pixel(1, y + 1) : nullptr;
        for (int x = 1; x < image.width; ++x, pixel += kImageChannels) {
            const std::uint8_t* left = pixel - kImageChannels;
            const std::size_t offset = static_cast<std::size_t>(x - 1) * kImageChannels;
            if (std::memcmp(pixel, left, kBytesPerPixel) != 0 && isSmoothStep(pixel, left) &&
                (above == nullptr || std::memcmp(pixel, above + offset, kBytesPerPixel) != 0) &&
                (below == nullptr || std::memcmp(pixel, below + offset, kBytesPerPixel) != 0))
                ++photoLike;
        }
        compared += static_cast<std::size_t>(image.width - 1);
    }
    return photoLike * 100 >= compared * kPhotoLikePercent;
}

// One band of rows: its raw deflate data and the Adler-32 of the bytes it deflated.
struct Band {
    int firstRow = 0;
    DeflateChoice choice = kScreenChoice;
    int endRow = 0;
    bool last = false;
    std::string deflated;
    uLong crc = 0; // of deflated, for the chunk's CRC
    uLong adler = 1;
    std::size_t rawLength = 0;
    bool ok = false;
};

// The pixels of a row as 32-bit words, blue in the low byte; the top byte is unused.
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

std::uint32_t wordAt(const std::uint8_t* bgrx, std::size_t x) {
    std::uint32_t word;
    std::memcpy(&word, bgrx + x * kImageChannels, sizeof(word));
    return word;
}

// The predictor of Paeth's filter. In 16-bit arithmetic, which is wide enough and lets the
// compiler take eight bytes at a time.
std::int16_t paethPredictor(std::int16_t left, std::int16_t above, std::int16_t aboveLeft) {
    const auto fromLeft = static_cast<std::int16_t>(above - aboveLeft); // the guess's distance to left
    const auto fromAbove = static_cast<std::int16_t>(left - aboveLeft);
    const auto pa = static_cast<std::int16_t>(std::abs(fromLeft));
    const auto pb = static_cast<std::int16_t>(std::abs(fromAbove));
    const auto pc = static_cast<std::int16_t>(std::abs(fromLeft + fromAbove));
    return pa <= pb && pa <= pc ? left : (pb <= pc ? above : aboveLeft);
}

// The magnitude of a filtered byte taken as a signed difference, as libpng weighs it.
int magnitude(int difference) { return std::abs(static_cast<int>(static_cast<std::int8_t>(difference & 0xFF))); }

// Filters bytes [begin, end) of a BGRX row into the same places of out. The filters work on each
// byte alike, so they run on the BGRX rows, in loops simple enough for the compiler to vectorise;
// the fourth byte comes along and is dropped afterwards. above is the row above, or zeros for the
// image's first row, as PNG has it.
void filterBytes(RowFilter filter, const std::uint8_t* row, const std::uint8_t* above, std::size_t begin,
                 std::size_t end, std::uint8_t* out) {
    // The first pixel has nothing to its left: Sub predicts zero, Paeth the byte above.
    const std::size_t lead = std::min(std::max(begin, static_cast<std::size_t>(kImageChannels)), end);
    for (std::size_t i = begin; i < lead; ++i) {
        const int predictor = filter == RowFilter::Up || filter == RowFilter::Paeth ? above[i]
                              : filter == RowFilter::Average                       ? above[i] >> 1
                                                                                   : 0;
        out[i] = static_cast<std::uint8_t>(row[i] - predictor);
    }
    switch (filter) {
    case RowFilter::None:
        std::memcpy(out + lead, row + lead, end - lead);
        break;
    case RowFilter::Sub:
        for (std::size_t i = lead; i < end; ++i) out[i] = static_cast<std::uint8_t>(row[i] - row[i - kImageChannels]);
        break;
    case RowFilter::Up:
        for (std::size_t i = lead; i < end; ++i) out[i] = static_cast<std::uint8_t>(row[i] - above[i]);
        break;
    case RowFilter::Average:
        for (std::size_t i = lead; i < end; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - ((row[i - kImageChannels] + above[i]) >> 1));
        break;
    case RowFilter::Paeth:
        for (std::size_t i = lead; i < end; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - paethPredictor(row[i - kImageChannels], above[i],
                                                                       above[i - kImageChannels]));
        break;
    }
}

// Pixels of a filtered row with a non-zero colour byte.
// The counts are 32-bit, which a row of at most kMaxPngSide pixels never passes, so that the
// compiler keeps them in the vector lanes.
std::size_t changedPixels(const std::uint8_t* filtered, std::size_t width) {
    std::uint32_t changed = 0;
    for (std::size_t x = 0; x < width; ++x) changed += (wordAt(filtered, x) & kColourBits) != 0;
    return changed;
}

// The same for None, Sub and Up, which need no filtering to be counted.
std::size_t pixelsUnlike(const std::uint8_t* row, const std::uint8_t* above, std::size_t width) {
    std::uint32_t changed = 0;
    for (std::size_t x = 0; x < width; ++x) changed += ((wordAt(row, x) ^ wordAt(above, x)) & kColourBits) != 0;
    return changed;
}

// For each filter, the sum of the magnitudes of the bytes it leaves: one pass that filters all five
// at once and keeps none of them. The rows' fourth bytes must be zero (see FilterScratch::mask).
// The sums are 32-bit, which a row of at most kMaxPngSide pixels never passes.
std::array<std::uint32_t, kFilterCount> absoluteDifferences(const std::uint8_t* row, const std::uint8_t* above,
                                                            std::size_t bytes) {
    std::uint32_t none = 0, sub = 0, up = 0, average = 0, paeth = 0;
    const std::size_t lead = std::min<std::size_t>(kImageChannels, bytes);
    for (std::size_t i = 0; i < lead; ++i) {
        none += static_cast<std::uint32_t>(magnitude(row[i]));
        sub += static_cast<std::uint32_t>(magnitude(row[i]));
        up += static_cast<std::uint32_t>(magnitude(row[i] - above[i]));
        average += static_cast<std::uint32_t>(magnitude(row[i] - (above[i] >> 1)));
        paeth += static_cast<std::uint32_t>(magnitude(row[i] - above[i]));
    }
    // In runs short enough for 16-bit sums, on bytes: the compiler then takes sixteen at a time.
    // A filtered byte's magnitude as a signed difference is the smaller of it and its negation.
    constexpr std::size_t kRun = 256; // 256 * 128 fits 16 bits
    const auto magnitudeOf = [](unsigned difference) {
        const auto byte = static_cast<std::uint8_t>(difference);
        const auto negated = static_cast<std::uint8_t>(0u - difference);
        return static_cast<std::uint16_t>(byte < negated ? byte : negated);
    };
    for (std::size_t start = lead; start < bytes; start += kRun) {
        const std::size_t end = std::min(bytes, start + kRun);
        std::uint16_t runNone = 0, runSub = 0, runUp = 0, runAverage = 0, runPaeth = 0;
        for (std::size_t i = start; i < end; ++i) {
            const std::uint8_t x = row[i];
            const std::uint8_t a = row[i - kImageChannels];
            const std::uint8_t b = above[i];
            const std::uint8_t c = above[i - kImageChannels];
            const auto mean = static_cast<std::uint8_t>((a & b) + ((a ^ b) >> 1)); // (a + b) / 2
            runNone = static_cast<std::uint16_t>(runNone + magnitudeOf(x));
            runSub = static_cast<std::uint16_t>(runSub + magnitudeOf(x - a));
            runUp = static_cast<std::uint16_t>(runUp + magnitudeOf(x - b));
            runAverage = static_cast<std::uint16_t>(runAverage + magnitudeOf(x - mean));
            runPaeth = static_cast<std::uint16_t>(
                runPaeth + magnitudeOf(x - static_cast<std::uint8_t>(paethPredictor(a, b, c))));
        }
        none += runNone;
        sub += runSub;
        up += runUp;
        average += runAverage;
        paeth += runPaeth;
    }
    return {none, sub, up, average, paeth};
}

// BGRX to RGB. Each pixel but the last is stored as four bytes, the fourth of which the next
// pixel overwrites: one store a pixel instead of three.
void toRgb(const std::uint8_t* bgrx, std::size_t width, unsigned char* rgb) {
    if (width == 0) return;
    for (std::size_t x = 0; x + 1 < width; ++x) {
        const std::uint32_t word = wordAt(bgrx, x);
        const std::uint32_t swapped = ((word >> 16) & 0xFF) | (word & 0xFF00) | ((word & 0xFF) << 16);
        std::memcpy(rgb + x * kBytesPerPixel, &swapped, sizeof(swapped));
    }
    const std::uint8_t* last = bgrx + (width - 1) * kImageChannels;
    unsigned char* out = rgb + (width - 1) * kBytesPerPixel;
    out[0] = last[2];
    out[1] = last[1];
    out[2] = last[0];
}

// Room for a filtered row, a row of zeros to stand above the first, and the photo rows' copies.
struct FilterScratch {
    explicit FilterScratch(std::size_t width)
        : width(width), bytes(width * kImageChannels), filtered(bytes), zeros(bytes, 0), maskedRow(bytes),
          maskedAbove(bytes) {}

    // A copy of the row with its fourth bytes zero, so that they weigh nothing.
    static void mask(const std::uint8_t* row, std::size_t width, std::uint8_t* out) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t word = wordAt(row, x) & kColourBits;
            std::memcpy(out + x * kImageChannels, &word, sizeof(word));
        }
    }

    std::size_t width;
    std::size_t bytes;
    std::vector<std::uint8_t> filtered;
    std::vector<std::uint8_t> zeros;
    std::vector<std::uint8_t> maskedRow;
    std::vector<std::uint8_t> maskedAbove;
    const std::uint8_t* maskedOf = nullptr; // the row maskedRow holds
};

// A screen row's filter: the fewest pixels left with a non-zero byte. None, Sub and Up are counted
// by comparing pixels; Paeth, which suits anti-aliased text and gradients, is filtered to be
// counted, and only where the others leave more than one pixel in kPaethWorthTrying (below that it
// gained 0.03 per cent on real screenshots for a twentieth of the time). Average never beat them
// there. Ties go to the first in that order.
constexpr std::size_t kPaethWorthTrying = 64;

RowFilter screenRowFilter(const std::uint8_t* row, const std::uint8_t* above, FilterScratch& scratch) {
    const std::size_t width = scratch.width;
    const std::size_t none = changedPixels(row, width);
    std::size_t sub = (wordAt(row, 0) & kColourBits) != 0;
    if (width > 1) sub += pixelsUnlike(row + kImageChannels, row, width - 1);
    const std::size_t up = pixelsUnlike(row, above, width);
    RowFilter best = RowFilter::None;
    std::size_t fewest = none;
    if (sub < fewest) best = RowFilter::Sub, fewest = sub;
    if (up < fewest) best = RowFilter::Up, fewest = up;
    if (fewest * kPaethWorthTrying <= width) return best;
    filterBytes(RowFilter::Paeth, row, above, 0, scratch.bytes, scratch.filtered.data());
    return changedPixels(scratch.filtered.data(), width) < fewest ? RowFilter::Paeth : best;
}

// A photo row's filter: the smallest sum of absolute differences over the whole row, as libpng
// chooses; a photo beside text in a row needs the whole row weighed.
RowFilter photoRowFilter(const std::uint8_t* row, const std::uint8_t* above, FilterScratch& scratch) {
    // Rows come in order, so the row above was masked as the last row, as a rule.
    if (scratch.maskedOf == above) {
        scratch.maskedRow.swap(scratch.maskedAbove);
    } else {
        FilterScratch::mask(above, scratch.width, scratch.maskedAbove.data());
    }
    FilterScratch::mask(row, scratch.width, scratch.maskedRow.data());
    scratch.maskedOf = row;
    const auto sums = absoluteDifferences(scratch.maskedRow.data(), scratch.maskedAbove.data(), scratch.bytes);
    return static_cast<RowFilter>(std::min_element(sums.begin(), sums.end()) - sums.begin());
}

// Row y as the file holds it (filter byte, then RGB), with the filter its band's content wants.
// A row that repeats the one above is Up at once: nothing filters better than all zeros.
void filterImageRow(const Image& image, DeflateChoice choice, int y, FilterScratch& scratch, unsigned char* out) {
    const std::uint8_t* row = image.pixel(0, y);
    const std::uint8_t* above = y > 0 ? image.pixel(0, y - 1) : scratch.zeros.data();
    RowFilter filter = RowFilter::Up;
    if (y == 0 || std::memcmp(row, above, scratch.bytes) != 0)
        filter = choice.photo ? photoRowFilter(row, above, scratch) : screenRowFilter(row, above, scratch);
    // Paeth chosen for a screen row is in scratch already.
    if (choice.photo || filter != RowFilter::Paeth)
        filterBytes(filter, row, above, 0, scratch.bytes, scratch.filtered.data());
    *out = static_cast<unsigned char>(filter);
    toRgb(scratch.filtered.data(), scratch.width, out + 1);
}

bool drainDeflate(z_stream& stream, int flush, std::vector<unsigned char>& block, std::string& out) {
    do {
        stream.next_out = block.data();
        stream.avail_out = static_cast<uInt>(block.size());
        const int result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR) return false;
        out.append(reinterpret_cast<const char*>(block.data()), block.size() - stream.avail_out);
        if (result == Z_STREAM_END) return true;
    } while (stream.avail_out == 0 || stream.avail_in != 0);
    return flush != Z_FINISH;
}

// The band's dictionary: the last 32 KiB of filtered data before it, which are the previous band's
// closing rows filtered as that band filters them. With it the band's matches reach back across
// the seam as in a stream deflated in one piece; on screens with little data the seams otherwise
// cost several per cent. Z_RLE looks back one byte only and needs none.
bool setPrecedingWindow(const Image& image, const Band& previous, const Band& band, FilterScratch& scratch,
                        z_stream& stream) {
    if (band.choice.strategy == Z_RLE) return true;
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(image.width) * kBytesPerPixel;
    const int rows = static_cast<int>(std::min<std::size_t>((kDeflateWindow + rowBytes - 1) / rowBytes,
                                                            static_cast<std::size_t>(band.firstRow - previous.firstRow)));
    std::vector<unsigned char> window(rowBytes * static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i)
        filterImageRow(image, previous.choice, band.firstRow - rows + i, scratch, &window[rowBytes * static_cast<std::size_t>(i)]);
    const std::size_t size = std::min(window.size(), kDeflateWindow);
    return deflateSetDictionary(&stream, window.data() + (window.size() - size), static_cast<uInt>(size)) == Z_OK;
}

bool deflateBandRows(const Image& image, const Band* previous, Band& band, z_stream& stream) {
    const auto width = static_cast<std::size_t>(image.width);
    const std::size_t rowBytes = 1 + width * kBytesPerPixel;
    FilterScratch scratch(width);
    std::vector<unsigned char> rows(rowBytes * kRowsPerDeflateCall);
    std::vector<unsigned char> block(kOutputBlock);
    if (previous != nullptr && !setPrecedingWindow(image, *previous, band, scratch, stream)) return false;
    for (int y = band.firstRow; y < band.endRow;) {
        const int count = std::min(kRowsPerDeflateCall, band.endRow - y);
        for (int i = 0; i < count; ++i)
            filterImageRow(image, band.choice, y + i, scratch, &rows[rowBytes * static_cast<std::size_t>(i)]);
        const std::size_t bytes = rowBytes * static_cast<std::size_t>(count);
        band.adler = adler32_z(band.adler, rows.data(), bytes);
        band.rawLength += bytes;
        y += count;
        stream.next_in = rows.data();
        stream.avail_in = static_cast<uInt>(bytes);
        const int flush = y < band.endRow ? Z_NO_FLUSH : (band.last ? Z_FINISH : Z_SYNC_FLUSH);
        if (!drainDeflate(stream, flush, block, band.deflated)) return false;
    }
    return true;
}

// Never throws: a failure (memory included) leaves band.ok false.
void deflateBand(const Image& image, const Band* previous, Band& band) noexcept {
    const DeflateChoice choice = band.choice;
    z_stream stream{};
    // Raw deflate: the zlib header and checksum are written once around all the bands.
    if (deflateInit2(&stream, choice.level, Z_DEFLATED, -15, choice.memLevel, choice.strategy) != Z_OK) return;
    if (choice.goodLength != 0 &&
        deflateTune(&stream, choice.goodLength, choice.maxLazy, choice.niceLength, choice.maxChain) != Z_OK) {
        deflateEnd(&stream);
        return;
    }
    try {
        band.ok = deflateBandRows(image, previous, band, stream);
        if (band.ok) band.crc = crc32Of(0, band.deflated);
    } catch (...) {
        band.ok = false;
    }
    deflateEnd(&stream);
}

unsigned coresToUse() { return std::max(1u, std::min(std::thread::hardware_concurrency(), kMaxThreads)); }

// Bands of about equal height; several for each core, so that a core whose bands deflate quickly
// takes on more of them instead of waiting for the other.
std::vector<Band> splitIntoBands(const Image& image, unsigned cores) {
    const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    // Several even on one core: each band picks its own compression, and a band costs one flush.
    std::size_t count = std::min<std::size_t>(std::size_t{cores} * kBandsPerCore, pixels / kPixelsPerBand + 1);
    count = std::max<std::size_t>(1, std::min(count, static_cast<std::size_t>(image.height)));
    std::vector<Band> bands(count);
    for (std::size_t i = 0; i < count; ++i) {
        bands[i].firstRow = static_cast<int>(static_cast<std::int64_t>(image.height) * static_cast<std::int64_t>(i) /
                                             static_cast<std::int64_t>(count));
        bands[i].endRow = static_cast<int>(static_cast<std::int64_t>(image.height) * static_cast<std::int64_t>(i + 1) /
                                           static_cast<std::int64_t>(count));
    }
    bands.back().last = true;
    return bands;
}

// Deflates every band: this thread and up to cores - 1 others each take the next band not yet
// taken until none is left. Where no thread can be started, this one does them all.
void deflateBands(const Image& image, std::vector<Band>& bands, unsigned cores) {
    std::atomic<std::size_t> next{0};
    auto work = [&image, &bands, &next]() noexcept {
        for (std::size_t i = next++; i < bands.size(); i = next++) deflateBand(image, i > 0 ? &bands[i - 1] : nullptr, bands[i]);
    };
    std::vector<std::thread> workers;
    try {
        const std::size_t helpers = std::min<std::size_t>(cores - 1, bands.size() - 1);
        workers.reserve(helpers);
        for (std::size_t i = 0; i < helpers; ++i) workers.emplace_back(work);
    } catch (...) {
        // Fewer helpers, or none: the bands are taken all the same.
    }
    work();
    for (std::thread& worker : workers) worker.join();
}

} // namespace

bool looksLikeScreenContent(const Image& image) { return !rowsHoldPhotoContent(image, 0, image.height); }

std::vector<PngBandPlan> planPngBands(const Image& image, unsigned cores) {
    std::vector<PngBandPlan> plans;
    if (!isValidCapture(image)) return plans;
    for (const Band& band : splitIntoBands(image, std::max(1u, cores)))
        plans.push_back({band.firstRow, band.endRow, rowsHoldPhotoContent(image, band.firstRow, band.endRow)});
    return plans;
}

std::optional<std::string> encodePng(const Image& image) {
    if (!isValidCapture(image) || image.width > kMaxPngSide || image.height > kMaxPngSide) return std::nullopt;
    try {
        const unsigned cores = coresToUse();
        std::vector<Band> bands = splitIntoBands(image, cores);
        // Each band by its own rows: a photo on a desktop is deflated as a photo where it is.
        for (Band& band : bands)
            band.choice = rowsHoldPhotoContent(image, band.firstRow, band.endRow) ? kPhotoChoice : kScreenChoice;
        deflateBands(image, bands, cores);

        uLong adler = 1;
        std::size_t total = 0;
        for (const Band& band : bands) {
            if (!band.ok || band.rawLength > static_cast<std::size_t>(std::numeric_limits<z_off_t>::max()))
                return std::nullopt;
            adler = adler32_combine(adler, band.adler, static_cast<z_off_t>(band.rawLength));
            total += band.deflated.size();
        }
        // 0x78 0x9C: deflate with a 32 KiB window, default level; the pair is a multiple of 31.
        const std::string zlibHeader("\x78\x9C", 2);
        std::string zlibTrailer;
        putBe32(zlibTrailer, static_cast<std::uint32_t>(adler));
        if (total + kZlibFrame > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;

        std::string header;
        putBe32(header, static_cast<std::uint32_t>(image.width));
        putBe32(header, static_cast<std::uint32_t>(image.height));
        header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, adaptive filtering, no interlace

        std::string out;
        out.reserve(kSignature.size() + 3 * kChunkFrame + header.size() + kZlibFrame + total);
        out.append(reinterpret_cast<const char*>(kSignature.data()), kSignature.size());
        appendChunk(out, "IHDR", {{&header, std::nullopt}});
        // Each band's CRC was taken on its own thread; here they are only combined.
        std::vector<ChunkPiece> pieces{{&zlibHeader, std::nullopt}};
        for (const Band& band : bands) pieces.push_back({&band.deflated, band.crc});
        pieces.push_back({&zlibTrailer, std::nullopt});
        appendChunk(out, "IDAT", pieces);
        appendChunk(out, "IEND", {});
        return out;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace zorbel
