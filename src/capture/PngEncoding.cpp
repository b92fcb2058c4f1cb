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

// PNG's row filters that the encoder uses; the value is the filter byte.
enum class RowFilter : unsigned char { None = 0, Sub = 1, Up = 2, Average = 3 };

// How the rows are filtered and deflated. Screen content: each row takes whichever of None, Sub
// and Up leaves the fewest non-zero pixels (flat areas and repeats become runs of zeros for the
// matcher), and zlib's lazy matcher searches as far as level 6 but takes matches to their full
// length. On real screenshots a shorter search saved no time worth having (flat areas end it
// early) and cost 3 to 6 per cent in size. Photographic content: Average, which removes the most of the smooth light
// and the least of the noise, and zlib's Huffman coding with runs only (Z_RLE): sensor noise
// leaves no long repeats, so a match search costs time and finds nothing.
struct DeflateChoice {
    bool chooseEachRow;
    RowFilter filter; // when not chosen for each row
    int level;
    int strategy;
    int goodLength, maxLazy, niceLength, maxChain; // deflateTune's values, 0 for the level's own
};

constexpr DeflateChoice kScreenChoice{true, RowFilter::None, 6, Z_DEFAULT_STRATEGY, 8, 8, 258, 128};
constexpr DeflateChoice kPhotoChoice{false, RowFilter::Average, 1, Z_RLE, 0, 0, 0, 0};

void putBe32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Appends one chunk; data may be split in pieces that are written one after the other.
void appendChunk(std::string& out, const char (&type)[5], const std::vector<const std::string*>& pieces) {
    std::size_t length = 0;
    for (const std::string* piece : pieces) length += piece->size();
    putBe32(out, static_cast<std::uint32_t>(length));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.data() + typeAt), 4);
    for (const std::string* piece : pieces) {
        out += *piece;
        const auto* data = reinterpret_cast<const Bytef*>(piece->data());
        for (std::size_t done = 0; done < piece->size();) {
            const auto step = static_cast<uInt>(std::min(piece->size() - done, kLargestCrcStep));
            crc = crc32(crc, data + done, step);
            done += step;
        }
    }
    putBe32(out, static_cast<std::uint32_t>(crc));
}

// The most a colour byte may differ from its left neighbour's for the pair to count as a smooth
// step: light changing across a photograph, or noise on it.
constexpr int kSmoothStep = 4;

// True when rows [firstRow, endRow) look like screen content rather than a photograph, from up to
// kProbeRows of them spread evenly. Screens are mostly exact repeats of the pixel to the left
// (flat backgrounds, strokes); a photograph nearly never repeats one, and even a clean, smooth
// one (whose 8-bit light steps slowly) steps by a little more often than it repeats.
bool rowsLookLikeScreenContent(const Image& image, int firstRow, int endRow) {
    if (image.width < 2 || endRow <= firstRow) return true;
    std::size_t same = 0;
    std::size_t smooth = 0;
    std::size_t compared = 0;
    const int height = endRow - firstRow;
    const int rows = std::min(kProbeRows, height);
    for (int i = 0; i < rows; ++i) {
        const int y = firstRow + static_cast<int>((static_cast<std::int64_t>(height) * (2 * i + 1)) / (2 * rows));
        const std::uint8_t* pixel = image.pixel(1, y);
        for (int x = 1; x < image.width; ++x, pixel += kImageChannels) {
            const std::uint8_t* left = pixel - kImageChannels;
            if (std::memcmp(pixel, left, kBytesPerPixel) == 0) {
                ++same;
            } else if (std::abs(pixel[0] - left[0]) <= kSmoothStep && std::abs(pixel[1] - left[1]) <= kSmoothStep &&
                       std::abs(pixel[2] - left[2]) <= kSmoothStep) {
                ++smooth;
            }
        }
        compared += static_cast<std::size_t>(image.width - 1);
    }
    return same * 4 >= compared && same >= smooth;
}

