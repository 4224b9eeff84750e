#pragma once
// The edit buttons of an editor as persistent items: the main button, and the
// collection of further buttons that a form stores.
#include <memory>

#include "editors/editbuttoncontrol.h"
#include "core/collection.h"
#include "framework/ui/menus.h"

namespace tv {

class TBitmap;
class TWinControl;

class TEditButtonEh : public TCollectionItem {
    TV_CLASS(TEditButtonEh, TCollectionItem)
public:
    // An editor's own button (the main button).
    explicit TEditButtonEh(TWinControl* editor);
    // An item of a collection; it has no editor.
    explicit TEditButtonEh(TCollection* collection = nullptr);
    ~TEditButtonEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    // A new button control for this item's editor, placed on it.
    virtual TEditButtonControlEh* CreateEditButtonControl();

    TWinControl* Editor() const { return editor_; }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* v) { dropdownMenu_ = v; }
    // Created on first use.
    TBitmap* Glyph() const { return GetGlyph(); }
    TBitmap* GetGlyph() const;
    void SetGlyph(TBitmap* v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v) { shortCut_ = v; }
    TEditButtonStyleEh Style() const { return style_; }
    void SetStyle(TEditButtonStyleEh v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int Width() const { return width_; }
    void SetWidth(int v);

    TButtonClickEventEh OnClick;
    TButtonDownEventEh OnDown;
    // Set by the editor for its main button; called with the item on every change.
    std::function<void(TObject* item)> OnChanged;

protected:
    void EditButtonChanged();
    TShortCut shortCut_ = 0;
    bool visible_ = false;

private:
    TWinControl* editor_ = nullptr;
    TPopupMenu* dropdownMenu_ = nullptr;
    mutable std::unique_ptr<TBitmap> glyph_;
    std::string hint_;
    int numGlyphs_ = 1;
    TEditButtonStyleEh style_ = ebsDropDownEh;
    int width_ = 0;
};

// The further buttons of an editor: visible, and pressed with Alt+Down.
class TVisibleEditButtonEh : public TEditButtonEh {
    TV_CLASS(TVisibleEditButtonEh, TEditButtonEh)
public:
    explicit TVisibleEditButtonEh(TWinControl* editor);
    explicit TVisibleEditButtonEh(TCollection* collection = nullptr);
    static void Publish(TPublisher& p);
};

class TEditButtonsEh : public TCollection {
    TV_CLASS(TEditButtonsEh, TCollection)
public:
    explicit TEditButtonsEh(TPersistent* owner = nullptr, TClass itemClass = TVisibleEditButtonEh::StaticClass());
    TEditButtonEh* ButtonAt(int index) const { return static_cast<TEditButtonEh*>(Items(index)); }
    TEditButtonEh* Add() { return static_cast<TEditButtonEh*>(TCollection::Add()); }
    TPersistent* GetOwner() const override { return owner_; }

    // Called with the changed item (null: every item).
    std::function<void(TCollectionItem* item)> OnChanged;

protected:
    void Update(TCollectionItem* item) override;

private:
    TPersistent* owner_;
};

} // namespace tv
