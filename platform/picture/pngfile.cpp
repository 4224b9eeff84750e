#include <png.h>

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
    image.format = PNG_FORMAT_BGRA;
    // Left unfilled: a file cut short must not cost the zeroing of the size it claims.
    const std::size_t bytes = PNG_IMAGE_SIZE(image);
    auto pixels = std::make_unique_for_overwrite<BYTE[]>(bytes);
    if (!png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        throw EInvalidGraphic("PNG image is not valid: " + why);
    }
    int w = int(image.width), h = int(image.height);
    if (alpha) {
        // An alpha channel that is opaque everywhere carries no transparency.
        alpha = false;
        for (std::size_t i = 3; i < bytes && !alpha; i += 4) alpha = pixels[i] != 255;
    }
    HBITMAP bmp = CreateDIBitmap(w, h, alpha ? 32 : 24);
    auto* b = static_cast<BitmapObject*>(bmp);
    for (int y = 0; y < h; ++y) {
        const BYTE* src = pixels.get() + std::size_t(y) * w * 4;
        BYTE* dst = b->Row(y, true);
        if (alpha) {
            std::memcpy(dst, src, std::size_t(w) * 4);
        } else {
            for (int x = 0; x < w; ++x) std::memcpy(dst + x * 3, src + x * 4, 3);
        }
    }
    return bmp;
}

} // namespace tv::win
