#include "skin/skinmanager.h"

#include <algorithm>
#include <filesystem>

#include "core/inifiles.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/ui/picture.h"
#include "platform/window/window.h"
#include "skin/skinablemenus.h"
#include "skin/skinbroadcast.h"
#include "skin/skinreaders.h"
#include "skin/skinutils.h"

namespace tv {

namespace {

TsSkinManager* defaultManager = nullptr;
std::string programFolderForTests;

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string ProgramFolder() { return programFolderForTests.empty() ? GetProgramFolder() : programFolderForTests; }

std::string JoinSkinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '\\' || dir.back() == '/') return dir + name;
    return dir + "\\" + name;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(LocalSkinPath(path), ec);
}

// Reads the key colour back as unset: the painters read it as "no colour".
TColor RGBOf(TColor c) { return TColor(ColorToRGB(c)); }

} // namespace

bool SkinIsChanging = false;

namespace {
// Raised for the length of a load, lowered however it ends.
struct ChangingSkin {
    bool before = SkinIsChanging;
    ChangingSkin() { SkinIsChanging = true; }
    ~ChangingSkin() { SkinIsChanging = before; }
};
} // namespace

TsSkinManager* DefaultManager() { return defaultManager; }

void TsSkinManager::SetProgramFolderForTests(const std::string& folder) { programFolderForTests = folder; }

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      internalSkins_(std::make_unique<TsStoredSkins>(this)),
      commonSections_(std::make_unique<TStringList>()),
      animEffects_(std::make_unique<TacAnimEffects>()),
      menuSupport_(std::make_unique<TacMenuSupport>()),
      menus_(std::make_unique<TsSkinableMenus>(this)) {
    if (!defaultManager) {
        defaultManager = this;
        HookAppWindow();
    }
    active_ = true;
    skinDirectory_ = "c:\\Skins";
}

TsSkinManager::~TsSkinManager() {
    SetActive(false);
    FreeTables();
    if (appHook_) win::UnhookApplicationWindow(appHook_);
    if (defaultManager == this) defaultManager = nullptr;
}

