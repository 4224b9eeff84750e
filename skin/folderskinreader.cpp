// Reading a skin folder: "Options.dat" and the pictures it names.
#include <filesystem>
#include <memory>
#include <optional>
#include <unordered_map>

#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/inifiles.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/ui/picture.h"
#include "platform/picture/picturefile.h"
#include "skin/jpegimage.h"
#include "skin/skinmanager.h"
#include "skin/skinreaders.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {

constexpr const char* GlobalInfo = "GLOBALINFO";

bool FileThere(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// A bitmap read from a picture file; 24-bit unless asked to keep its depth.
std::shared_ptr<TBitmap> LoadBitmap(const std::string& path, bool to24 = true) {
    auto bmp = std::make_shared<TBitmap>();
    bmp->SetHandle(LoadPictureFile(path));
    if (to24) bmp->SetPixelFormat(pf24bit);
    return bmp;
}

// The number at 1-based characters from..to of a fixed-position value.
int Field(const std::string& v, int from, int to) {
    std::string part = from - 1 < int(v.size()) ? v.substr(std::size_t(from - 1), std::size_t(to - from + 1)) : "";
    return StrToInt(part);
}

void CutRect(TsMaskData& md, const std::string& v) {
    md.R = RECT{Field(v, 2, 5), Field(v, 7, 10), Field(v, 12, 15), Field(v, 17, 20)};
}

} // namespace

TsMaskData ParseMasterRectValue(const std::string& section, const std::string& key, const std::string& value) {
    const char* words = " ()";
    std::string rect = ExtractWordBySet(2, value, words), counts = ExtractWordBySet(3, value, words);
    TsMaskData md;
    md.ClassName = UpperCase(section);
    md.PropertyName = UpperCase(key);
    md.R = RECT{StrToInt(ExtractWordBySet(1, rect, ", ")), StrToInt(ExtractWordBySet(2, rect, ", ")),
                StrToInt(ExtractWordBySet(3, rect, ", ")), StrToInt(ExtractWordBySet(4, rect, ", "))};
    int n = CountWordsBySet(counts, ", ");
    md.ImageCount = std::max(1, StrToInt(ExtractWordBySet(1, counts, ", ")));
    md.MaskType = std::max(0, StrToInt(ExtractWordBySet(2, counts, ", ")));
    md.BorderWidth = n >= 3 ? std::max(0, StrToInt(ExtractWordBySet(3, counts, ", "))) : 0;
    if (md.PropertyName == "PATTERN" || md.PropertyName == "HOTPATTERN") {
        md.ImgType = itisaTexture;
        md.DrawMode = 0;
    } else {
        md.ImgType = itisaBorder;
        md.DrawMode = n >= 4 ? StrToInt(ExtractWordBySet(4, counts, ", ")) : 1;
    }
    ClampMaskData(md);
    if (md.BorderWidth != 0) md.WL = md.WT = md.WR = md.WB = md.BorderWidth;
    else ComputeMargins(md, md.MaskType + 1);
    return md;
}

