// Icon and cursor files: images of every depth built byte by byte here,
// PNG entries written with libpng, and damaged files.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/exceptions.h"
#include "gdi/canvas.h"
#include "platform/picture/icon.h"
#include "platform/window/cursor.h"
#include "support/tempdir.h"

using namespace tv::win;
using gditest::Canvas;

namespace {

using Bytes = std::vector<BYTE>;

void Put16(Bytes& v, unsigned x) {
    v.push_back(BYTE(x));
    v.push_back(BYTE(x >> 8));
}
void Put32(Bytes& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(BYTE(x >> (8 * i)));
}

// A DIB entry. `pixel(x, y)` gives a palette index (up to 8 bits) or
// 0xAARRGGBB (24 and 32 bits); `transparent(x, y)` sets the AND mask bit.
// Rows are written bottom-up, as the format has them.
template <class P, class T>
Bytes Dib(int w, int h, int bpp, const std::vector<std::uint32_t>& palette, P pixel, T transparent) {
    Bytes b;
    Put32(b, 40);
    Put32(b, std::uint32_t(w));
    Put32(b, std::uint32_t(h * 2));
    Put16(b, 1);
    Put16(b, unsigned(bpp));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, std::uint32_t(palette.size()));
    Put32(b, 0);
    for (std::uint32_t c : palette) Put32(b, c & 0xFFFFFF);
    std::size_t stride = (std::size_t(w) * bpp + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = pixel(x, y);
            if (bpp == 1) row[std::size_t(x / 8)] |= BYTE((p & 1) << (7 - x % 8));
            else if (bpp == 4) row[std::size_t(x / 2)] |= BYTE((p & 0xF) << (x % 2 ? 0 : 4));
            else if (bpp == 8) row[std::size_t(x)] = BYTE(p);
            else
                for (int k = 0; k < bpp / 8; ++k) row[std::size_t(x * (bpp / 8) + k)] = BYTE(p >> (8 * k));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    std::size_t maskStride = (std::size_t(w) + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (transparent(x, y)) row[std::size_t(x / 8)] |= BYTE(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

struct Entry {
    int w, h;
    Bytes body;
    int hotX = 0, hotY = 0;
};

Bytes IconFile(const std::vector<Entry>& entries, unsigned type = 1) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, unsigned(entries.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.push_back(BYTE(e.w));
        out.push_back(BYTE(e.h));
        out.push_back(0);
        out.push_back(0);
        Put16(out, type == 2 ? unsigned(e.hotX) : 1);
        Put16(out, type == 2 ? unsigned(e.hotY) : 32);
        Put32(out, std::uint32_t(e.body.size()));
        Put32(out, offset);
        offset += std::uint32_t(e.body.size());
    }
    for (const Entry& e : entries) out.insert(out.end(), e.body.begin(), e.body.end());
    return out;
}

std::uint32_t At(const IconImage& img, int x, int y) { return img.argb[std::size_t(y) * img.width + x]; }

// 16 x 16, 4 bits: blue, the top row red, the left column cut out by the mask.
Entry FourBit() {
    return {16, 16, Dib(16, 16, 4, {0x000000, 0xFF0000, 0x0000FF},
                        [](int, int y) { return y == 0 ? 1u : 2u; }, [](int x, int) { return x == 0; })};
}

// 32 x 32, 32 bits with alpha: green, one corner clear and one half covered.
// Its mask says opaque everywhere, and alpha wins.
Entry ThirtyTwoBit() {
    return {32, 32, Dib(32, 32, 32, {},
                        [](int x, int y) -> std::uint32_t {
                            if (x == 0 && y == 0) return 0x00000000;
                            if (x == 31 && y == 31) return 0x8000FF00;
                            return 0xFF00FF00;
                        },
                        [](int, int) { return false; })};
}

} // namespace

TEST(IconFiles, ImagesOfEveryDepth) {
    Bytes file = IconFile({FourBit(), ThirtyTwoBit()});
    ASSERT_TRUE(IsIconFile(file.data(), file.size()));
    std::vector<IconImage> images = ReadIconFile(file.data(), file.size());
    ASSERT_EQ(images.size(), 2u);

    const IconImage& small = images[0];
    EXPECT_EQ(small.width, 16);
    EXPECT_EQ(small.bitsPerPixel, 4);
    EXPECT_EQ(At(small, 5, 0), 0xFFFF0000u) << "the top row is the last one stored";
    EXPECT_EQ(At(small, 5, 15), 0xFF0000FFu);
    EXPECT_EQ(At(small, 0, 7), 0u) << "masked out";

    const IconImage& big = images[1];
    EXPECT_EQ(big.width, 32);
    EXPECT_EQ(At(big, 0, 0), 0u);
    EXPECT_EQ(At(big, 31, 31), 0x80008000u) << "premultiplied half green";
    EXPECT_EQ(At(big, 10, 10), 0xFF00FF00u);

    // 1 and 8 bits, and 24 bits whose only transparency is the mask.
    Bytes older = IconFile({
        {8, 8, Dib(8, 8, 1, {0x000000, 0xFFFFFF}, [](int x, int) { return std::uint32_t(x % 2); },
                   [](int, int y) { return y == 7; })},
        {8, 8, Dib(8, 8, 8, {0x112233, 0x445566}, [](int x, int) { return x < 4 ? 0u : 1u; },
                   [](int, int) { return false; })},
        {24, 24, Dib(24, 24, 24, {}, [](int, int) { return 0x00ABCDEFu; }, [](int x, int y) { return x == y; })},
    });
    images = ReadIconFile(older.data(), older.size());
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(At(images[0], 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(images[0], 0, 0), 0xFF000000u);
    EXPECT_EQ(At(images[0], 1, 7), 0u);
    EXPECT_EQ(At(images[1], 0, 3), 0xFF112233u);
    EXPECT_EQ(At(images[1], 7, 3), 0xFF445566u);
    EXPECT_EQ(At(images[2], 3, 3), 0u);
    EXPECT_EQ(At(images[2], 4, 3), 0xFFABCDEFu);
    // Nearest size: 20 is closer to 24; asking for nothing gives the largest.
    EXPECT_EQ(NearestIconImage(images, 20), 2u);
    EXPECT_EQ(NearestIconImage(images, 0), 2u);
    EXPECT_EQ(NearestIconImage(images, 8), 1u) << "the deeper of two images of one size";
}

TEST(IconFiles, WrittenWithAlphaAndMaskReadBackAlike) {
    Bytes file = IconFile({FourBit(), ThirtyTwoBit()});
    std::vector<IconImage> images = ReadIconFile(file.data(), file.size());
    Bytes written = WriteIconFile(images);
    std::vector<IconImage> back = ReadIconFile(written.data(), written.size());
    ASSERT_EQ(back.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back[i].width, images[i].width);
        EXPECT_EQ(back[i].argb, images[i].argb) << "image " << i;
        EXPECT_EQ(back[i].bitsPerPixel, 32);
    }
    // The AND mask agrees with alpha, for readers that only know the mask:
    // the 16 x 16 image's masked left column, bottom row first.
    std::uint32_t offset = std::uint32_t(written[18]) | std::uint32_t(written[19]) << 8 |
                           std::uint32_t(written[20]) << 16 | std::uint32_t(written[21]) << 24;
    std::size_t mask = offset + 40 + 16 * 16 * 4;
    ASSERT_LT(mask + 4, written.size());
    EXPECT_EQ(written[mask], 0x80);
    EXPECT_EQ(written[mask + 1], 0x00);

    // 256 pixels is the largest size an icon file holds.
    IconImage huge;
    huge.width = huge.height = 300;
    huge.argb.assign(300 * 300, 0xFF000000u);
    EXPECT_THROW(WriteIconFile({huge}), tv::EInvalidGraphic);
    EXPECT_THROW(WriteIconFile({}), tv::EInvalidGraphic);
}

TEST(IconFiles, PngEntriesAndCursors) {
    tvtest::TempDir tmp;
    std::vector<unsigned char> rgba;
    for (int i = 0; i < 48 * 48; ++i) {
        bool clear = i % 48 < 8;
        rgba.insert(rgba.end(), {255, 0, 0, BYTE(clear ? 0 : 255)});
    }
    gditest::WritePng(tmp.file("p.png"), 48, 48, rgba);
    Bytes png = gditest::ReadFileBytes(tmp.file("p.png"));
    Bytes file = IconFile({{48, 48, png}, FourBit()});
    std::vector<IconImage> images = ReadIconFile(file.data(), file.size());
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 48);
    EXPECT_EQ(At(images[0], 3, 3), 0u);
    EXPECT_EQ(At(images[0], 20, 3), 0xFFFF0000u);

    // A cursor file carries its hot spot where an icon has planes and depth.
    Entry e = FourBit();
    e.hotX = 5;
    e.hotY = 9;
    Bytes cur = IconFile({e}, 2);
    images = ReadIconFile(cur.data(), cur.size());
    EXPECT_EQ(images[0].hotX, 5);
    EXPECT_EQ(images[0].hotY, 9);

    // Loaded from disk as a handle of the nearest size, and drawn.
    gditest::WriteFileBytes(tmp.file("a.ico"), file);
    HICON icon = LoadIconFile(tmp.file("a.ico"), 16);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 16);
    Canvas c(20, 20, RGB(0, 255, 0));
    ASSERT_TRUE(DrawIconEx(c.dc(), 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.Pixel(2, 8), RGB(0, 255, 0)) << "the masked column";
    EXPECT_EQ(c.Pixel(3, 2), RGB(255, 0, 0));
    EXPECT_EQ(c.Pixel(3, 8), RGB(0, 0, 255));
    DestroyCursor(icon);
}

TEST(IconFiles, DamagedFilesAreRefused) {
    Bytes good = IconFile({FourBit()});
    auto withByte = [&](std::size_t at, BYTE v) {
        Bytes b = good;
        b[at] = v;
        return b;
    };
    Bytes cut(good.begin(), good.end() - 20);
    Bytes noDirectory(good.begin(), good.begin() + 12);
    Bytes sixteenBits = withByte(6 + 16 + 14, 16);      // biBitCount
    Bytes compressed = withByte(6 + 16 + 16, 1);        // biCompression
    Bytes beyond = withByte(6 + 12 + 3, 0x7F);          // the image's offset
    Bytes badIndex = IconFile({{4, 4, Dib(4, 4, 8, {0x000000}, [](int, int) { return 9u; },
                                          [](int, int) { return false; })}});
    for (const Bytes* b : {&cut, &noDirectory, &sixteenBits, &compressed, &beyond, &badIndex})
        EXPECT_THROW(ReadIconFile(b->data(), b->size()), tv::EInvalidGraphic);
    Bytes notIcon = {'B', 'M', 0, 0, 0, 0};
    EXPECT_FALSE(IsIconFile(notIcon.data(), notIcon.size()));
    // Either format through one door; neither gives a clear error.
    EXPECT_EQ(ReadIcons(good.data(), good.size()).size(), 1u);
    EXPECT_THROW(ReadIcons(notIcon.data(), notIcon.size()), tv::EInvalidGraphic);
}
