#include "skin/skintestutils.h"

#include <cstdio>
#include <fstream>

#include <jpeglib.h>

#include "platform/picture/bitmap.h"

namespace skintest {

using namespace tv;

std::unique_ptr<TBitmap> Solid(int w, int h, TColor c) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetPx(b.get(), x, y, c);
    return b;
}

std::unique_ptr<TBitmap> FromRows(const std::vector<std::vector<TColor>>& rows) {
    auto b = Solid(int(rows[0].size()), int(rows.size()), 0);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) SetPx(b.get(), int(x), int(y), rows[y][x]);
    return b;
}

TColor Px(TBitmap* b, int x, int y) {
    const win::BYTE* p = b->ScanLine(y) + x * 3;
    return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
}

void SetPx(TBitmap* b, int x, int y, TColor c) {
    win::BYTE* p = b->ScanLine(y) + x * 3;
    p[0] = (c >> 16) & 0xFF;
    p[1] = (c >> 8) & 0xFF;
    p[2] = c & 0xFF;
}

Rgb Split(TColor c) { return Rgb{c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF}; }

void WriteJpeg(const std::string& path, int w, int h, int r, int g, int b) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    FILE* f = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(w) * 3);
    for (int x = 0; x < w; ++x) row[x * 3] = JSAMPLE(r), row[x * 3 + 1] = JSAMPLE(g), row[x * 3 + 2] = JSAMPLE(b);
    JSAMPROW rp = row.data();
    while (cinfo.next_scanline < cinfo.image_height) jpeg_write_scanlines(&cinfo, &rp, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

} // namespace skintest