// One band of rows: its raw deflate data and the Adler-32 of the bytes it deflated.
struct Band {
    int firstRow = 0;
    DeflateChoice choice = kScreenChoice;
    int endRow = 0;
    bool last = false;
    std::string deflated;
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

// Of None, Sub and Up, the filter that leaves the fewest pixels with a non-zero byte (None on a
// tie): exact repeats are what deflate finds best. Without a row above, Up counts like None.
// The loops are kept simple enough for the compiler to vectorise.
RowFilter fewestChangedPixels(const std::uint8_t* row, const std::uint8_t* above, std::size_t width) {
    std::size_t none = 0;
    std::size_t sub = (wordAt(row, 0) & kColourBits) != 0;
    std::size_t up = 0;
    for (std::size_t x = 0; x < width; ++x) none += (wordAt(row, x) & kColourBits) != 0;
    for (std::size_t x = 1; x < width; ++x) sub += ((wordAt(row, x) ^ wordAt(row, x - 1)) & kColourBits) != 0;
    if (above == nullptr) {
        up = none;
    } else {
        for (std::size_t x = 0; x < width; ++x) up += ((wordAt(row, x) ^ wordAt(above, x)) & kColourBits) != 0;
    }
    if (none <= sub && none <= up) return RowFilter::None;
    return sub <= up ? RowFilter::Sub : RowFilter::Up;
}

// BGRX to RGB.
void toRgb(const std::uint8_t* bgrx, std::size_t width, unsigned char* rgb) {
    for (std::size_t x = 0; x < width; ++x) {
        rgb[x * 3] = bgrx[x * 4 + 2];
        rgb[x * 3 + 1] = bgrx[x * 4 + 1];
        rgb[x * 3 + 2] = bgrx[x * 4];
    }
}

// The filter byte and the filtered row as RGB. The filters work on each byte alike, so they run
// on the BGRX row (into scratch, width * 4 bytes) before it becomes RGB. Without a row above (the
// image's first), that row counts as zeros.
void filterRow(RowFilter filter, const std::uint8_t* row, const std::uint8_t* above, std::size_t width,
               std::uint8_t* scratch, unsigned char* out) {
    *out++ = static_cast<unsigned char>(filter);
    const std::size_t bytes = width * kImageChannels;
    const std::size_t lead = std::min<std::size_t>(kImageChannels, bytes);
    const std::uint8_t* source = scratch;
    switch (filter) {
    case RowFilter::None:
        source = row;
        break;
    case RowFilter::Sub:
        std::memcpy(scratch, row, lead);
        for (std::size_t i = lead; i < bytes; ++i)
            scratch[i] = static_cast<std::uint8_t>(row[i] - row[i - kImageChannels]);
        break;
    case RowFilter::Up:
        if (above == nullptr) {
            source = row;
            break;
        }
        for (std::size_t i = 0; i < bytes; ++i) scratch[i] = static_cast<std::uint8_t>(row[i] - above[i]);
        break;
    case RowFilter::Average:
        if (above == nullptr) {
            std::memcpy(scratch, row, lead);
            for (std::size_t i = lead; i < bytes; ++i)
                scratch[i] = static_cast<std::uint8_t>(row[i] - (row[i - kImageChannels] >> 1));
            break;
        }
        for (std::size_t i = 0; i < lead; ++i) scratch[i] = static_cast<std::uint8_t>(row[i] - (above[i] >> 1));
        for (std::size_t i = lead; i < bytes; ++i)
            scratch[i] = static_cast<std::uint8_t>(row[i] - ((row[i - kImageChannels] + above[i]) >> 1));
        break;
    }
    toRgb(source, width, out);
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

// Row y as the file holds it (filter byte, then RGB), filtered as choice says.
void filterImageRow(const Image& image, DeflateChoice choice, int y, std::uint8_t* scratch, unsigned char* out) {
    const auto width = static_cast<std::size_t>(image.width);
    const std::uint8_t* row = image.pixel(0, y);
    const std::uint8_t* above = y > 0 ? image.pixel(0, y - 1) : nullptr;
    const RowFilter filter = choice.chooseEachRow ? fewestChangedPixels(row, above, width) : choice.filter;
    filterRow(filter, row, above, width, scratch, out);
}

// The band's dictionary: the last 32 KiB of filtered data before it, which are the previous band's
// closing rows filtered as that band filters them. With it the band's matches reach back across
// the seam as in a stream deflated in one piece; on screens with little data the seams otherwise
// cost several per cent. Z_RLE looks back one byte only and needs none.
bool setPrecedingWindow(const Image& image, const Band& previous, const Band& band, std::uint8_t* scratch,
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
    std::vector<std::uint8_t> scratch(width * kImageChannels);
    std::vector<unsigned char> rows(rowBytes * kRowsPerDeflateCall);
    std::vector<unsigned char> block(kOutputBlock);
    if (previous != nullptr && !setPrecedingWindow(image, *previous, band, scratch.data(), stream)) return false;
    for (int y = band.firstRow; y < band.endRow;) {
        const int count = std::min(kRowsPerDeflateCall, band.endRow - y);
        for (int i = 0; i < count; ++i)
            filterImageRow(image, band.choice, y + i, scratch.data(), &rows[rowBytes * static_cast<std::size_t>(i)]);
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
    if (deflateInit2(&stream, choice.level, Z_DEFLATED, -15, 8, choice.strategy) != Z_OK) return;
    if (choice.goodLength != 0 &&
        deflateTune(&stream, choice.goodLength, choice.maxLazy, choice.niceLength, choice.maxChain) != Z_OK) {
        deflateEnd(&stream);
        return;
    }
    try {
        band.ok = deflateBandRows(image, previous, band, stream);
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

bool looksLikeScreenContent(const Image& image) { return rowsLookLikeScreenContent(image, 0, image.height); }

std::optional<std::string> encodePng(const Image& image) {
    if (!isValidCapture(image) || image.width > kMaxPngSide || image.height > kMaxPngSide) return std::nullopt;
    try {
        const unsigned cores = coresToUse();
        std::vector<Band> bands = splitIntoBands(image, cores);
        // Each band by its own rows: a photo on a desktop is deflated as a photo where it is.
        for (Band& band : bands)
            band.choice = rowsLookLikeScreenContent(image, band.firstRow, band.endRow) ? kScreenChoice : kPhotoChoice;
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
        appendChunk(out, "IHDR", {&header});
        std::vector<const std::string*> pieces{&zlibHeader};
        for (const Band& band : bands) pieces.push_back(&band.deflated);
        pieces.push_back(&zlibTrailer);
        appendChunk(out, "IDAT", pieces);
        appendChunk(out, "IEND", {});
        return out;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace zorbel