void TsSkinManager::Publish(TPublisher& p) {
    using M = TsSkinManager;
    p.Object("AnimEffects", &M::AnimEffects, &M::SetAnimEffects);
    p.Boolean("IsDefault", &M::IsDefault, &M::SetIsDefault).Default(true);
    p.Boolean("Active", &M::Active, &M::SetActive).Default(true);
    p.Strings("CommonSections", &M::CommonSections, &M::SetCommonSections);
    p.Integer("Saturation", &M::Saturation, &M::SetSaturation).Default(0);
    p.Integer("HueOffset", &M::HueOffset, &M::SetHueOffset).Default(0);
    // Read before SkinName, so the name finds its internal skin while the form is read.
    p.Collection("InternalSkins", &M::InternalSkins, &M::SetInternalSkins);
    p.Object("MenuSupport", &M::MenuSupport, &M::SetMenuSupport);
    p.String("SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory);
    p.String("SkinName", &M::SkinName, &M::SetSkinName);
    p.String("SkinInfo", &M::SkinInfo, &M::SetSkinInfo);
    p.String("Version", &M::Version, &M::SetVersion).Stored(false);
    p.Boolean("SkinnedPopups", &M::SkinnedPopups, &M::SetSkinnedPopups).Default(true);
    p.Event("OnGetMenuExtraLineData", &M::OnGetMenuExtraLineData);
}

bool TsSkinManager::Loading() const { return ComponentState().Contains(csLoading); }

void TsSkinManager::Loaded() {
    TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = "c:\\Skins";
    if (menuSupport_->IcoLineSkin().empty()) menuSupport_->SetIcoLineSkin("ICOLINE");
    if (active_ && !skinName_.empty()) ApplySkinToAll();
}

// --- properties -------------------------------------------------------------------

void TsSkinManager::SetActive(bool v) {
    if (v == active_) return;
    if (v) {
        active_ = true;
        SetSkinName(skinName_);
    } else {
        active_ = false;
        if (!Loading()) RemoveSkinFromAll();
        UpdateConstData();
    }
}

void TsSkinManager::SetSkinDirectory(const std::string& v) {
    if (v == skinDirectory_) return;
    skinDirectory_ = v;
    SkinData.SkinPath = ResolveSkinDirectory();
}

void TsSkinManager::SetSkinName(const std::string& v) {
    skinName_ = v;
    if (!active_) return;
    if (OnBeforeChange) OnBeforeChange(this);
    {
        ChangingSkin changing;
        SkinData.Active = false;
        ReloadSkinData();
        // A load that found no skin at all leaves the manager switched off.
        if (active_) ApplySkinToAll();
    }
    if (OnAfterChange) OnAfterChange(this);
}

std::string TsSkinManager::SkinInfo() const {
    if (!SkinData.Active) return "N/A";
    TFormatSettings dot = FormatSettings;
    dot.DecimalSeparator = '.';
    return FloatToStr(SkinData.Version, dot);
}

void TsSkinManager::SetHueOffset(int v) {
    if (v == hueOffset_) return;
    hueOffset_ = v;
    if (SkinData.Active) ReloadSkinData();
    if (!Loading() && SkinData.Active) RepaintAll();
}

void TsSkinManager::SetSaturation(int v) {
    if (v == saturation_) return;
    saturation_ = v;
    if (SkinData.Active) ReloadSkinData();
    if (!Loading() && SkinData.Active) RepaintAll();
}

void TsSkinManager::SetCommonSections(TStrings* v) {
    commonSections_->Clear();
    if (v) {
        for (int i = 0; i < v->Count(); ++i) {
            std::string line = v->Strings(i);
            commonSections_->Add(!line.empty() && line[0] == ';' ? line : RemoveChar(line, ' '));
        }
    }
    SetSkinName(skinName_);
}

void TsSkinManager::HookAppWindow() {
    if (appHook_ || ComponentState().Contains(csDesigning)) return;
    appHook_ = win::HookApplicationWindow([this](win::Message& msg) { return AppWindowMessage(msg); });
}

// The skin draws every window itself: a change of the system's theme is
// not passed on.
bool TsSkinManager::AppWindowMessage(win::Message& msg) {
    switch (msg.Msg) {
    case win::WM_THEMECHANGED: msg.Result = 0; return true;
    case win::WM_ACTIVATEAPP:
        // Forms made since the last skin change have their menus hooked
        // once the program is in front.
        if (msg.WParam && SkinData.Active) menus_->HookAll(true);
        return false;
    case 0xBCB3:
        if (!MenuCacheBitmap()) return false;
        msg.Result = 0;
        return true;
    case 0xBCB4:
        menus_->PaintPopupFrame(reinterpret_cast<win::HWND>(msg.LParam), MenuCacheBitmap());
        msg.Result = 0;
        return true;
    default: return false;
    }
}

void TsSkinManager::SetSkinnedPopups(bool v) {
    if (v == skinnedPopups_) return;
    skinnedPopups_ = v;
    if (!ComponentState().Contains(csDesigning) && !Loading()) menus_->HookAll(menus_->Active());
}

bool TsSkinManager::IsDefault() const { return defaultManager == this; }

void TsSkinManager::SetIsDefault(bool v) {
    if (!v && defaultManager) return;
    defaultManager = this;
    HookAppWindow();
    if (active_) {
        ApplySkinToAll();
        RepaintAll();
    } else {
        RemoveSkinFromAll();
    }
}

// --- lookups --------------------------------------------------------------------

int TsSkinManager::GetSectionIndex(const std::string& name) const {
    for (std::size_t i = 0; i < gd.size(); ++i)
        if (gd[i].ClassName == name) return int(i);
    return -1;
}

namespace {

// Looks in the section, then up its ParentClass chain; a chain that comes
// back to a section already searched ends there.
template <class Table, class Match>
int SearchUp(const TsSkinManager& sm, const Table& table, int sectionIndex, std::string sectionName,
             const std::string& key, Match match) {
    for (std::size_t guard = 0; guard <= sm.gd.size(); ++guard) {
        if (sectionIndex < 0 || sectionName.empty()) return -1;
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].ClassName == sectionName && table[i].PropertyName == key && match(table[i])) return int(i);
        if (!sm.IsValidSkinIndex(sectionIndex)) return -1;
        const std::string& parent = sm.gd[std::size_t(sectionIndex)].ParentClass;
        if (parent.empty() || parent == sectionName) return -1;
        sectionIndex = sm.GetSectionIndex(parent);
        sectionName = parent;
    }
    return -1;
}

} // namespace

int TsSkinManager::GetMaskIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const {
    return SearchUp(*this, ma, sectionIndex, sectionName, key, [](const TsMaskData&) { return true; });
}

