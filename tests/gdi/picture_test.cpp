// Pictures read from real files written at test time, and bad files.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include "core/exceptions.h"
#include "gdi/canvas.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/raster.h"
#include "platform/picture/picturefile.h"
#include "support/tempdir.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

// Draws a bitmap over the canvas through a memory device context, blending its alpha.
void Blend(Canvas& target, HBITMAP bmp, int x, int y) {
    HDC mem = CreateCompatibleDC(target.dc());
    HGDIOBJ old = SelectObject(mem, bmp);
    BLENDFUNCTION bf;
    bf.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(target.dc(), x, y, BitmapWidth(bmp), BitmapHeight(bmp), mem, 0, 0, BitmapWidth(bmp),
               BitmapHeight(bmp), bf);
    SelectObject(mem, old);
    DeleteDC(mem);
}

void ExpectNear(COLORREF got, COLORREF want, int tolerance) {
    EXPECT_NEAR(GetRValue(got), GetRValue(want), tolerance);
    EXPECT_NEAR(GetGValue(got), GetGValue(want), tolerance);
    EXPECT_NEAR(GetBValue(got), GetBValue(want), tolerance);
}

} // namespace

TEST(Png, PartialTransparencyBlendsOverTheBackground) {
    tvtest::TempDir tmp;
    // Opaque red, half-transparent red, fully transparent, opaque blue.
    std::vector<unsigned char> rgba = {255, 0, 0, 255, 255, 0, 0, 128, 9, 9, 9, 0, 0, 0, 255, 255};
    gditest::WritePng(tmp.file("a.png"), 4, 1, rgba);
    HBITMAP bmp = LoadPictureFile(tmp.file("a.png"));
    EXPECT_EQ(BitmapBitsPerPixel(bmp), 32);
    EXPECT_EQ(BitmapWidth(bmp), 4);
    EXPECT_EQ(ScanLine(bmp, 0)[7], 128) << "alpha kept, not premultiplied";
    EXPECT_EQ(ScanLine(bmp, 0)[6], 255);

    Canvas c(6, 3, RGB(0, 255, 0));
    Blend(c, bmp, 1, 1);
    EXPECT_EQ(c.Pixel(1, 1), RGB(255, 0, 0));
    ExpectNear(c.Pixel(2, 1), RGB(128, 127, 0), 2);
    EXPECT_EQ(c.Pixel(3, 1), RGB(0, 255, 0));
    EXPECT_EQ(c.Pixel(4, 1), RGB(0, 0, 255));
    EXPECT_EQ(c.Pixel(0, 0), RGB(0, 255, 0));
    DeleteObject(bmp);

    std::vector<unsigned char> opaque(4 * 2 * 2, 255);
    gditest::WritePng(tmp.file("b.png"), 2, 2, opaque);
    HBITMAP plain = LoadPictureFile(tmp.file("b.png"));
    EXPECT_EQ(BitmapBitsPerPixel(plain), 24) << "no transparency, no alpha";
    DeleteObject(plain);
}

TEST(Jpeg, DecodesColoursAndSize) {
    tvtest::TempDir tmp;
    const int w = 32, h = 16;
    std::vector<unsigned char> rgb(std::size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* p = &rgb[(std::size_t(y) * w + x) * 3];
            p[0] = x < w / 2 ? 220 : 20;
            p[1] = 30;
            p[2] = x < w / 2 ? 40 : 200;
        }
    gditest::WriteJpeg(tmp.file("a.jpg"), w, h, rgb);
    HBITMAP bmp = LoadPictureFile(tmp.file("a.jpg"));
    ASSERT_EQ(BitmapWidth(bmp), w);
    ASSERT_EQ(BitmapHeight(bmp), h);
    EXPECT_EQ(BitmapBitsPerPixel(bmp), 24);
    const BYTE* row = ScanLine(bmp, 8);
    EXPECT_NEAR(row[4 * 3 + 2], 220, 12); // red channel of a left pixel
    EXPECT_NEAR(row[4 * 3 + 0], 40, 12);
    EXPECT_NEAR(row[28 * 3 + 0], 200, 12); // blue channel of a right pixel
    EXPECT_NEAR(row[28 * 3 + 2], 20, 12);
    DeleteObject(bmp);
}

