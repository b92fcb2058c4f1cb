// PNG written with our own chunks around zlib: 8-bit RGB without alpha, written to memory.
//
// Speed comes from three choices. The rows are deflated in bands, one per core, each band its own
// raw deflate stream; every band but the last ends on a byte boundary with a sync flush, so the
// bands joined in order are one valid zlib stream whose Adler-32 is the combination of theirs.
// A quick look at the pixels picks the filter and the compression: screen content (flat areas,
// text) repeats exactly and deflates best unfiltered at the default level, while photographic
// content gains from the SUB filter and loses little with fast run-length matching.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#include "capture/ImageEncoding.h"

namespace zorbel {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kBytesPerPixel = 3;
constexpr int kRowsPerDeflateCall = 16;
constexpr std::size_t kOutputBlock = 256 * 1024;
// Below this many pixels a second thread costs more than it saves.
constexpr std::size_t kPixelsWorthAThread = 256 * 1024;
constexpr int kMaxBands = 8;
constexpr int kProbeRows = 16;
// libpng's readers refuse a larger side by default, so such a file would be of little use.
constexpr int kMaxPngSide = 1'000'000;

enum class RowFilter : unsigned char { None = 0, Sub = 1 };

struct DeflateChoice {
    RowFilter filter;
    int level;
    int strategy;
};

constexpr DeflateChoice kScreenChoice{RowFilter::None, 6, Z_DEFAULT_STRATEGY};
constexpr DeflateChoice kPhotoChoice{RowFilter::Sub, 1, Z_RLE};

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
        // crc32 takes at most UINT_MAX bytes at a time.
        const auto* data = reinterpret_cast<const Bytef*>(piece->data());
        for (std::size_t done = 0; done < piece->size();) {
            const auto step = static_cast<uInt>(std::min<std::size_t>(piece->size() - done, 1u << 30));
            crc = crc32(crc, data + done, step);
            done += step;
        }
    }
    putBe32(out, static_cast<std::uint32_t>(crc));
}

// One band of rows: its raw deflate data and the Adler-32 of the bytes it deflated.
struct Band {
    int firstRow = 0;
    int endRow = 0;
    bool last = false;
    std::string deflated;
    uLong adler = 1;
    std::size_t rawLength = 0;
    bool ok = false;
};