int TsSkinManager::GetTextureIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const {
    if (ma.empty()) return -1;
    return SearchUp(*this, ma, sectionIndex, sectionName, key,
                    [](const TsMaskData& m) { return m.ImgType == itisaTexture; });
}

int TsSkinManager::GetPatternIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const {
    return SearchUp(*this, pa, sectionIndex, sectionName, key, [](const TsPatternData&) { return true; });
}

int TsSkinManager::GetMaskIndexByName(const std::string& sectionName, const std::string& key) const {
    for (std::size_t i = 0; i < ma.size(); ++i)
        if (ma[i].ClassName == sectionName && ma[i].PropertyName == key) return int(i);
    return -1;
}

TColor TsSkinManager::GetGlobalColor() const {
    int i = ConstData.IndexGlobalInfo;
    return IsValidSkinIndex(i) ? RGBOf(gd[std::size_t(i)].Color) : RGBOf(clBtnFace);
}

TColor TsSkinManager::GetGlobalFontColor() const {
    int i = ConstData.IndexGlobalInfo;
    return IsValidSkinIndex(i) ? RGBOf(gd[std::size_t(i)].FontColor[0]) : clSkinKey;
}

TColor TsSkinManager::GetGlobalHotColor() const {
    int i = ConstData.IndexGlobalInfo;
    return IsValidSkinIndex(i) ? RGBOf(gd[std::size_t(i)].HotColor) : RGBOf(clWindow);
}

// --- loading ---------------------------------------------------------------------

std::string TsSkinManager::ResolveSkinDirectory() const {
    std::string dir = skinDirectory_;
    std::string program = ProgramFolder();
    if (StartsWith(dir, "..")) {
        std::string parent = program.substr(0, program.empty() ? 0 : program.size() - 1);
        while (!parent.empty() && parent.back() != '/' && parent.back() != '\\') parent.pop_back();
        dir = parent + (dir.size() > 3 ? dir.substr(3) : "");
    } else if (StartsWith(dir, ".\\") || StartsWith(dir, "./")) {
        dir = program + dir.substr(2);
    } else if (!dir.empty() && !IsAbsoluteSkinPath(dir)) {
        dir = program + dir;
    }
    return NormalizeDirectory(dir);
}

std::string TsSkinManager::ListSkinNames(TStrings& list) const {
    list.Clear();
    std::vector<std::string> names;
    for (int i = 0; i < internalSkins_->Count(); ++i) names.push_back(internalSkins_->Items(i)->Name());
    std::string firstFolder;
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string dir = LocalSkinPath(ResolveSkinDirectory());
    if (!dir.empty() && fs::is_directory(dir, ec)) {
        std::vector<std::string> folders;
        for (const auto& e : fs::directory_iterator(dir, ec)) {
            std::string name = e.path().filename().string();
            if (name.empty() || name[0] == '.' || !e.is_directory(ec)) continue;
            if (fs::is_regular_file(e.path() / "Options.dat", ec)) folders.push_back(name);
        }
        std::sort(folders.begin(), folders.end());
        if (!folders.empty()) firstFolder = folders.front();
        names.insert(names.end(), folders.begin(), folders.end());
    }
    std::sort(names.begin(), names.end());
    for (const auto& n : names) list.Add(n);
    return internalSkins_->Count() > 0 ? internalSkins_->Items(0)->Name() : firstFolder;
}

void TsSkinManager::FreeTables() {
    gd.clear();
    ma.clear();
    pa.clear();
    MasterBitmap.reset();
}

void TsSkinManager::ReloadSkinData() {
    if (!active_) return;
    ChangingSkin changing;
    std::string dir = ResolveSkinDirectory();
    std::string folder = JoinSkinPath(dir, skinName_);
    std::string options = JoinSkinPath(folder, "Options.dat");
    std::unique_ptr<TMemIniFile> ini;
    if (!skinName_.empty() && IsFile(options)) {
        ini = std::make_unique<TMemIniFile>(LocalSkinPath(options));
        SkinData.SkinPath = folder + "\\";
    } else {
        SkinData.SkinPath.clear();
        if (internalSkins_->IndexOf(skinName_) < 0) {
            if (internalSkins_->Count() == 0) {
                // Nothing to load: the old skin's tables go too, and every
                // link is told, so none keeps indexes into them.
                active_ = false;
                RemoveSkinFromAll();
                UpdateConstData();
                return;
            }
            skinName_ = internalSkins_->Items(0)->Name();
        }
    }
    ma.clear();
    pa.clear();
    if (ini) {
        ReadFolderImages(*this, *ini);
        ReadCommonImages(*this);
        ReadFolderTextures(*this, *ini);
        ReadCommonTextures(*this);
        ReadFolderSections(*this, *ini);
    } else {
        ReadInternalImages(*this);
        ReadCommonImages(*this);
        ReadInternalTextures(*this);
        ReadCommonTextures(*this);
        ReadInternalSections(*this);
    }
    ReadCommonSections(*this);
    TintSkin(*this);
}