namespace {

// A PNG of any colour type, depth and interlacing, written with libpng.
// `sample(x, y, channel)` gives each sample at the file's depth.
template <class Sample>
std::vector<unsigned char> EncodePng(int w, int h, int colorType, int depth, bool interlaced, Sample sample,
                                     const std::vector<png_color>& palette = {},
                                     const std::vector<png_byte>& paletteAlpha = {}) {
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), depth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!paletteAlpha.empty()) png_set_tRNS(png, info, paletteAlpha.data(), int(paletteAlpha.size()), nullptr);
    png_write_info(png, info);
    const int channels = png_get_channels(png, info);
    std::vector<std::vector<png_byte>> rows(std::size_t(h), std::vector<png_byte>(png_get_rowbytes(png, info), 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c) {
                const unsigned v = sample(x, y, c);
                const std::size_t bit = (std::size_t(x) * channels + c) * depth;
                if (depth == 16) {
                    rows[y][bit / 8] = png_byte(v >> 8), rows[y][bit / 8 + 1] = png_byte(v);
                } else {
                    rows[y][bit / 8] |= png_byte(v << (8 - depth - bit % 8));
                }
            }
    std::vector<png_bytep> pointers;
    for (auto& r : rows) pointers.push_back(r.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<unsigned char> EncodeJpeg(int w, int h, bool grey, bool progressive) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = JDIMENSION(w), c.image_height = JDIMENSION(h);
    c.input_components = grey ? 1 : 3;
    c.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(std::size_t(w) * c.input_components);
    while (c.next_scanline < c.image_height) {
        const int y = int(c.next_scanline);
        for (std::size_t i = 0; i < row.size(); ++i) row[i] = (unsigned char)(i * 37 + y * 59 + (i % 3) * 80);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<unsigned char> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// What each library itself decodes, as RGBA rows from the top.
std::vector<unsigned char> LibraryRgba(const std::vector<unsigned char>& file) {
    if (file[0] == 0xFF) {
        jpeg_decompress_struct d;
        jpeg_error_mgr err;
        d.err = jpeg_std_error(&err);
        jpeg_create_decompress(&d);
        jpeg_mem_src(&d, file.data(), file.size());
        jpeg_read_header(&d, TRUE);
        d.out_color_space = JCS_RGB;
        jpeg_start_decompress(&d);
        std::vector<unsigned char> rgba(std::size_t(d.output_width) * d.output_height * 4, 255);
        std::vector<unsigned char> row(std::size_t(d.output_width) * 3);
        while (d.output_scanline < d.output_height) {
            const std::size_t y = d.output_scanline;
            JSAMPROW r = row.data();
            jpeg_read_scanlines(&d, &r, 1);
            for (std::size_t x = 0; x < d.output_width; ++x)
                std::memcpy(&rgba[(y * d.output_width + x) * 4], &row[x * 3], 3);
        }
        jpeg_finish_decompress(&d);
        jpeg_destroy_decompress(&d);
        return rgba;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, file.data(), file.size());
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> rgba(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr);
    return rgba;
}

} // namespace

// Every PNG colour type and depth, interlaced or not, and JPEG in grey and
// colour give the pixels their own library decodes: in the bitmap's rows, drawn
// from it, and after drawing on it or writing its rows.
TEST(Pictures, DecodeToTheLibrarysOwnPixels) {
    const int w = 7, h = 5; // rows of 21 bytes padded to 24
    auto wave = [](int max) { return [max](int x, int y, int c) { return unsigned((x * 53 + y * 97 + c * 71) % (max + 1)); }; };
    std::vector<png_color> palette = {{250, 0, 0}, {0, 200, 0}, {0, 0, 150}, {90, 90, 90}};
    auto index = [](int x, int y, int) { return unsigned((x + y) % 4); };
    auto opaqueAlpha = [](int x, int y, int c) { return c == 3 ? 255u : unsigned(x * 30 + y * 7 + c * 50) % 256; };
    auto halfAlpha = [](int x, int y, int c) { return c == 3 ? unsigned(x * 40) % 256 : unsigned(y * 60 + c * 9) % 256; };
    struct Case {
        const char* name;
        std::vector<unsigned char> file;
        int bpp;
    } cases[] = {
        {"rgb", EncodePng(w, h, PNG_COLOR_TYPE_RGB, 8, false, wave(255)), 24},
        {"rgb 16-bit", EncodePng(w, h, PNG_COLOR_TYPE_RGB, 16, false, wave(65535)), 24},
        {"rgb interlaced", EncodePng(w, h, PNG_COLOR_TYPE_RGB, 8, true, wave(255)), 24},
        {"grey 8-bit", EncodePng(w, h, PNG_COLOR_TYPE_GRAY, 8, false, wave(255)), 24},
        {"grey 2-bit", EncodePng(w, h, PNG_COLOR_TYPE_GRAY, 2, false, wave(3)), 24},
        {"grey 16-bit", EncodePng(w, h, PNG_COLOR_TYPE_GRAY, 16, false, wave(65535)), 24},
        {"palette", EncodePng(w, h, PNG_COLOR_TYPE_PALETTE, 2, false, index, palette), 24},
        {"palette with a transparent entry", EncodePng(w, h, PNG_COLOR_TYPE_PALETTE, 8, false, index, palette, {255, 0}), 32},
        {"alpha opaque everywhere", EncodePng(w, h, PNG_COLOR_TYPE_RGBA, 8, false, opaqueAlpha), 24},
        {"alpha", EncodePng(w, h, PNG_COLOR_TYPE_RGBA, 8, true, halfAlpha), 32},
        {"grey and alpha 16-bit", EncodePng(w, h, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, wave(65535)), 32},
        {"jpeg colour", EncodeJpeg(w, h, false, false), 24},
        {"jpeg colour progressive", EncodeJpeg(w, h, false, true), 24},
        {"jpeg grey", EncodeJpeg(w, h, true, false), 24},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const std::vector<unsigned char> want = LibraryRgba(k.file);
        HBITMAP bmp = ReadPicture(k.file.data(), k.file.size());
        ASSERT_EQ(BitmapWidth(bmp), w);
        ASSERT_EQ(BitmapHeight(bmp), h);
        ASSERT_EQ(BitmapBitsPerPixel(bmp), k.bpp);
        const int step = k.bpp / 8;
        int wrongRows = 0, wrongDrawn = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = &want[(std::size_t(y) * w + x) * 4];
                const BYTE* got = ScanLine(bmp, y) + x * step;
                wrongRows += got[0] != p[2] || got[1] != p[1] || got[2] != p[0] || (step == 4 && got[3] != p[3]);
            }
        EXPECT_EQ(wrongRows, 0);
        Canvas drawn(w, h, RGB(1, 2, 3));
        HDC mem = CreateCompatibleDC(drawn.dc());
        HGDIOBJ old = SelectObject(mem, bmp);
        if (k.bpp == 24) {
            BitBlt(drawn.dc(), 0, 0, w, h, mem, 0, 0, SRCCOPY);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const unsigned char* p = &want[(std::size_t(y) * w + x) * 4];
                    wrongDrawn += drawn.Pixel(x, y) != RGB(p[0], p[1], p[2]);
                }
        }
        EXPECT_EQ(wrongDrawn, 0);
        if (k.bpp == 24) {
            // Drawn on, then read through its rows; its rows written, then drawn.
            SetPixel(mem, 6, 4, RGB(10, 20, 30));
            const BYTE* last = ScanLine(bmp, 4) + 6 * 3;
            EXPECT_EQ(RGB(last[2], last[1], last[0]), RGB(10, 20, 30));
            BYTE* first = ScanLine(bmp, 0);
            first[0] = 200, first[1] = 100, first[2] = 50;
            BitBlt(drawn.dc(), 0, 0, w, h, mem, 0, 0, SRCCOPY);
            EXPECT_EQ(drawn.Pixel(0, 0), RGB(50, 100, 200));
            EXPECT_EQ(drawn.Pixel(6, 4), RGB(10, 20, 30));
        }
        SelectObject(mem, old);
        DeleteDC(mem);
        DeleteObject(bmp);
    }
}

