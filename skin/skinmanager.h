#pragma once
// TsSkinManager: owns the loaded skin (its sections, images, textures,
// master bitmap and global values), loads it from a skin folder or from
// one of its internal skins, tints it, and answers the lookups by which
// every painter finds a section or an image.
#include <functional>
#include <memory>
#include <string>

#include "core/component.h"
#include "core/stringlist.h"
#include "platform/window/messages.h"
#include "skin/animeffects.h"
#include "skin/menusupport.h"
#include "skin/skindata.h"
#include "skin/storedskins.h"

namespace tv {

// Indexes of the standard sections and images, resolved once per skin
// change so that painting needs no name lookups (-1: none).
struct TsConstData {
    int IndexGlobalInfo = -1;
    int CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
    int RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
    int SmallboxChecked = -1, SmallboxUnChecked = -1, SmallboxGrayed = -1;
    int ComboBtnIndex = -1, ComboBtnBorder = -1, ComboBtnPattern = -1, ComboBtnHotPattern = -1;
    int ComboGlyph = -1;
    // Top, bottom, left, right.
    int IndexTabs[4] = {-1, -1, -1, -1};
    int MaskTabs[4] = {-1, -1, -1, -1};
    // Scroll buttons (top, bottom, left, right), then the sliders (vertical, horizontal).
    struct Part {
        int Index = -1, Border = -1, Glyph = -1, Pattern = -1, HotPattern = -1;
    };
    Part ScrollBtns[4];
    Part ScrollSliders[2];
    // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V.
    Part ScrollBars[4];
};

class TMenuItem;
class TsSkinableMenus;

// Asked for the extra line of each pop-up menu: its section, caption, glyph and visibility.
using TacGetExtraLineData = std::function<void(TMenuItem* firstItem, std::string& skinSection, std::string& caption,
                                               TBitmap*& glyph, bool& lineVisible)>;

class TsSkinManager : public TComponent {
    TV_CLASS(TsSkinManager, TComponent)
public:
    explicit TsSkinManager(TComponent* owner = nullptr);
    ~TsSkinManager() override;
    static void Publish(TPublisher& p);
    void Loaded() override;

    // --- properties ---
    TacAnimEffects* AnimEffects() const { return animEffects_.get(); }
    void SetAnimEffects(TacAnimEffects* v) { animEffects_->Assign(v); }
    TacMenuSupport* MenuSupport() const { return menuSupport_.get(); }
    void SetMenuSupport(TacMenuSupport* v) { menuSupport_->Assign(v); }
    bool Active() const { return active_; }
    void SetActive(bool v);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& v);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& v);
    // The loaded skin's version, or "N/A" while no skin is active.
    std::string SkinInfo() const;
    void SetSkinInfo(const std::string&) {}
    std::string Version() const { return "5.00 beta"; }
    void SetVersion(const std::string&) {}
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int v);
    int Saturation() const { return saturation_; }
    void SetSaturation(int v);
    TsStoredSkins* InternalSkins() const { return internalSkins_.get(); }
    void SetInternalSkins(TsStoredSkins* v) { internalSkins_->Assign(v); }
    // Further ini text added to every skin after its own data.
    TStrings* CommonSections() const { return commonSections_.get(); }
    void SetCommonSections(TStrings* v);
    bool IsDefault() const;
    void SetIsDefault(bool v);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool v);
    // The menu skinning the manager owns.
    TsSkinableMenus* SkinableMenus() const { return menus_.get(); }
    TacGetExtraLineData OnGetMenuExtraLineData;

    std::function<void(TObject*)> OnBeforeChange;
    std::function<void(TObject*)> OnAfterChange;

    // --- the loaded skin ---
    TsGeneralDataArray gd;
    TsMaskArray ma;
    TsPatternArray pa;
    std::unique_ptr<TBitmap> MasterBitmap;
    TsSkinData SkinData;
    TsConstData ConstData;

    // --- lookups (names compared exactly; -1 when absent) ---
    int GetSectionIndex(const std::string& name) const;
    // Searches the section, then its ParentClass chain.
    int GetMaskIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const;
    // As GetMaskIndex, textures only.
    int GetTextureIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const;
    // As GetMaskIndex, over the JPEG textures.
    int GetPatternIndex(int sectionIndex, const std::string& sectionName, const std::string& key) const;
    // No inheritance.
    int GetMaskIndexByName(const std::string& sectionName, const std::string& key) const;
    bool IsValidSkinIndex(int i) const { return i >= 0 && i < int(gd.size()); }
    bool IsValidImgIndex(int i) const { return i >= 0 && i < int(ma.size()); }

    // Colours of "GLOBALINFO" as RGB: its Color (else the button face), its
    // first font colour (else the key colour) and its hot colour (else the window colour).
    TColor GetGlobalColor() const;
    TColor GetGlobalFontColor() const;
    TColor GetGlobalHotColor() const;

    // --- loading ---
    // The skin folder as a directory with a final "\" (relative names are
    // taken from the program's folder).
    std::string ResolveSkinDirectory() const;
    // Internal skins, then sub-folders holding "Options.dat", sorted into the
    // list; answers the first internal skin's name, else the first folder's.
    std::string ListSkinNames(TStrings& list) const;
    void ReloadSkinData();
    void ApplySkinToAll();
    void RemoveSkinFromAll();
    void RepaintAll();
    // Rebuilds ConstData from the loaded tables.
    void UpdateConstData();
    // The program's folder used to resolve relative skin folders (for tests).
    static void SetProgramFolderForTests(const std::string& folder);

private:
    void FreeTables();
    bool Loading() const;
    // The default manager watches the application window.
    void HookAppWindow();
    bool AppWindowMessage(win::Message& msg);

    bool active_ = false;
    std::string skinDirectory_;
    std::string skinName_;
    int hueOffset_ = 0;
    int saturation_ = 0;
    bool skinnedPopups_ = true;
    int appHook_ = 0; // the hook of the application window, 0 when none
    std::unique_ptr<TsStoredSkins> internalSkins_;
    std::unique_ptr<TStringList> commonSections_;
    std::unique_ptr<TacAnimEffects> animEffects_;
    std::unique_ptr<TacMenuSupport> menuSupport_;
    std::unique_ptr<TsSkinableMenus> menus_;
};

// The first manager created; links without a manager of their own use it.
TsSkinManager* DefaultManager();
// Raised while a skin is being loaded.
extern bool SkinIsChanging;

} // namespace tv
