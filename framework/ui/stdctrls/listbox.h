#pragma once
// TCustomListBox and TListBox over the platform's list box window:
// standard, owner-drawn (fixed or variable) and virtual lists.
#include <memory>

#include "framework/ui/stdctrls/combobox.h"

namespace tv {

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
extern const TEnumInfo TListBoxStyleInfo;

using TLBGetDataEvent = std::function<void(TWinControl* control, int index, std::string& data)>;

class TCustomListBox : public TWinControl {
    TV_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* owner = nullptr);
    ~TCustomListBox() override;
    static void Publish(TPublisher& p);

    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    int ItemIndex();
    void SetItemIndex(int v);
    int TopIndex();
    void SetTopIndex(int v);
    // The item under a client point; -1 (or, without `existing`, the count)
    // when there is none.
    int ItemAtPos(win::POINT pos, bool existing);
    win::RECT ItemRect(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle v);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool v);
    bool Selected(int index);
    void SetSelected(int index, bool v);
    int SelCount();
    // Items of a virtual list.
    int Count();
    void SetCount(int v);
    TCanvas* Canvas() const { return canvas_.get(); }
    void Clear() { items_->Clear(); }

    void Dispatch(Message& msg) override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;
    TLBGetDataEvent OnData;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    virtual void DrawItem(int index, win::RECT rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    std::unique_ptr<TWindowItems> items_;
    std::unique_ptr<TCanvas> canvas_;
    std::unique_ptr<TBrush> brush_;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 16;
    bool sorted_ = false, multiSelect_ = false, extendedSelect_ = true;
    int keptIndex_ = -1, keptTop_ = 0, virtualCount_ = 0;
};

class TListBox : public TCustomListBox {
    TV_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
    static void Publish(TPublisher&) {}
};

} // namespace tv
