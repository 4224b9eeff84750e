#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

#include "core/exceptions.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/picture/picturefile.h"

namespace tv::win {

namespace {

// Enough for a progressive picture at the largest allowed size.
constexpr long kMaxJpegDecoderMemory = 512L << 20;
// The rows a picture gets before the decoder has shown it holds more.
constexpr std::size_t kFirstRowsBytes = std::size_t(4) << 20;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// A picture cut short is an error, not a grey lower half: whether the file
// ends or its data stops at the end marker. (A few bytes of a hostile file can
// otherwise stand for millions of blank pixels.)
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && (cinfo->err->msg_code == JWRN_JPEG_EOF || cinfo->err->msg_code == JWRN_HIT_MARKER))
        OnError(cinfo);
}

// Plain C data only between setjmp and longjmp. The rows are written in the
// layout of Cairo's opaque surfaces (see BitmapObject::OverSurfaceRows) into
// *out, taken from std::malloc and left unfilled: a file cut short costs the
// pages its rows touched, not the size its header claims.
bool Decode(const BYTE* data, std::size_t size, BYTE** out, int* width, int* height, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    *out = nullptr;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        std::free(*out);
        *out = nullptr;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<BYTE*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // The frame header's size is checked before the decoder buffers anything:
    // a tiny progressive file can claim gigapixels.
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) {
        std::strncpy(message, "bad size", JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Arithmetic-coded data that stops early is padded with zeros without a
    // word, so a few bytes decode to the whole size claimed; no camera or
    // editor writes it, and the station does not read it.
    if (cinfo.arith_code) {
        std::strncpy(message, "arithmetic coding is not supported", JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.mem->max_memory_to_use = kMaxJpegDecoderMemory;
    // Grey and colour pictures alike come out as Cairo's pixels in memory.
    cinfo.out_color_space = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 4) {
        std::strncpy(message, "unsupported picture", JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *width = int(cinfo.output_width);
    *height = int(cinfo.output_height);
    // A usual picture gets all its rows at once; a big claim grows as rows
    // arrive, so that data stopping early costs what it holds.
    const std::size_t rowBytes = std::size_t(BitmapObject::BytesPerSurfaceRow(*width));
    std::size_t rows = std::min<std::size_t>(cinfo.output_height, std::max<std::size_t>(1, kFirstRowsBytes / rowBytes));
    *out = static_cast<BYTE*>(std::malloc(rowBytes * rows));
    while (*out && cinfo.output_scanline < cinfo.output_height) {
        if (cinfo.output_scanline == rows) {
            rows = std::min<std::size_t>(cinfo.output_height, rows * 2);
            BYTE* more = static_cast<BYTE*>(std::realloc(*out, rowBytes * rows));
            if (!more) break;
            *out = more;
        }
        JSAMPROW row = *out + cinfo.output_scanline * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    if (cinfo.output_scanline < cinfo.output_height) {
        std::strncpy(message, "not enough memory", JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        std::free(*out);
        *out = nullptr;
        return false;
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

HBITMAP ReadJpeg(const BYTE* data, std::size_t size) {
    if (!data || size < 4) throw EInvalidGraphic("JPEG image is not valid: no data");
    BYTE* rows = nullptr;
    int w = 0, h = 0;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(data, size, &rows, &w, &h, message))
        throw EInvalidGraphic(std::string("JPEG image is not valid: ") + message);
    return BitmapObject::OverSurfaceRows(w, h, BitmapObject::SurfaceRows(rows));
}

} // namespace tv::win
