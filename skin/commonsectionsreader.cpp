// The manager's extra sections: ini text added to every skin after its own data.
#include <filesystem>

#include "core/inifiles.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "framework/ui/picture.h"
#include "platform/picture/picturefile.h"
#include "skin/jpegimage.h"
#include "skin/skinmanager.h"
#include "skin/skinreaders.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {

bool FileThere(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::unique_ptr<TMemIniFile> CommonIni(const TsSkinManager& sm) {
    if (sm.CommonSections()->Count() == 0) return nullptr;
    auto ini = std::make_unique<TMemIniFile>("");
    ini->SetStrings(*sm.CommonSections());
    return ini;
}

template <class Each>
void ForEachValue(TMemIniFile& ini, bool skipGlobal, Each each) {
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        std::string section = sections.Strings(i);
        if (skipGlobal && section == "GLOBALINFO") continue;
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) each(section, keys.Strings(k), ini.ReadString(section, keys.Strings(k), "-"));
    }
}

} // namespace

void ReadCommonImages(TsSkinManager& sm) {
    auto ini = CommonIni(sm);
    if (!ini) return;
    ForEachValue(*ini, true, [&](const std::string& section, const std::string& key, const std::string& value) {
        if (value.find('#') != std::string::npos && value != "#") {
            if (!sm.MasterBitmap) return;
            TsMaskData md = ParseMasterRectValue(section, key, value);
            md.Manager = &sm;
            sm.ma.push_back(std::move(md));
            return;
        }
        std::string upper = UpperCase(value);
        if (upper.find(".BMP") == std::string::npos) return;
        std::string path = SkinFileName(sm, upper);
        if (!FileThere(path)) return;
        TsMaskData md;
        md.Bmp = std::make_shared<TBitmap>();
        md.Bmp->SetHandle(LoadPictureFile(path));
        md.Bmp->SetPixelFormat(pf24bit);
        if (md.Bmp->Width() == 0) return;
        md.ClassName = UpperCase(section);
        md.PropertyName = UpperCase(key);
        md.R = RECT{0, 0, md.Bmp->Width(), md.Bmp->Height()};
        md.Manager = &sm;
        sm.ma.push_back(std::move(md));
    });
}

void ReadCommonTextures(TsSkinManager& sm) {
    auto ini = CommonIni(sm);
    if (!ini) return;
    ForEachValue(*ini, false, [&](const std::string& section, const std::string& key, const std::string& value) {
        std::string upper = UpperCase(value);
        if (upper.find(".JPG") == std::string::npos && upper.find(".JPEG") == std::string::npos) return;
        std::string path = SkinFileName(sm, upper);
        if (!FileThere(path)) return;
        auto jpeg = std::make_shared<TacJPEGImage>();
        auto bytes = ReadWholeFile(path);
        jpeg->LoadFromBytes(std::string(bytes.begin(), bytes.end()));
        sm.pa.push_back(TsPatternData{jpeg, UpperCase(section), UpperCase(key)});
    });
}

void ReadCommonSections(TsSkinManager& sm) {
    auto ini = CommonIni(sm);
    if (!ini) return;
    TStringList sections;
    ini->ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string s = sections.Strings(i);
        // What the section leaves out comes from its parent among the sections read so far.
        std::string parent = ini->ReadString(s, "PARENTCLASS", "");
        TsGeneralData g;
        int pi = parent.empty() || parent == s ? -1 : sm.GetSectionIndex(parent);
        if (pi >= 0) g = sm.gd[std::size_t(pi)];
        g.ClassName = s;
        g.ParentClass = parent;
        auto num = [&](const char* key, int& field) {
            int v = ini->ReadInteger(s, key, -1);
            if (v != -1) field = v;
        };
        auto text = [&](const char* key, std::string& field) {
            std::string v = ini->ReadString(s, key, "?");
            if (v != "?") field = v;
        };
        auto flag = [&](const char* key, bool& field) {
            std::string v = ini->ReadString(s, key, "?");
            if (v != "?") field = UpperCase(v) == "TRUE";
        };
        auto bevel = [&](const char* key, TsControlBevel& field) {
            int v = ini->ReadInteger(s, key, -1);
            if (v >= 0 && v <= 4) field = TsControlBevel(v);
        };
        int color = -1;
        num("COLOR", color);
        if (color != -1) g.Color = TColor(ColorToRGB(color));
        bevel("BEVEL", g.Bevel);
        const char* fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
        const char* hotKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
        for (int k = 0; k < 5; ++k) {
            num(fontKeys[k], g.FontColor[k]);
            num(hotKeys[k], g.HotFontColor[k]);
        }
        flag("RESERVEDBOOLEAN", g.ReservedBoolean);
        num("SHADOWBLUR", g.ShadowBlur);
        g.ShadowColor = ini->ReadInteger(s, "SHADOWCOLOR", 0);
        flag("SHADOWENABLED", g.ShadowEnabled);
        num("SHADOWOFFSET", g.ShadowOffset);
        num("SHADOWTRANSPARENCY", g.ShadowTransparency);
        num("TRANSPARENCY", g.Transparency);
        num("GRADIENTPERCENT", g.GradientPercent);
        text("GRADIENTDATA", g.GradientData);
        num("IMAGEPERCENT", g.ImagePercent);
        flag("SHOWFOCUS", g.ShowFocus);
        flag("FADINGENABLED", g.FadingEnabled);
        num("FADINGINTERVALIN", g.FadingIntervalIn);
        num("FADINGINTERVALOUT", g.FadingIntervalOut);
        num("FADINGITERATIONS", g.FadingIterations);
        num("HOTCOLOR", g.HotColor);
        num("HOTTRANSPARENCY", g.HotTransparency);
        bevel("HOTBEVEL", g.HotBevel);
        num("HOTGRADIENTPERCENT", g.HotGradientPercent);
        text("HOTGRADIENTDATA", g.HotGradientData);
        num("HOTIMAGEPERCENT", g.HotImagePercent);
        num("BORDERCOLOR1", g.BorderColor1);
        num("BORDERCOLOR2", g.BorderColor2);
        g.GradientArray = g.GradientData != " " ? ParseGradientData(g.GradientData) : TsGradArray{};
        g.HotGradientArray = ParseGradientData(g.HotGradientData);
        sm.gd.push_back(std::move(g));
    }
}

} // namespace tv