void TsSkinManager::ApplySkinToAll() {
    SkinData.Active = false;
    menus_->SetSkinBorderWidth(-1);
    UpdateConstData();
    ApplySkinToForms(*this);
    SkinData.Active = true;
    menus_->Refresh();
    RepaintAll();
}

void TsSkinManager::RepaintAll() { RepaintSkinnedForms(*this); }

void TsSkinManager::RemoveSkinFromAll() {
    SkinData.Active = false;
    menus_->Refresh();
    RemoveSkinFromForms(*this);
    FreeTables();
}

void TsSkinManager::UpdateConstData() {
    TsConstData c;
    auto mask = [&](int section, const char* name, const char* key) {
        return section < 0 ? -1 : GetMaskIndex(section, name, key);
    };
    auto texture = [&](int section, const char* name, const char* key) {
        return section < 0 ? -1 : GetTextureIndex(section, name, key);
    };
    if (SkinData.Active || !gd.empty()) {
        c.IndexGlobalInfo = GetSectionIndex("GLOBALINFO");
        int g = c.IndexGlobalInfo;
        c.CheckBoxChecked = mask(g, "GLOBALINFO", "BOXCHECKED");
        c.CheckBoxUnChecked = mask(g, "GLOBALINFO", "BOXUNCHECKED");
        c.CheckBoxGrayed = mask(g, "GLOBALINFO", "BOXGRAYED");
        c.RadioButtonChecked = mask(g, "GLOBALINFO", "RADIOCHECKED");
        c.RadioButtonUnChecked = mask(g, "GLOBALINFO", "RADIOUNCHECKED");
        c.RadioButtonGrayed = mask(g, "GLOBALINFO", "RADIOGRAYED");
        c.SmallboxChecked = mask(g, "GLOBALINFO", "SMALLCHECKED");
        c.SmallboxUnChecked = mask(g, "GLOBALINFO", "SMALLUNCHECKED");
        c.SmallboxGrayed = mask(g, "GLOBALINFO", "SMALLGRAYED");
        c.ComboBtnIndex = GetSectionIndex("COMBOBTN");
        c.ComboBtnBorder = GetMaskIndexByName("COMBOBTN", "BORDERSMASK");
        c.ComboBtnPattern = texture(c.ComboBtnIndex, "COMBOBTN", "PATTERN");
        c.ComboBtnHotPattern = texture(c.ComboBtnIndex, "COMBOBTN", "HOTPATTERN");
        c.ComboGlyph = GetMaskIndexByName("COMBOBOX", "GLYPHMASK");
        const char* tabs[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
        for (int i = 0; i < 4; ++i) {
            c.IndexTabs[i] = GetSectionIndex(tabs[i]);
            c.MaskTabs[i] = mask(c.IndexTabs[i], tabs[i], "BORDERSMASK");
        }
        auto part = [&](const char* name, bool glyph) {
            TsConstData::Part p;
            p.Index = GetSectionIndex(name);
            p.Border = mask(p.Index, name, "BORDERSMASK");
            if (glyph) p.Glyph = mask(p.Index, name, "GLYPHMASK");
            p.Pattern = texture(p.Index, name, "PATTERN");
            p.HotPattern = texture(p.Index, name, "HOTPATTERN");
            return p;
        };
        const char* btns[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
        for (int i = 0; i < 4; ++i) c.ScrollBtns[i] = part(btns[i], true);
        c.ScrollSliders[0] = part("SCROLLSLIDERV", true);
        c.ScrollSliders[1] = part("SCROLLSLIDERH", true);
        const char* bars[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
        for (int i = 0; i < 4; ++i) c.ScrollBars[i] = part(bars[i], false);
    }
    ConstData = c;
}

} // namespace tv
