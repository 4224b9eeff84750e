#pragma once
// The tables of a loaded skin: sections, images and large textures, the
// gradient steps of a section, the global values of the skin, and where a
// control finds its parent's background.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/graphics.h"
#include "platform/wintypes.h"

namespace tv {

class TBitmap;
class TacJPEGImage;
class TsSkinManager;

// Pixels of this colour are not part of a skin image; a colour variable that
// holds it is unset.
constexpr TColor clSkinKey = 0xFF00FF;

enum TsControlBevel : std::uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };
enum TacImgType : std::uint8_t { itisaBorder, itisaTexture, itisaGlyph };

// Gradient modes of the first step.
constexpr int gmVertical = 0, gmHorizontal = 1, gmCorners = 2;

struct TsGradPie {
    TColor Color1 = 0;
    TColor Color2 = 0;
    int Percent = 0; // share of the rectangle, at most 100
    int Mode = 0;    // only the first step's counts
};
using TsGradArray = std::vector<TsGradPie>;

// Colour of the text, then the left, top, right and bottom contour (-1: none).
using TsFontColors = std::array<TColor, 5>;
constexpr TsFontColors DefaultFontColors{0, -1, -1, -1, -1};

struct TsGeneralData {
    std::string ParentClass;
    std::string ClassName;
    TColor Color = 0xFFFFFF;
    TsControlBevel Bevel = cbNone;
    TsFontColors FontColor = DefaultFontColors;
    TsFontColors HotFontColor = DefaultFontColors;
    bool ReservedBoolean = false;
    int ShadowBlur = 6;
    TColor ShadowColor = 0;
    bool ShadowEnabled = false;
    int ShadowOffset = 3;
    int ShadowTransparency = 50;
    int Transparency = 0;
    int GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIntervalIn = 5;
    int FadingIntervalOut = 5;
    int FadingIterations = 5;
    TColor HotColor = 0xFFFFFF;
    int HotTransparency = 0;
    TsControlBevel HotBevel = cbNone;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    int HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

struct TsMaskData {
    std::shared_ptr<TBitmap> Bmp; // none: a rectangle of the master bitmap
    std::string ClassName;
    std::string PropertyName;
    win::RECT R;
    int ImageCount = 0;
    int MaskType = 0; // 0 no mask; n: the picture is the top of n + 1 bands, the mask below
    int BorderWidth = 0;
    int DrawMode = 0;
    TacImgType ImgType = itisaBorder;
    TsSkinManager* Manager = nullptr;
    int WL = 0, WT = 0, WR = 0, WB = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData {
    std::shared_ptr<TacJPEGImage> Img;
    std::string ClassName;
    std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

struct TsSkinData {
    std::string SkinPath; // the skin folder with its final separator; empty for an internal skin
    bool Active = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    int Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
};

// Where a control's background lies in its parent's composed bitmap.
struct TCacheInfo {
    TBitmap* Bmp = nullptr;
    int X = -99;
    int Y = -99;
    bool Ready = false;
};
TCacheInfo EmptyCacheInfo();
TCacheInfo FillCacheInfo(TBitmap* bmp, int x, int y);

// Margins of a state of `ImageCount` pictures side by side over `bands` bands.
void ComputeMargins(TsMaskData& md, int bands);
// Numbers read from a skin file are brought into the ranges painting can use:
// a negative mask type or a margin near the integer limit would divide by zero
// or overflow when the image is painted.
constexpr int kMaxSkinCoord = 32767, kMaxSkinImageCount = 256, kMaxSkinMaskType = 15;
void ClampMaskData(TsMaskData& md);
// "c1;c2;percent;mode;x" groups; a trailing incomplete group is ignored.
TsGradArray ParseGradientData(const std::string& text);

} // namespace tv
