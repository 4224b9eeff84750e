#pragma once
// The window adapters by kind of control: on top of the skinned scroll
// bars they paint the control's frame from the skin, keep its colours in
// step with its section and give them back when the skin goes.
#include "framework/ui/graphics.h"
#include "skin/scrollwnd.h"

namespace tv {

class TCustomForm;
class TWinControl;

class TacBaseWnd : public TacScrollWnd {
    TV_CLASS(TacBaseWnd, TacScrollWnd)
public:
    using TacScrollWnd::TacScrollWnd;
    void WndProc(win::Message& msg) override;

protected:
    TWinControl* Control() const;
};

// Edits, memos and list boxes.
class TacEditWnd : public TacBaseWnd {
    TV_CLASS(TacEditWnd, TacBaseWnd)
public:
    TacEditWnd(win::HWND wnd, bool repaint, TsSkinManager* sm = nullptr, TsCommonData* link = nullptr,
               bool subclass = true);
    void SaveControlColors() override;
    void RestoreControlColors() override;
    void ApplySkinColors() override;
    void WndProc(win::Message& msg) override;

protected:
    TColor savedColor_ = clWindow, savedFontColor_ = clWindowText;
    bool colorsApplied_ = false;
};

class TacGridWnd : public TacEditWnd {
    TV_CLASS(TacGridWnd, TacEditWnd)
public:
    TacGridWnd(win::HWND wnd, bool repaint, TsSkinManager* sm = nullptr, TsCommonData* link = nullptr,
               bool subclass = true);
    void SaveControlColors() override;
    void RestoreControlColors() override;
    void ApplySkinColors() override;
    void WndProc(win::Message& msg) override;

private:
    TColor fixedColor_ = clBtnFace, titleFontColor_ = clWindowText, fixedFontColor_ = clWindowText;
    TColor footerColor_ = clWindow, footerCellColor_ = clWindow, titleColor_ = clBtnFace, indicatorColor_ = clWindowText;
};

// Grids recognised by their published "OptionsEh".
class TacGridEhWnd : public TacGridWnd {
    TV_CLASS(TacGridEhWnd, TacGridWnd)
public:
    using TacGridWnd::TacGridWnd;
};

// The client window of a skinned MDI main form.
class TacMDIWnd : public TacBaseWnd {
    TV_CLASS(TacMDIWnd, TacBaseWnd)
public:
    using TacBaseWnd::TacBaseWnd;
    void WndProc(win::Message& msg) override;
    TCustomForm* Form = nullptr;
    TsCommonData* FormLink = nullptr;
};

} // namespace tv