TEST(Bmp, WritesAndReadsBackTwentyFourAndThirtyTwoBits) {
    tvtest::TempDir tmp;
    for (int bpp : {24, 32}) {
        Canvas c(5, 3, RGB(10, 20, 30), bpp);
        SetPixel(c.dc(), 4, 0, RGB(255, 0, 0));
        SetPixel(c.dc(), 0, 2, RGB(0, 0, 255));
        SaveBmpFile(c.bitmap(), tmp.file("a.bmp"));
        HBITMAP back = LoadPictureFile(tmp.file("a.bmp"));
        ASSERT_EQ(BitmapWidth(back), 5);
        ASSERT_EQ(BitmapHeight(back), 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const BYTE* p = ScanLine(back, y) + x * (BitmapBitsPerPixel(back) / 8);
                EXPECT_EQ(RGB(p[2], p[1], p[0]), c.Pixel(x, y)) << bpp << " " << x << "," << y;
            }
        DeleteObject(back);
    }
}

TEST(Bmp, ReadsPalettedPictures) {
    // 2 x 2, 8 bits, palette of two colours, rows bottom-up padded to 4 bytes.
    std::vector<unsigned char> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, // file header, bits at 62
                                    40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                                    0, 0, 255, 0, 255, 0, 0, 0, // palette: red, blue
                                    0, 1, 0, 0,                 // bottom row: red blue
                                    1, 1, 0, 0};                // top row: blue blue
    HBITMAP bmp = ReadBmp(f.data(), f.size());
    const BYTE* top = ScanLine(bmp, 0);
    const BYTE* bottom = ScanLine(bmp, 1);
    EXPECT_EQ(top[0], 255);
    EXPECT_EQ(bottom[2], 255);
    EXPECT_EQ(bottom[3], 255);
    DeleteObject(bmp);
}

