#include <png.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/exceptions.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/picture/picturefile.h"

namespace tv::win {

HBITMAP ReadPng(const BYTE* data, std::size_t size) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!data || !png_image_begin_read_from_memory(&image, data, size))
        throw EInvalidGraphic(std::string("PNG image is not valid: ") + (data ? image.message : "no data"));
    if (!PictureSizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        throw EInvalidGraphic("PNG image is not valid: bad size");
    }
    // Deflate packs at most 1032 bytes into one: a file too small to hold even
    // a one-bit picture of the size it claims is cut short.
    const std::size_t leastRowBytes = 1 + (std::size_t(image.width) + 7) / 8;
    if (std::size_t(image.height) * leastRowBytes / 1032 > size) {
        png_image_free(&image);
        throw EInvalidGraphic("PNG image is not valid: truncated data");
    }
    bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    // Four bytes a pixel in the order of Cairo's pixels in memory, so that an
    // opaque picture's rows are the bitmap's surface as they are.
    constexpr bool little = std::endian::native == std::endian::little;
    image.format = little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    const int w = int(image.width), h = int(image.height);
    const int rowBytes = BitmapObject::BytesPerSurfaceRow(w);
    // Left unfilled: a file cut short must not cost the zeroing of the size it claims.
    const std::size_t bytes = std::size_t(rowBytes) * std::size_t(h);
    BitmapObject::SurfaceRows pixels(static_cast<BYTE*>(std::malloc(bytes)));
    if (!pixels) {
        png_image_free(&image);
        throw EOutOfResources("PNG image too large: " + std::to_string(w) + " x " + std::to_string(h));
    }
    if (!png_image_finish_read(&image, nullptr, pixels.get(), rowBytes, nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        throw EInvalidGraphic("PNG image is not valid: " + why);
    }
    if (alpha) {
        // An alpha channel that is opaque everywhere carries no transparency.
        alpha = false;
        for (std::size_t i = little ? 3 : 0; i < bytes && !alpha; i += 4) alpha = pixels[i] != 255;
    }
    if (!alpha) return BitmapObject::OverSurfaceRows(w, h, std::move(pixels));
    // A transparent picture keeps its straight (not premultiplied) alpha in the rows.
    HBITMAP bmp = CreateDIBitmap(w, h, 32);
    auto* b = static_cast<BitmapObject*>(bmp);
    for (int y = 0; y < h; ++y) {
        const BYTE* src = pixels.get() + std::size_t(y) * rowBytes;
        BYTE* dst = b->Row(y, true);
        if constexpr (little) {
            std::memcpy(dst, src, std::size_t(w) * 4);
        } else {
            for (int x = 0; x < w * 4; x += 4)
                dst[x] = src[x + 3], dst[x + 1] = src[x + 2], dst[x + 2] = src[x + 1], dst[x + 3] = src[x];
        }
    }
    return bmp;
}

} // namespace tv::win
