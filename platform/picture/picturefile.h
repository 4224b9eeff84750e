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