namespace {

void AddOwnBitmapImage(TsSkinManager& sm, TsMaskData md, std::shared_ptr<TBitmap> bmp) {
    if (!bmp || bmp->Width() == 0) return;
    md.R = RECT{0, 0, bmp->Width(), bmp->Height()};
    md.Bmp = std::move(bmp);
    md.Manager = &sm;
    sm.ma.push_back(std::move(md));
}

// One value of "Options.dat" that may describe an image.
void ReadImageValue(TsSkinManager& sm, const std::string& section, const std::string& key, const std::string& value) {
    if (value.empty()) return;
    TsMaskData md;
    md.ClassName = section;
    md.PropertyName = key;
    md.Manager = &sm;
    switch (value[0]) {
    case '!': {
        const char* sep = "!";
        std::string file = ExtractWordBySet(1, value, sep);
        if (UpperCase(file).find(".BMP") == std::string::npos) return;
        int fields = CountWordsBySet(value, sep);
        md.ImageCount = StrToInt(ExtractWordBySet(2, value, sep));
        md.MaskType = StrToInt(ExtractWordBySet(3, value, sep));
        md.ImgType = TacImgType(StrToInt(ExtractWordBySet(4, value, sep)));
        if (fields >= 5) {
            md.WL = StrToInt(ExtractWordBySet(5, value, sep));
            md.WT = StrToInt(ExtractWordBySet(6, value, sep));
            md.WR = StrToInt(ExtractWordBySet(7, value, sep));
            md.WB = StrToInt(ExtractWordBySet(8, value, sep));
        }
        ClampMaskData(md);
        std::string path = SkinFileName(sm, file);
        if (!FileThere(path)) return;
        auto bmp = LoadBitmap(path, md.ImgType != itisaTexture);
        if (bmp->Width() == 0) return;
        md.R = RECT{0, 0, bmp->Width(), bmp->Height()};
        if (fields < 5) ComputeMargins(md, md.MaskType + 1);
        AddOwnBitmapImage(sm, md, bmp);
        return;
    }
    case '@':
        CutRect(md, value);
        md.ImageCount = Field(value, 22, 22);
        md.MaskType = Field(value, 24, 24);
        md.ImgType = itisaGlyph;
        ClampMaskData(md);
        sm.ma.push_back(md);
        return;
    case '^':
        CutRect(md, value);
        md.WL = Field(value, 22, 25);
        md.WT = Field(value, 27, 30);
        md.WR = Field(value, 32, 35);
        md.WB = Field(value, 37, 40);
        md.ImageCount = Field(value, 42, 42);
        md.MaskType = Field(value, 44, 44);
        md.DrawMode = Field(value, 46, 46);
        md.BorderWidth = Field(value, 48, 48);
        md.ImgType = itisaBorder;
        ClampMaskData(md);
        if (md.WL == 0 && md.WT == 0 && md.WR == 0 && md.WB == 0) {
            if (md.BorderWidth != 0) md.WL = md.WT = md.WR = md.WB = md.BorderWidth;
            else ComputeMargins(md, md.MaskType + 1);
        }
        sm.ma.push_back(md);
        return;
    case '~':
        CutRect(md, value);
        md.ImageCount = 1;
        md.DrawMode = Field(value, 22, 23);
        md.MaskType = value.size() >= 25 ? Field(value, 25, 25) : 0;
        md.ImgType = itisaTexture;
        ClampMaskData(md);
        sm.ma.push_back(md);
        return;
    default: break;
    }
    if (value.find('#') != std::string::npos) {
        if (value == "#") return;
        sm.ma.push_back(ParseMasterRectValue(section, key, value));
        sm.ma.back().Manager = &sm;
        return;
    }
    std::string upper = UpperCase(value);
    if (upper.find(".BMP") == std::string::npos) return;
    std::string path = SkinFileName(sm, upper);
    if (!FileThere(path)) return;
    md.ClassName = UpperCase(section);
    md.PropertyName = UpperCase(key);
    md.MaskType = 1;
    md.ImageCount = 3;
    auto bmp = LoadBitmap(path);
    if (bmp->Width() == 0) return;
    md.R = RECT{0, 0, bmp->Width(), bmp->Height()};
    ComputeMargins(md, 2);
    AddOwnBitmapImage(sm, md, bmp);
}

// A key a section lacks is its parent's (PARENTCLASS), and so on up; an
// integer of -1 counts as lacking. Each section's value of a key is found
// once and kept, so a section inheriting from a long chain costs one look-up
// more than its parent, not the walk of the chain for every key. The walk
// never goes round a loop of parents, nor further than any real skin needs.
class Lineage {
public:
    explicit Lineage(TCustomIniFile& ini) : ini_(ini) {}

    int Int(const std::string& section, const std::string& key, int def) {
        const std::optional<int> v = Find<int>(ints_, section, key, 0, [&](const std::string& s) -> std::optional<int> {
            int n = ini_.ReadInteger(s, key, -1);
            return n == -1 ? std::nullopt : std::optional<int>(n);
        });
        return v ? *v : def;
    }

    std::string Str(const std::string& section, const std::string& key, const std::string& def) {
        const std::optional<std::string> v =
            Find<std::string>(strs_, section, key, 0, [&](const std::string& s) -> std::optional<std::string> {
                std::string t = ini_.ReadString(s, key, "?");
                return t == "?" ? std::nullopt : std::optional<std::string>(std::move(t));
            });
        return v ? *v : def;
    }

private:
    static constexpr int kMaxParents = 16;

