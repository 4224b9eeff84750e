#pragma once
// Test helpers: a memory device context on a bitmap of its own, pixel reads,
// test pictures written with libpng and libjpeg, and running reader programs.
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/picture/bitmap.h"

namespace gditest {

using namespace tv::win;

// A memory device context on a width x height bitmap filled with `fill`.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255), int bpp = 24);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bmp_; }
    COLORREF Pixel(int x, int y) const;
    int Alpha(int x, int y) const;
    // All pixels, row by row, to compare whole pictures.
    std::vector<COLORREF> Pixels() const;
    // Number of pixels of the given colour inside a rectangle.
    int Count(COLORREF c, RECT r) const;
    int Count(COLORREF c) const { return Count(c, RECT{0, 0, width_, height_}); }
    void Fill(COLORREF c);
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HBITMAP bmp_;
    HDC dc_;
    HGDIOBJ old_;
};

// Pixels given as RGBA rows from the top.
void WritePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgba);
void WriteJpeg(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb, int quality = 95,
               bool progressive = false);
std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
// Output of a command (stdout), with its exit code.
std::string Run(const std::string& command, int* exitCode = nullptr);

} // namespace gditest
