#pragma once
// What a form with a skin provider may add to its title bar: an icon of its
// own and user buttons beside the window's buttons.
#include <memory>
#include <string>

#include "core/collection.h"
#include "framework/ui/controls.h"
#include "framework/ui/picture.h"

namespace tv {

class TsSkinProvider;

// One button of the title bar as the provider places and paints it.
struct TsCaptionButton {
    int State = 0;        // 0 normal, 1 hot, 2 pressed
    int ImageIndex = -1;  // in the skin's images; -1 none
    win::RECT Rect{};     // frame coordinates
};

class TsTitleIcon : public TPersistent {
    TV_CLASS(TsTitleIcon, TPersistent)
public:
    TsTitleIcon();
    ~TsTitleIcon() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }

private:
    std::unique_ptr<TBitmap> glyph_;
    int width_ = 0, height_ = 0;
};

class TsTitleButton : public TCollectionItem {
    TV_CLASS(TsTitleButton, TCollectionItem)
public:
    explicit TsTitleButton(TCollection* collection = nullptr);
    ~TsTitleButton() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    std::string DisplayName() const override { return name_; }
    void SetDisplayName(const std::string& v) override { SetName(v); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v.empty() ? std::string("TsTitleButton") : v; }
    bool UseSkinData() const { return useSkinData_; }
    void SetUseSkinData(bool v) { useSkinData_ = v; }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TsCaptionButton Data;

private:
    bool enabled_ = true;
    std::unique_ptr<TBitmap> glyph_;
    std::string name_ = "TsTitleButton";
    bool useSkinData_ = true;
};

class TsTitleButtons : public TOwnedCollection {
    TV_CLASS(TsTitleButtons, TOwnedCollection)
public:
    explicit TsTitleButtons(TsSkinProvider* owner = nullptr);
    TsTitleButton* Items(int i) const { return static_cast<TsTitleButton*>(TCollection::Items(i)); }
    TsTitleButton* Add() { return static_cast<TsTitleButton*>(TCollection::Add()); }
};

} // namespace tv
