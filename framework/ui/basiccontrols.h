#pragma once
// The basic controls: labels, push buttons, panels, the status bar and the timer.
#include <algorithm>
#include <string>

#include "core/collection.h"
#include "framework/ui/controls.h"
#include "framework/ui/forms.h"

namespace tv {

class TLabel : public TGraphicControl {
    TV_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; AdjustBounds(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; AdjustBounds(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v) { focusControl_ = v; }
    void Dispatch(Message& msg) override;
    void Loaded() override;

protected:
    void Paint() override;
    void AdjustBounds();

private:
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true, wordWrap_ = false, transparent_ = false;
    TWinControl* focusControl_ = nullptr;
};

class TButton : public TCustomControl {
    TV_CLASS(TButton, TCustomControl)
public:
    explicit TButton(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; Invalidate(); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    void Click() override;
    void Dispatch(Message& msg) override;

protected:
    void Paint() override;
    bool pressed_ = false;

private:
    bool default_ = false, cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumInfo TBevelCutInfo;

class TPanel : public TCustomControl {
    TV_CLASS(TPanel, TCustomControl)
public:
    explicit TPanel(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v) { bevelInner_ = v; Realign(); Invalidate(); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v) { bevelOuter_ = v; Realign(); Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    // Stored forms may hold any number: widths beyond a screen would overflow the layout.
    void SetBevelWidth(int v) { bevelWidth_ = std::clamp(v, 0, 32767); Realign(); Invalidate(); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = std::clamp(v, 0, 32767); Realign(); Invalidate(); }

protected:
    void Paint() override;
    void AdjustClientRect(win::RECT& rect) override;

private:
    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone, bevelOuter_ = bvRaised;
    int bevelWidth_ = 1, borderWidth_ = 0;
};

class TStatusBar;

class TStatusPanel : public TCollectionItem {
    TV_CLASS(TStatusPanel, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    static void Publish(TPublisher& p);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; Changed(false); }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; Changed(true); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; Changed(false); }
    TBevelCut Bevel() const { return bevel_; }
    void SetBevel(TBevelCut v) { bevel_ = v; Changed(false); }

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TBevelCut bevel_ = bvLowered;
};

class TStatusPanels : public TCollection {
    TV_CLASS(TStatusPanels, TCollection)
public:
    explicit TStatusPanels(TStatusBar* bar = nullptr) : TCollection(TStatusPanel::StaticClass()), bar_(bar) {}
    TStatusPanel* Items(int i) const { return static_cast<TStatusPanel*>(TCollection::Items(i)); }
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TPersistent* GetOwner() const override;

protected:
    void Update(TCollectionItem* item) override;

private:
    TStatusBar* bar_;
};

class TStatusBar : public TCustomControl {
    TV_CLASS(TStatusBar, TCustomControl)
public:
    explicit TStatusBar(TComponent* owner = nullptr);
    ~TStatusBar() override;
    static void Publish(TPublisher& p);
    TStatusPanels* Panels() const { return panels_.get(); }
    void SetPanels(TStatusPanels* v) { panels_->Assign(v); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v) { simplePanel_ = v; Invalidate(); }
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& v) { simpleText_ = v; Invalidate(); }
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v) { sizeGrip_ = v; Invalidate(); }
    // The rectangle of a panel in the bar's client area.
    win::RECT PanelRect(int index);

protected:
    void Paint() override;

private:
    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false, sizeGrip_ = true;
    std::string simpleText_;
};

// Runs OnTimer every Interval milliseconds while Enabled, on the window
// system's timers (a fake clock in tests).
class TTimer : public TComponent {
    TV_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner = nullptr);
    ~TTimer() override;
    static void Publish(TPublisher& p);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    int Interval() const { return interval_; }
    void SetInterval(int v);
    void Loaded() override;
    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    bool enabled_ = true;
    int interval_ = 1000;
    win::UINT_PTR id_ = 0;
    TAliveToken token_;
};

} // namespace tv
