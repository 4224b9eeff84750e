#pragma once
// TCustomListView and TListView over the platform's list view window: the
// columns of its report view, its items with their sub-items, the view
// style, and the changes of the items' states. Columns and items are kept
// by the control, so they live on while its window is made again.
#include <memory>
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/stringlist.h"
#include "framework/data/dbtypes.h"
#include "framework/ui/controls.h"
#include "framework/ui/imagelist.h"

namespace tv {

class TCustomListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
extern const TEnumInfo TViewStyleInfo;
enum TItemChange { ctText, ctImage, ctState };

class TListColumn : public TCollectionItem {
    TV_CLASS(TListColumn, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    std::string DisplayName() const override { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    // Follows the user's dragging of the column's divider.
    int Width() const { return width_; }
    void SetWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);

private:
    friend class TCustomListView;
    TCustomListView* View() const;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    int imageIndex_ = -1;
};

class TListColumns : public TCollection {
    TV_CLASS(TListColumns, TCollection)
public:
    explicit TListColumns(TCustomListView* owner = nullptr) : TCollection(TListColumn::StaticClass()), owner_(owner) {}
    TListColumn* Items(int i) const { return static_cast<TListColumn*>(TCollection::Items(i)); }
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TPersistent* GetOwner() const override;
    TCustomListView* Owner() const { return owner_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomListView* owner_;
};

class TListItem : public TPersistent {
    TV_CLASS(TListItem, TPersistent)
public:
    explicit TListItem(TListItems* owner = nullptr);
    ~TListItem() override;

    TListItems* Owner() const { return owner_; }
    int Index() const;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    // The texts of the report's further columns.
    TStrings* SubItems() const { return subItems_.get(); }
    void SetSubItems(TStrings* v) { subItems_->Assign(v); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    void* Data() const { return data_; }
    void SetData(void* v) { data_ = v; }
    bool Selected() const;
    void SetSelected(bool v);
    bool Focused() const;
    void SetFocused(bool v);
    void MakeVisible(bool partialOk = false);
    // The item's place in the control's client area.
    win::RECT DisplayRect(int code = 0) const;
    void Delete();

private:
    friend class TListItems;
    friend class TCustomListView;
    TCustomListView* View() const;
    void SubItemsChanged();
    TListItems* owner_;
    std::string caption_;
    std::unique_ptr<TStringList> subItems_;
    int imageIndex_ = -1;
    void* data_ = nullptr;
    win::UINT state_ = 0; // kept while there is no window
};

class TListItems : public TPersistent {
    TV_CLASS(TListItems, TPersistent)
public:
    explicit TListItems(TCustomListView* owner = nullptr) : owner_(owner) {}
    ~TListItems() override;
    TPersistent* GetOwner() const override;

    int Count() const { return int(items_.size()); }
    // Raises EListError for an index out of range.
    TListItem* Item(int index) const;
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    TCustomListView* Owner() const { return owner_; }

private:
    friend class TListItem;
    friend class TCustomListView;
    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

using TLVChangeEvent = std::function<void(TObject* sender, TListItem* item, TItemChange change)>;
using TLVColumnClickEvent = std::function<void(TObject* sender, TListColumn* column)>;

class TCustomListView : public TWinControl {
    TV_CLASS(TCustomListView, TWinControl)
public:
    explicit TCustomListView(TComponent* owner = nullptr);
    ~TCustomListView() override;
    static void Publish(TPublisher& p);

    TListColumns* Columns() const { return columns_.get(); }
    void SetColumns(TListColumns* v) { columns_->Assign(v); }
    TListItems* Items() const { return items_.get(); }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool v);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* v);

    // The first selected item, or none; setting it selects that one alone.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int v);
    int SelCount() const;
    TListItem* TopItem() const;
    int VisibleRowCount() const;
    TListItem* GetItemAt(int x, int y) const;
    // Scrolls by pixels (whole rows in a report, columns in a list).
    void Scroll(int dx, int dy);

    void Dispatch(Message& msg) override;
    void Notification(TComponent* component, TOperation operation) override;

    TLVChangeEvent OnChange;
    TLVColumnClickEvent OnColumnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    virtual void Change(TListItem* item, TItemChange change);
    virtual void ColClick(TListColumn* column);

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItem;
    friend class TListItems;
    win::HWND Wnd() const { return handle_; }
    // What the items and columns tell the window.
    void ColumnsChanged();
    void ColumnChanged(int index);
    void ItemInserted(int index);
    void ItemDeleted(int index);
    void ItemTextChanged(int index);
    void SendColors();
    void SendImages();
    void Notify(Message& msg);
    void HeaderNotice(const Message& msg);
    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    TViewStyle viewStyle_ = vsIcon;
    bool multiSelect_ = false, columnClick_ = true, showColumnHeaders_ = true, hideSelection_ = true;
    TCustomImageList* smallImages_ = nullptr;
    TChangeLink imageLink_;
    bool filling_ = false; // the window is being given the items
};

class TListView : public TCustomListView {
    TV_CLASS(TListView, TCustomListView)
public:
    using TCustomListView::TCustomListView;
    static void Publish(TPublisher&) {}
};

} // namespace tv
