// JPEG through libjpeg: three colour components, no chroma subsampling, written to memory.
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <vector>

#include "capture/ImageEncoding.h"

namespace zorbel {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to compress() instead.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failEncoding(j_common_ptr common) {
    std::longjmp(reinterpret_cast<JpegErrors*>(common->err)->jump, 1);
}
void ignoreMessage(j_common_ptr) {}

constexpr std::size_t kSinkBufferSize = 64 * 1024;

struct JpegSink {
    jpeg_destination_mgr manager;
    std::string bytes;
    std::vector<JOCTET> buffer;
    bool outOfMemory = false;
};

JpegSink* sinkOf(j_compress_ptr info) { return static_cast<JpegSink*>(info->client_data); }

void startSink(j_compress_ptr info) {
    JpegSink* sink = sinkOf(info);
    sink->manager.next_output_byte = sink->buffer.data();
    sink->manager.free_in_buffer = sink->buffer.size();
}

void appendToSink(JpegSink* sink, std::size_t length) {
    try {
        sink->bytes.append(reinterpret_cast<const char*>(sink->buffer.data()), length);
    } catch (...) {
        sink->outOfMemory = true;
    }
}

boolean drainSink(j_compress_ptr info) {
    JpegSink* sink = sinkOf(info);
    appendToSink(sink, sink->buffer.size());
    // Outside the catch block: a longjmp must not leave one.
    if (sink->outOfMemory) ERREXIT(info, JERR_OUT_OF_MEMORY);
    startSink(info);
    return TRUE;
}

void finishSink(j_compress_ptr info) {
    JpegSink* sink = sinkOf(info);
    appendToSink(sink, sink->buffer.size() - sink->manager.free_in_buffer);
    if (sink->outOfMemory) ERREXIT(info, JERR_OUT_OF_MEMORY);
}

// The one function that calls setjmp: it holds no object with a destructor, so the jump skips
// nothing that needs cleaning up.
bool compress(jpeg_compress_struct* info, JpegErrors* errors, JpegSink* sink, const Image& image, int quality) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_compress(info);
    info->dest = &sink->manager;
    info->image_width = static_cast<JDIMENSION>(image.width);
    info->image_height = static_cast<JDIMENSION>(image.height);
    // libjpeg-turbo reads the capture's rows as they are: blue, green, red, unused.
    info->input_components = kImageChannels;
    info->in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    // Full-resolution colour: screen text and thin coloured lines blur under 4:2:0.
    for (int component = 0; component < info->num_components; ++component) {
        info->comp_info[component].h_samp_factor = 1;
        info->comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        // libjpeg only reads the rows it is given, though its type is not const.
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(image.pixel(0, static_cast<int>(info->next_scanline)))};
        jpeg_write_scanlines(info, rows, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

} // namespace

std::optional<std::string> encodeJpeg(const Image& image, int quality) {
    if (!isValidCapture(image)) return std::nullopt;
    JpegSink sink{};
    sink.buffer.resize(kSinkBufferSize);
    sink.manager.init_destination = startSink;
    sink.manager.empty_output_buffer = drainSink;
    sink.manager.term_destination = finishSink;

    jpeg_compress_struct info{};
    info.client_data = &sink; // kept by jpeg_create_compress
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failEncoding;
    errors.manager.output_message = ignoreMessage;
    const bool done = compress(&info, &errors, &sink, image, quality);
    jpeg_destroy_compress(&info); // safe after a failure at any point, also inside jpeg_create_compress
    if (!done) return std::nullopt;
    return std::move(sink.bytes);
}

} // namespace zorbel
