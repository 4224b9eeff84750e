#pragma once
// TsCommonData: the link of a skinned control (or a form's provider) to a
// section of the loaded skin and to its manager, with the control's cache
// bitmap and painting flags; and the routines that carry the skin message
// between controls.
#include <memory>
#include <string>

#include "core/persistent.h"
#include "framework/data/dbtypes.h"
#include "framework/ui/graphics.h"
#include "platform/window/messages.h"
#include "skin/skindata.h"

namespace tv {

class TBitmap;
class TControl;
class TCustomForm;
class TComponent;
class TWinControl;
class TsSkinManager;

class TsCommonData : public TPersistent {
    TV_CLASS(TsCommonData, TPersistent)
public:
    TsCommonData(TObject* owner, bool withCache);
    ~TsCommonData() override;
    static void Publish(TPublisher& p);

    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool v);
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool v);
    // The stored manager, else the default one.
    TsSkinManager* SkinManager() const { return GetSkinManager(); }
    void SetSkinManager(TsSkinManager* v);
    const std::string& SkinSection() const { return skinSection_; }
    void SetSkinSection(const std::string& v);
    // A null section ("nil") becomes "UNKNOWN".
    void SetSkinSection(const char* v) { SetSkinSection(std::string(v ? v : "UNKNOWN")); }

    TsSkinManager* GetSkinManager() const;
    TsSkinManager* StoredManager() const { return manager_; }

    bool Updating = false;
    int BorderIndex = -1, SkinIndex = -1, Texture = -1, HotTexture = -1;
    TControl* PaintOnlyChild = nullptr;
    bool ExternalPaint = false;
    bool BGChanged = true;
    bool PartlyPainted = true;
    bool ChildPainting = false;
    TControl* OwnerControl = nullptr;
    TObject* OwnerObject = nullptr;
    std::unique_ptr<TBitmap> CacheBmp;
    int COC = 0;
    bool Focused = false, MouseAbove = false;

    void UpdateDefaultSection();
    void UpdateSectionIndexes();
    // Called by owners after construction and after loading.
    void UpdateIndexes();
    bool Skinned(bool checkActive = false) const;
    bool IsUpdating() const;
    // The background depends on the parent's.
    bool IsTransparent() const;
    bool ParentIsTransparent() const;
    void Invalidate();
    void UpdateCacheBitmap();
    TCacheInfo GetCacheInfo() const;

    // The owner component's state holds the flag.
    bool Being(int flag) const;

private:
    void TakeSectionColours();
    void ResolveOrForget();

    std::string skinSection_;
    bool customFont_ = false, customColor_ = false;
    TsSkinManager* manager_ = nullptr;
};

// Section used for a control-kind code when no section is set; empty for
// codes without one (the owner's class name is taken then).
std::string DefaultSectionOf(int coc);
// Codes whose controls do not track the mouse hovering over them.
bool HoverNotTracked(int coc);

// Answers non-zero when the message was handled.
win::LRESULT CommonMessageFilter(win::Message& msg, TsCommonData* link);
win::LRESULT HandleAlphaCmd(win::Message& msg, TsCommonData* link);

// The answer to a cache request (sub-command 5).
extern TCacheInfo GlobalCacheInfo;

win::LRESULT SendAlphaCmd(win::HWND wnd, int sub, win::LPARAM lParam);
win::LRESULT PerformAlphaCmd(TControl* control, int sub, win::LPARAM lParam, int flag = 0);
bool ControlIsSkinned(TControl* control, int sub = 7);
// The background colour a child should take from `control`, as RGB.
TColor GetParentBgColor(TControl* control);
void RepaintChildControls(TWinControl* control);
// Hands the message to the form's skin provider; false when it has none.
bool SendToFormProvider(TCustomForm* form, win::Message& msg);
TCustomForm* GetParentFormOf(TComponent* component);
bool CanBeSkinned(TControl* control);
win::UINT GetTextAlignFlags(TControl* control, TAlignment alignment);
// Paints the graphic children of a container over its cache: the
// background under each from the cache, then the child itself. `offset` is
// where the container's top-left corner lies in the device context.
void PaintParentBackground(win::HDC dc, TWinControl* container, win::POINT offset);

} // namespace tv
