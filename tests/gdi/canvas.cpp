#include "gdi/canvas.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace gditest {

Canvas::Canvas(int width, int height, COLORREF fill, int bpp) : width_(width), height_(height) {
    bmp_ = CreateDIBitmap(width, height, bpp);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bmp_);
    Fill(fill);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bmp_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    const BYTE* p = ScanLine(bmp_, y) + std::size_t(x) * (BitmapBitsPerPixel(bmp_) / 8);
    return RGB(p[2], p[1], p[0]);
}

int Canvas::Alpha(int x, int y) const {
    if (BitmapBitsPerPixel(bmp_) != 32) return 255;
    return ScanLine(bmp_, y)[std::size_t(x) * 4 + 3];
}

std::vector<COLORREF> Canvas::Pixels() const {
    std::vector<COLORREF> out;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.push_back(Pixel(x, y));
    return out;
}

int Canvas::Count(COLORREF c, RECT r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (Pixel(x, y) == c) ++n;
    return n;
}

void Canvas::Fill(COLORREF c) {
    int bytes = BitmapBitsPerPixel(bmp_) / 8;
    for (int y = 0; y < height_; ++y) {
        BYTE* p = ScanLine(bmp_, y);
        for (int x = 0; x < width_; ++x, p += bytes) {
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
            if (bytes == 4) p[3] = 255;
        }
    }
}

void WritePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgba) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("png write failed: ") + image.message);
}

void WriteJpeg(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb, int quality,
               bool progressive) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = JDIMENSION(width);
    c.image_height = JDIMENSION(height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb.data()) + std::size_t(c.next_scanline) * width * 3;
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::string Run(const std::string& command, int* exitCode) {
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int rc = ::pclose(p);
    if (exitCode) *exitCode = WEXITSTATUS(rc);
    return out;
}

} // namespace gditest

#include <gtest/gtest.h>

#include "platform/window/sysmetrics.h"

namespace {
// The system colour table is filled when the desktop comes up; asking for a
// metric brings it up before any test draws an edge.
class DesktopEnvironment : public ::testing::Environment {
public:
    void SetUp() override { tv::win::GetSystemMetrics(tv::win::SM_CXSCREEN); }
};
const auto* g_desktop = ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);
} // namespace