    template <class T>
    struct Entry {
        bool busy = false, done = false;
        std::optional<T> value;
    };

    template <class T, class Own>
    std::optional<T> Find(std::unordered_map<std::string, Entry<T>>& memo, const std::string& section,
                          const std::string& key, int depth, const Own& own) {
        // Element references survive rehashing: `e` stays valid while parents are added.
        Entry<T>& e = memo[UpperCase(section) + '\n' + key];
        if (e.done) return e.value;
        if (e.busy) return std::nullopt;  // a loop of parents: the rest of it lacks the key
        e.busy = true;
        e.value = own(section);
        if (!e.value && depth < kMaxParents) {
            const std::string& parent = Parent(section);
            if (!parent.empty() && parent != "?") e.value = Find<T>(memo, parent, key, depth + 1, own);
        }
        e.busy = false;
        e.done = true;
        return e.value;
    }

    const std::string& Parent(const std::string& section) {
        auto [it, added] = parents_.try_emplace(UpperCase(section));
        if (added) it->second = ini_.ReadString(section, "PARENTCLASS", "?");
        return it->second;
    }

    TCustomIniFile& ini_;
    std::unordered_map<std::string, std::string> parents_;
    std::unordered_map<std::string, Entry<int>> ints_;
    std::unordered_map<std::string, Entry<std::string>> strs_;
};

bool ReadBoolKey(Lineage& line, const std::string& section, const std::string& key) {
    return UpperCase(line.Str(section, key, "FALSE")) == "TRUE";
}

TsControlBevel ReadBevel(Lineage& line, const std::string& section, const std::string& key) {
    int v = line.Int(section, key, 0);
    return v >= 0 && v <= 4 ? TsControlBevel(v) : cbNone;
}

} // namespace

std::string SkinFileName(const TsSkinManager& sm, const std::string& name) {
    return LocalSkinPath(IsAbsoluteSkinPath(name) ? name : sm.SkinData.SkinPath + name);
}

void ReadFolderImages(TsSkinManager& sm, TCustomIniFile& ini) {
    sm.ma.clear();
    sm.MasterBitmap.reset();
    std::string master = ini.ReadString(GlobalInfo, "MASTERBITMAP", "");
    if (!master.empty()) {
        std::string path = SkinFileName(sm, master);
        if (FileThere(path)) {
            auto bmp = std::make_unique<TBitmap>();
            bmp->SetHandle(LoadPictureFile(path));
            bmp->SetPixelFormat(pf24bit);
            bmp->SetTransparentColor(clSkinKey);
            bmp->SetTransparent(true);
            sm.MasterBitmap = std::move(bmp);
        }
    }
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        std::string section = sections.Strings(i);
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            std::string key = keys.Strings(k);
            if (section == GlobalInfo && key == "MASTERBITMAP") continue;
            ReadImageValue(sm, section, key, ini.ReadString(section, key, ""));
        }
    }
}

void ReadFolderTextures(TsSkinManager& sm, TCustomIniFile& ini) {
    sm.pa.clear();
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        std::string section = sections.Strings(i);
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            std::string key = keys.Strings(k);
            std::string value = UpperCase(ini.ReadString(section, key, "-"));
            if (value.find(".JPG") == std::string::npos && value.find(".JPEG") == std::string::npos) continue;
            std::string path = SkinFileName(sm, value);
            if (!FileThere(path)) continue;
            auto jpeg = std::make_shared<TacJPEGImage>();
            auto bytes = ReadWholeFile(path);
            jpeg->LoadFromBytes(std::string(bytes.begin(), bytes.end()));
            if (jpeg->Width() == 0) continue;
            if (std::int64_t(jpeg->Width()) * jpeg->Height() > 89999) {
                sm.pa.push_back(TsPatternData{jpeg, UpperCase(section), UpperCase(key)});
                continue;
            }
            // Small textures are drawn once into a bitmap of the image table.
            TsMaskData md;
            md.Bmp = std::make_shared<TBitmap>();
            md.Bmp->Assign(jpeg->Bitmap());
            md.Bmp->SetPixelFormat(pf24bit);
            md.ClassName = UpperCase(section);
            md.PropertyName = UpperCase(key);
            md.ImgType = itisaTexture;
            md.ImageCount = 1;
            md.R = RECT{0, 0, md.Bmp->Width(), md.Bmp->Height()};
            md.Manager = &sm;
            sm.ma.push_back(std::move(md));
        }
    }
}