// The filter byte and the row as RGB, filtered.
void filterRow(const std::uint8_t* bgrx, int width, RowFilter filter, unsigned char* out) {
    *out++ = static_cast<unsigned char>(filter);
    if (filter == RowFilter::None) {
        for (int x = 0; x < width; ++x, bgrx += kImageChannels, out += kBytesPerPixel) {
            out[0] = bgrx[2];
            out[1] = bgrx[1];
            out[2] = bgrx[0];
        }
        return;
    }
    unsigned char left[3] = {0, 0, 0};
    for (int x = 0; x < width; ++x, bgrx += kImageChannels, out += kBytesPerPixel) {
        const unsigned char rgb[3] = {bgrx[2], bgrx[1], bgrx[0]};
        for (std::size_t c = 0; c < kBytesPerPixel; ++c) {
            out[c] = static_cast<unsigned char>(rgb[c] - left[c]);
            left[c] = rgb[c];
        }
    }
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

bool deflateBandRows(const Image& image, DeflateChoice choice, Band& band, z_stream& stream) {
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(image.width) * kBytesPerPixel;
    std::vector<unsigned char> rows(rowBytes * kRowsPerDeflateCall);
    std::vector<unsigned char> block(kOutputBlock);
    for (int y = band.firstRow; y < band.endRow;) {
        const int count = std::min(kRowsPerDeflateCall, band.endRow - y);
        for (int i = 0; i < count; ++i) filterRow(image.pixel(0, y + i), image.width, choice.filter, &rows[rowBytes * i]);
        const std::size_t length = rowBytes * static_cast<std::size_t>(count);
        band.adler = adler32_z(band.adler, rows.data(), length);
        band.rawLength += length;
        y += count;
        stream.next_in = rows.data();
        stream.avail_in = static_cast<uInt>(length);
        const int flush = y < band.endRow ? Z_NO_FLUSH : (band.last ? Z_FINISH : Z_SYNC_FLUSH);
        if (!drainDeflate(stream, flush, block, band.deflated)) return false;
    }
    return true;
}

// Never throws: a failure (memory included) leaves band.ok false.
void deflateBand(const Image& image, DeflateChoice choice, Band& band) noexcept {
    z_stream stream{};
    // Raw deflate: the zlib header and checksum are written once around all the bands.
    if (deflateInit2(&stream, choice.level, Z_DEFLATED, -15, 8, choice.strategy) != Z_OK) return;
    try {
        band.ok = deflateBandRows(image, choice, band, stream);
    } catch (...) {
        band.ok = false;
    }
    deflateEnd(&stream);
}

std::vector<Band> splitIntoBands(const Image& image) {
    const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    int count = static_cast<int>(std::min<std::size_t>({cores, static_cast<std::size_t>(kMaxBands),
                                                          pixels / kPixelsWorthAThread + 1}));
    count = std::max(1, std::min(count, image.height));
    std::vector<Band> bands(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        bands[static_cast<std::size_t>(i)].firstRow = static_cast<int>(static_cast<std::int64_t>(image.height) * i / count);
        bands[static_cast<std::size_t>(i)].endRow = static_cast<int>(static_cast<std::int64_t>(image.height) * (i + 1) / count);
    }
    bands.back().last = true;
    return bands;
}

// Deflates every band, the first on this thread and the others on their own where a thread can
// be started; a band whose thread could not start is deflated here afterwards.
void deflateBands(const Image& image, DeflateChoice choice, std::vector<Band>& bands) {
    std::vector<std::thread> workers;
    std::size_t started = 1;
    try {
        workers.reserve(bands.size());
        for (; started < bands.size(); ++started)
            workers.emplace_back(deflateBand, std::cref(image), choice, std::ref(bands[started]));
    } catch (...) {
        // Fewer threads than bands: the rest are done below.
    }
    deflateBand(image, choice, bands[0]);
    for (std::thread& worker : workers) worker.join();
    for (std::size_t i = started; i < bands.size(); ++i) deflateBand(image, choice, bands[i]);
}

} // namespace

bool looksLikeScreenContent(const Image& image) {
    if (image.width < 2) return true;
    std::size_t same = 0;
    std::size_t compared = 0;
    const int rows = std::min(kProbeRows, image.height);
    for (int i = 0; i < rows; ++i) {
        const int y = static_cast<int>((static_cast<std::int64_t>(image.height) * (2 * i + 1)) / (2 * rows));
        const std::uint8_t* pixel = image.pixel(1, y);
        for (int x = 1; x < image.width; ++x, pixel += kImageChannels)
            same += std::memcmp(pixel, pixel - kImageChannels, kBytesPerPixel) == 0 ? 1 : 0;
        compared += static_cast<std::size_t>(image.width - 1);
    }
    // Screens are mostly flat backgrounds, with exact repeats; photos nearly never repeat a pixel.
    return same * 4 >= compared;
}

std::optional<std::string> encodePng(const Image& image) {
    if (!isValidCapture(image) || image.width > kMaxPngSide || image.height > kMaxPngSide) return std::nullopt;
    try {
        const DeflateChoice choice = looksLikeScreenContent(image) ? kScreenChoice : kPhotoChoice;
        std::vector<Band> bands = splitIntoBands(image);
        deflateBands(image, choice, bands);

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
        if (total + 6 > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;

        std::string header;
        putBe32(header, static_cast<std::uint32_t>(image.width));
        putBe32(header, static_cast<std::uint32_t>(image.height));
        header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, adaptive filtering, no interlace

        std::string out;
        out.reserve(kSignature.size() + 25 + 12 + total + 6 + 12);
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
