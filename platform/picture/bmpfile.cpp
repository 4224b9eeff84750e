#include <cstring>
#include <fstream>

#include "core/exceptions.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/bitmapobject.h"
#include "platform/picture/picturefile.h"

namespace tv::win {

namespace {

std::uint32_t U32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t U16(const BYTE* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
void Put32(std::vector<BYTE>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(BYTE(x >> (8 * i)));
}
void Put16(std::vector<BYTE>& v, std::uint16_t x) {
    v.push_back(BYTE(x));
    v.push_back(BYTE(x >> 8));
}

[[noreturn]] void Bad(const std::string& why) { throw EInvalidGraphic("Bitmap image is not valid: " + why); }

} // namespace

HBITMAP ReadBmp(const BYTE* data, std::size_t size) {
    if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') Bad("no bitmap header");
    std::uint32_t bitsOffset = U32(data + 10);
    std::uint32_t headerSize = U32(data + 14);
    if (headerSize < 12 || 14 + std::size_t(headerSize) > size) Bad("truncated header");
    const BYTE* h = data + 14;
    long long width, height;
    int bpp;
    std::uint32_t compression = 0, colorsUsed = 0;
    int paletteEntry = 4;
    if (headerSize == 12) { // the old OS/2 header
        width = U16(h + 4);
        height = std::int16_t(U16(h + 6));
        bpp = U16(h + 10);
        paletteEntry = 3;
    } else {
        if (headerSize < 40) Bad("unknown header");
        width = std::int32_t(U32(h + 4));
        height = std::int32_t(U32(h + 8));
        bpp = U16(h + 14);
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    if (width <= 0 || height == 0 || height < -65535 ||
        !PictureSizeAllowed(std::size_t(width), std::size_t(height < 0 ? -height : height)))
        Bad("bad size");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) Bad("unsupported depth");
    if (compression != 0 && !(compression == 3 && bpp == 32)) Bad("compressed bitmaps are not supported");
    bool topDown = height < 0;
    int rows = int(topDown ? -height : height);
    int w = int(width);
    std::size_t stride = ((std::size_t(w) * bpp + 31) / 32) * 4;
    std::size_t paletteCount = bpp <= 8 ? (colorsUsed ? colorsUsed : (1u << bpp)) : 0;
    std::size_t paletteAt = 14 + headerSize + ((compression == 3 && headerSize == 40) ? 12 : 0);
    if (paletteCount > 256 || paletteAt + paletteCount * paletteEntry > size) Bad("truncated palette");
    if (bitsOffset < paletteAt || std::size_t(bitsOffset) + stride * rows > size) Bad("truncated pixel data");

    const BYTE* bits = data + bitsOffset;
    bool alpha = false;
    if (bpp == 32)
        for (int y = 0; y < rows && !alpha; ++y)
            for (int x = 0; x < w; ++x)
                if (bits[y * stride + x * 4 + 3] != 0) {
                    alpha = true;
                    break;
                }
    HBITMAP bmp = CreateDIBitmap(w, rows, alpha ? 32 : 24);
    auto* b = static_cast<BitmapObject*>(bmp);
    const BYTE* palette = data + paletteAt;
    for (int y = 0; y < rows; ++y) {
        const BYTE* src = bits + std::size_t(topDown ? y : rows - 1 - y) * stride;
        BYTE* dst = b->Row(y, true);
        for (int x = 0; x < w; ++x) {
            if (bpp == 24 || bpp == 32) {
                const BYTE* p = src + x * (bpp / 8);
                std::memcpy(dst + x * (alpha ? 4 : 3), p, alpha ? 4 : 3);
                continue;
            }
            unsigned index;
            if (bpp == 8) index = src[x];
            else if (bpp == 4) index = (src[x / 2] >> ((x % 2) ? 0 : 4)) & 0xF;
            else index = (src[x / 8] >> (7 - x % 8)) & 1;
            if (index >= paletteCount) index = 0;
            std::memcpy(dst + x * 3, palette + index * paletteEntry, 3);
        }
    }
    return bmp;
}

std::vector<BYTE> WriteBmp(HBITMAP hbmp) {
    if (!hbmp) throw EInvalidGraphic("No bitmap to write");
    auto* b = static_cast<BitmapObject*>(hbmp);
    std::size_t image = std::size_t(b->stride) * b->height;
    std::vector<BYTE> out;
    out.reserve(54 + image);
    out.push_back('B');
    out.push_back('M');
    Put32(out, std::uint32_t(54 + image));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, std::uint32_t(b->width));
    Put32(out, std::uint32_t(b->height));
    Put16(out, 1);
    Put16(out, std::uint16_t(b->bpp));
    Put32(out, 0);
    Put32(out, std::uint32_t(image));
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    if (image) {
        const BYTE* bits = b->Bits(false); // stored bottom-up, as the file wants
        out.insert(out.end(), bits, bits + image);
    }
    return out;
}

void SaveBmpFile(HBITMAP bmp, const std::string& path) {
    std::vector<BYTE> data = WriteBmp(bmp);
    std::ofstream f(path, std::ios::binary);
    if (!f) throw EFCreateError("Cannot create file \"" + path + "\"");
    f.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!f) throw EWriteError("Error writing \"" + path + "\"");
}

std::vector<BYTE> ReadWholeFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw EFOpenError("Cannot open file \"" + path + "\"");
    return std::vector<BYTE>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

PictureFormat DetectPictureFormat(const BYTE* d, std::size_t n) {
    if (n >= 2 && d[0] == 'B' && d[1] == 'M') return PictureFormat::Bmp;
    if (n >= 8 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0) return PictureFormat::Png;
    if (n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return PictureFormat::Jpeg;
    return PictureFormat::Unknown;
}

HBITMAP ReadPicture(const BYTE* data, std::size_t size) {
    switch (DetectPictureFormat(data, size)) {
    case PictureFormat::Bmp: return ReadBmp(data, size);
    case PictureFormat::Png: return ReadPng(data, size);
    case PictureFormat::Jpeg: return ReadJpeg(data, size);
    default: throw EInvalidGraphic("Unknown picture file format");
    }
}

HBITMAP LoadPictureFile(const std::string& path) {
    std::vector<BYTE> data = ReadWholeFile(path);
    return ReadPicture(data.data(), data.size());
}

} // namespace tv::win
