#pragma once
// Metafiles: a device context that records what is drawn on it as a display
// list, to be played back onto any device context at any scale.
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

// A metafile device context made for `reference` (null: the screen): it
// reports that device's capabilities and measures text in its pixels. The
// picture's frame is width x height reference pixels (0 takes the device's
// page).
HDC CreateEnhMetaFile(HDC reference, int width = 0, int height = 0);
// Ends recording, frees the device context and hands over the metafile.
HENHMETAFILE CloseEnhMetaFile(HDC dc);
BOOL DeleteEnhMetaFile(HENHMETAFILE mf);
HENHMETAFILE CopyEnhMetaFile(HENHMETAFILE mf);
// Plays the picture so that its frame fills `rect` (logical units of `dc`).
BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE mf, const RECT* rect);
// The frame in reference pixels and the reference resolution.
SIZE GetEnhMetaFileSize(HENHMETAFILE mf);
SIZE GetEnhMetaFileResolution(HENHMETAFILE mf);

// What a metafile holds: one line per call, "Name(arguments)".
std::vector<std::string> GetEnhMetaFileRecords(HENHMETAFILE mf);

} // namespace tv::win