TEST(Pictures, BadFilesRaiseClearErrors) {
    tvtest::TempDir tmp;
    std::vector<unsigned char> rgba(16 * 16 * 4, 200);
    gditest::WritePng(tmp.file("ok.png"), 16, 16, rgba);
    std::vector<unsigned char> png = gditest::ReadFileBytes(tmp.file("ok.png"));
    std::vector<unsigned char> rgb(64 * 64 * 3, 90);
    gditest::WriteJpeg(tmp.file("ok.jpg"), 64, 64, rgb);
    std::vector<unsigned char> jpg = gditest::ReadFileBytes(tmp.file("ok.jpg"));
    Canvas c(4, 4);
    std::vector<unsigned char> bmp = WriteBmp(c.bitmap());

    std::vector<unsigned char> cutAtEnd(jpg.begin(), jpg.begin() + long(jpg.size() / 2));
    cutAtEnd.push_back(0xFF), cutAtEnd.push_back(0xD9);
    std::vector<unsigned char> lyingHeight = bmp;
    lyingHeight[22] = 0xE8, lyingHeight[23] = 0x03; // claims 1000 rows
    std::vector<unsigned char> lyingOffset = bmp;
    lyingOffset[10] = 0xFF, lyingOffset[11] = 0xFF;
    std::vector<unsigned char> lyingDepth = bmp;
    lyingDepth[28] = 7;
    std::vector<unsigned char> zeroWidth = bmp;
    zeroWidth[18] = 0;

    struct Case {
        const char* name;
        std::vector<unsigned char> data;
        const char* message;
    };
    std::vector<Case> cases = {
        {"truncated png", std::vector<unsigned char>(png.begin(), png.begin() + long(png.size() / 2)), "PNG"},
        {"png header only", std::vector<unsigned char>(png.begin(), png.begin() + 8), "PNG"},
        {"truncated jpeg", std::vector<unsigned char>(jpg.begin(), jpg.begin() + long(jpg.size() / 2)), "JPEG"},
        {"jpeg data ending early at its end marker", cutAtEnd, "JPEG"},
        {"jpeg marker only", {0xFF, 0xD8, 0xFF}, "JPEG"},
        {"bmp lying height", lyingHeight, "Bitmap"},
        {"bmp lying offset", lyingOffset, "Bitmap"},
        {"bmp lying depth", lyingDepth, "Bitmap"},
        {"bmp zero width", zeroWidth, "Bitmap"},
        {"bmp cut header", std::vector<unsigned char>(bmp.begin(), bmp.begin() + 20), "Bitmap"},
        {"garbage", {1, 2, 3, 4, 5}, "Unknown"},
        {"empty", {}, "Unknown"},
    };
    for (const Case& k : cases) {
        try {
            HBITMAP b = ReadPicture(k.data.data(), k.data.size());
            DeleteObject(b);
            ADD_FAILURE() << k.name << " was accepted";
        } catch (const tv::EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find(k.message), std::string::npos) << k.name << ": " << e.what();
        }
    }
    EXPECT_THROW(LoadPictureFile(tmp.file("missing.png")), tv::EFOpenError);
}

