#include "framework/ui/imagelist.h"

#include <algorithm>

#include "core/exceptions.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/raster.h"
#include "platform/picture/bitmap.h"

namespace tv {

using namespace tv::win;

TChangeLink::~TChangeLink() {
    if (sender_) sender_->UnRegisterChanges(this);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* l : links_) l->sender_ = nullptr;
    FreeHandle();
}

void TCustomImageList::Publish(TPublisher& p) {
    p.Integer("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).Idents(ColorIdents()).Default(clNone);
    p.Integer("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
    p.Integer("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
}

void TCustomImageList::FreeHandle() {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = nullptr;
}

void TCustomImageList::Changed() {
    FreeHandle();
    if (OnChange) OnChange(this);
    for (TChangeLink* l : std::vector<TChangeLink*>(links_))
        if (l->OnChange) l->OnChange(this);
}

// A new size empties the list, as the pictures no longer fit.
void TCustomImageList::SetWidth(int v) {
    if (v == width_) return;
    width_ = v;
    images_.clear();
    Changed();
}

void TCustomImageList::SetHeight(int v) {
    if (v == height_) return;
    height_ = v;
    images_.clear();
    Changed();
}

void TCustomImageList::SetBkColor(TColor v) {
    bkColor_ = v;
    Changed();
}

std::vector<TCustomImageList::Entry> TCustomImageList::Split(TBitmap* image, TBitmap* mask, TColor maskColor) const {
    if (!image || image->Empty()) throw EInvalidOperation("Invalid image");
    int n = std::max(1, image->Width() / width_);
    std::vector<Entry> out;
    auto cut = [&](TBitmap* src, int i) {
        auto b = std::make_shared<TBitmap>();
        b->SetPixelFormat(src->PixelFormat() == pf24bit ? pf24bit : pf32bit);
        b->SetSize(width_, height_);
        b->Canvas()->CopyRect({0, 0, width_, height_}, src->Canvas(), {i * width_, 0, (i + 1) * width_, height_});
        return b;
    };
    for (int i = 0; i < n; ++i) {
        Entry e;
        e.image = cut(image, i);
        if (mask && !mask->Empty()) e.mask = cut(mask, i);
        e.maskColor = maskColor;
        out.push_back(std::move(e));
    }
    return out;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    int first = Count();
    for (auto& e : Split(image, mask, clNone)) images_.push_back(e);
    Changed();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    int first = Count();
    for (auto& e : Split(image, nullptr, maskColor)) images_.push_back(e);
    Changed();
    return first;
}

void TCustomImageList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EInvalidOperation("Image index out of bounds (" + std::to_string(index) + ")");
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    CheckIndex(index);
    auto parts = Split(image, mask, clNone);
    images_[size_t(index)] = parts.front();
    Changed();
}

void TCustomImageList::Delete(int index) {
    CheckIndex(index);
    images_.erase(images_.begin() + index);
    Changed();
}

void TCustomImageList::Clear() {
    images_.clear();
    Changed();
}

HIMAGELIST TCustomImageList::Handle() {
    if (handle_) return handle_;
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, Count(), 4);
    ImageList_SetBkColor(handle_, bkColor_ == clNone ? CLR_NONE : ColorToRGB(bkColor_));
    for (auto& e : images_) {
        if (e.maskColor != clNone) ImageList_AddMasked(handle_, e.image->Handle(), ColorToRGB(e.maskColor));
        else ImageList_Add(handle_, e.image->Handle(), e.mask ? e.mask->Handle() : nullptr);
    }
    return handle_;
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
    if (index < 0 || index >= Count()) return;
    HIMAGELIST h = Handle();
    if (enabled) ImageList_Draw(h, index, canvas->Handle(), x, y, ILD_TRANSPARENT);
    else ImageList_DrawDisabled(h, index, canvas->Handle(), x, y);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (link->sender_ == this) return;
    if (link->sender_) link->sender_->UnRegisterChanges(link);
    link->sender_ = this;
    links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
    if (link->sender_ == this) link->sender_ = nullptr;
}

} // namespace tv
