#pragma once
// Reading pictures into bitmaps (BMP, PNG through libpng, JPEG through
// libjpeg) and writing BMP files. Bad or truncated data raises
// EInvalidGraphic with a message naming the fault; nothing is half-loaded.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

enum class PictureFormat { Unknown, Bmp, Png, Jpeg };

// The largest picture a station reads: an article's photo or a skin texture
// is shown at screen size, and a bigger claim is a damaged or hostile file.
constexpr std::size_t kMaxPicturePixels = std::size_t(1) << 25;
constexpr std::size_t kMaxPictureSide = 32767;
inline bool PictureSizeAllowed(std::size_t width, std::size_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// Tells the format from the first bytes.
PictureFormat DetectPictureFormat(const BYTE* data, std::size_t size);

// BMP: 1, 4, 8, 24 and 32 bits per pixel, uncompressed; gives 24-bit
// bitmaps (32-bit when the file has alpha).
HBITMAP ReadBmp(const BYTE* data, std::size_t size);
// PNG: every colour type; 32-bit with alpha when the picture has transparency
// (an alpha channel or a transparent colour), else 24-bit.
HBITMAP ReadPng(const BYTE* data, std::size_t size);
// JPEG: greyscale and colour; 24-bit.
HBITMAP ReadJpeg(const BYTE* data, std::size_t size);
// Any of the three, by content.
HBITMAP ReadPicture(const BYTE* data, std::size_t size);
HBITMAP LoadPictureFile(const std::string& path);

// A BMP file of the bitmap at its own depth (24 or 32 bits).
std::vector<BYTE> WriteBmp(HBITMAP bmp);
void SaveBmpFile(HBITMAP bmp, const std::string& path);

std::vector<BYTE> ReadWholeFile(const std::string& path);

} // namespace tv::win