void ReadFolderSections(TsSkinManager& sm, TCustomIniFile& ini) {
    TsSkinData& sd = sm.SkinData;
    TFormatSettings dot = FormatSettings;
    dot.DecimalSeparator = '.';
    sd.Version = StrToFloatDef(Trim(ini.ReadString(GlobalInfo, "VERSION", "0")), 0, dot);
    sd.Author = ini.ReadString(GlobalInfo, "AUTHOR", "");
    sd.Description = ini.ReadString(GlobalInfo, "DESCRIPTION", "");
    sd.Shadow1Color = StrToInt(ini.ReadString(GlobalInfo, "SHADOW1COLOR", "0"));
    sd.Shadow1Offset = StrToInt(ini.ReadString(GlobalInfo, "SHADOW1OFFSET", "0"));
    sd.Shadow1Blur = StrToInt(ini.ReadString(GlobalInfo, "SHADOW1BLUR", "-1"));
    sd.Shadow1Transparency = StrToInt(ini.ReadString(GlobalInfo, "SHADOW1TRANSPARENCY", "0"));

    sm.gd.clear();
    TStringList sections;
    ini.ReadSections(sections);
    Lineage line(ini);
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string s = sections.Strings(i);
        TsGeneralData g;
        g.ClassName = s;
        g.ParentClass = ini.ReadString(s, "PARENTCLASS", "");
        g.Color = TColor(ColorToRGB(line.Int(s, "COLOR", 0xFFFFFF)));
        g.Bevel = ReadBevel(line, s, "BEVEL");
        const char* fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
        const char* hotKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
        for (int k = 0; k < 5; ++k) {
            g.FontColor[k] = line.Int(s, fontKeys[k], DefaultFontColors[k]);
            g.HotFontColor[k] = line.Int(s, hotKeys[k], DefaultFontColors[k]);
        }
        g.ReservedBoolean = ReadBoolKey(line, s, "RESERVEDBOOLEAN");
        g.ShadowBlur = line.Int(s, "SHADOWBLUR", 6);
        g.ShadowColor = ini.ReadInteger(s, "SHADOWCOLOR", 0);
        g.ShadowEnabled = ReadBoolKey(line, s, "SHADOWENABLED");
        g.ShadowOffset = line.Int(s, "SHADOWOFFSET", 3);
        g.ShadowTransparency = line.Int(s, "SHADOWTRANSPARENCY", 50);
        g.Transparency = line.Int(s, "TRANSPARENCY", 0);
        g.GradientPercent = line.Int(s, "GRADIENTPERCENT", 0);
        g.GradientData = line.Str(s, "GRADIENTDATA", " ");
        g.ImagePercent = line.Int(s, "IMAGEPERCENT", 0);
        g.ShowFocus = ReadBoolKey(line, s, "SHOWFOCUS");
        g.FadingEnabled = ReadBoolKey(line, s, "FADINGENABLED");
        g.FadingIntervalIn = line.Int(s, "FADINGINTERVALIN", 5);
        g.FadingIntervalOut = line.Int(s, "FADINGINTERVALOUT", 5);
        g.FadingIterations = line.Int(s, "FADINGITERATIONS", 5);
        g.HotColor = line.Int(s, "HOTCOLOR", 0xFFFFFF);
        g.HotTransparency = line.Int(s, "HOTTRANSPARENCY", 0);
        g.HotBevel = ReadBevel(line, s, "HOTBEVEL");
        g.HotGradientPercent = line.Int(s, "HOTGRADIENTPERCENT", 0);
        g.HotGradientData = line.Str(s, "HOTGRADIENTDATA", "");
        g.HotImagePercent = line.Int(s, "HOTIMAGEPERCENT", 0);
        g.BorderColor1 = line.Int(s, "BORDERCOLOR1", 0);
        g.BorderColor2 = line.Int(s, "BORDERCOLOR2", 0);
        if (g.GradientData != " ") g.GradientArray = ParseGradientData(g.GradientData);
        g.HotGradientArray = ParseGradientData(g.HotGradientData);
        sm.gd.push_back(std::move(g));
    }
}

} // namespace tv
