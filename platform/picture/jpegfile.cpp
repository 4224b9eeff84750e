#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

// Plain C data only between setjmp and longjmp.
bool Decode(const BYTE* data, std::size_t size, std::vector<BYTE>* out, int* width, int* height, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
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
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        std::strncpy(message, "unsupported picture", JMSG_LENGTH_MAX - 1);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *width = int(cinfo.output_width);
    *height = int(cinfo.output_height);
    // Rows are added as they are decoded, so data that stops early costs what
    // it holds, not the size its header claims.
    const std::size_t rowBytes = std::size_t(*width) * 3;
    while (cinfo.output_scanline < cinfo.output_height) {
        out->resize(out->size() + rowBytes);
        JSAMPROW row = out->data() + out->size() - rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

HBITMAP ReadJpeg(const BYTE* data, std::size_t size) {
    if (!data || size < 4) throw EInvalidGraphic("JPEG image is not valid: no data");
    std::vector<BYTE> rgb;
    int w = 0, h = 0;
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(data, size, &rgb, &w, &h, message))
        throw EInvalidGraphic(std::string("JPEG image is not valid: ") + message);
    HBITMAP bmp = CreateDIBitmap(w, h, 24);
    auto* b = static_cast<BitmapObject*>(bmp);
    for (int y = 0; y < h; ++y) {
        const BYTE* src = rgb.data() + std::size_t(y) * w * 3;
        BYTE* dst = b->Row(y, true);
        for (int x = 0; x < w; ++x) {
            dst[x * 3 + 0] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3 + 0];
        }
    }
    return bmp;
}

} // namespace tv::win
