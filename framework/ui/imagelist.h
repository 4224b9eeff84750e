#pragma once
// Image lists: pictures of one size kept with their transparency and drawn by
// index (tool bars, menus, grid titles). Components that show them register a
// change link and hear when the list changes.
#include <functional>
#include <memory>
#include <vector>

#include "core/component.h"
#include "framework/ui/graphics.h"
#include "framework/ui/picture.h"
#include "platform/picture/imagelist.h"

namespace tv {

class TCustomImageList;

class TChangeLink : public TObject {
public:
    ~TChangeLink() override;
    TCustomImageList* Sender() const { return sender_; }
    std::function<void(TObject*)> OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* sender_ = nullptr;
};

class TCustomImageList : public TComponent {
    TV_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* owner = nullptr);
    ~TCustomImageList() override;
    static void Publish(TPublisher& p);

    int Width() const { return width_; }
    void SetWidth(int v);
    int Height() const { return height_; }
    void SetHeight(int v);
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor v);
    int Count() const { return int(images_.size()); }

    // Adds the pictures the bitmap holds side by side; white pixels of the
    // mask are transparent. Returns the index of the first.
    int Add(TBitmap* image, TBitmap* mask);
    // Pixels of the colour become transparent.
    int AddMasked(TBitmap* image, TColor maskColor);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Clear();
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    win::HIMAGELIST Handle();

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    std::function<void(TObject*)> OnChange;

private:
    struct Entry {
        std::shared_ptr<TBitmap> image, mask;
        TColor maskColor = clNone;
    };
    void CheckIndex(int index) const;
    void Changed();
    void FreeHandle();
    std::vector<Entry> Split(TBitmap* image, TBitmap* mask, TColor maskColor) const;
    int width_ = 16, height_ = 16;
    TColor bkColor_ = clNone;
    std::vector<Entry> images_;
    std::vector<TChangeLink*> links_;
    win::HIMAGELIST handle_ = nullptr;
};

class TImageList : public TCustomImageList {
    TV_CLASS(TImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
};

} // namespace tv