// A small progressive file whose frame header claims 65500 x 65500 pixels is
// refused from the header, before the decoder buffers the whole picture.
TEST(Jpeg, RefusesAHugeClaimedSizeAtOnce) {
    tvtest::TempDir tmp;
    std::vector<unsigned char> rgb(24 * 24 * 3, 120);
    gditest::WriteJpeg(tmp.file("p.jpg"), 24, 24, rgb, 75, true);
    std::vector<unsigned char> jpg = gditest::ReadFileBytes(tmp.file("p.jpg"));
    std::size_t sof = 0;
    for (std::size_t i = 2; i + 9 < jpg.size() && !sof; ++i)
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xC2) sof = i;
    ASSERT_NE(sof, 0u);
    for (std::size_t at : {sof + 5, sof + 7}) jpg[at] = 0xFF, jpg[at + 1] = 0xDC; // 65500
    auto start = std::chrono::steady_clock::now();
    try {
        DeleteObject(ReadPicture(jpg.data(), jpg.size()));
        ADD_FAILURE() << "accepted";
    } catch (const tv::EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find("bad size"), std::string::npos) << e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    // A wide progressive picture within the limit still decodes.
    std::vector<unsigned char> wide(4000 * 8 * 3, 30);
    gditest::WriteJpeg(tmp.file("w.jpg"), 4000, 8, wide, 75, true);
    HBITMAP ok = LoadPictureFile(tmp.file("w.jpg"));
    EXPECT_EQ(BitmapWidth(ok), 4000);
    DeleteObject(ok);
}

namespace {

void PutBig32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void PutPngChunk(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& data) {
    PutBig32(png, std::uint32_t(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    PutBig32(png, std::uint32_t(crc32(0, body.data(), uInt(body.size()))));
}

} // namespace

// A few hundred bytes whose header claims the largest picture allowed, while
// the data stops almost at once, cost what they hold: no buffer of the claimed
// size is allocated and filled before the data runs out.
TEST(Pictures, DataCutShortCostsWhatItHolds) {
    tvtest::TempDir tmp;
    std::vector<unsigned char> rgb(64 * 64 * 3, 90);
    gditest::WriteJpeg(tmp.file("s.jpg"), 64, 64, rgb);
    std::vector<unsigned char> jpg = gditest::ReadFileBytes(tmp.file("s.jpg"));
    std::size_t sof = 0, sos = 0;
    for (std::size_t i = 2; i + 9 < jpg.size() && !sos; ++i) {
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xC0) sof = i;
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xDA) sos = i;
    }
    ASSERT_TRUE(sof && sos);
    jpg[sof + 5] = 0x04, jpg[sof + 6] = 0x00; // 1024 rows
    jpg[sof + 7] = 0x7F, jpg[sof + 8] = 0xFF; // of 32767 pixels
    jpg.resize(sos + 2 + (std::size_t(jpg[sos + 2]) << 8 | jpg[sos + 3]) + 8);
    jpg.push_back(0xFF), jpg.push_back(0xD9);
    // Arithmetic-coded data that stops early is padded with zeros silently.
    std::vector<unsigned char> arithmetic = jpg;
    arithmetic[sof + 1] = 0xC9;

    const std::uint32_t w = 32767, h = 1024;
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> ihdr;
    PutBig32(ihdr, w), PutBig32(ihdr, h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
    PutPngChunk(png, "IHDR", ihdr);
    std::vector<unsigned char> rows(4 * (1 + std::size_t(w) * 4), 0); // four rows of the 1024
    std::vector<unsigned char> packed(compressBound(uLong(rows.size())));
    uLongf packedSize = uLongf(packed.size());
    ASSERT_EQ(compress(packed.data(), &packedSize, rows.data(), uLong(rows.size())), Z_OK);
    packed.resize(packedSize);
    PutPngChunk(png, "IDAT", packed);
    PutPngChunk(png, "IEND", {});

    for (const auto* bytes : {&jpg, &arithmetic, &png}) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 10; ++i)
            EXPECT_THROW(DeleteObject(ReadPicture(bytes->data(), bytes->size())), tv::EInvalidGraphic)
                << bytes->size() << " bytes";
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << bytes->size() << " bytes";
    }
}
