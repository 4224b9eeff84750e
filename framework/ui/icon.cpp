#include "framework/ui/icon.h"

#include "core/exceptions.h"
#include "core/streams.h"
#include "platform/window/cursor.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

TIcon::TIcon() { transparent_ = true; }

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
    for (HICON h : handles_)
        if (h) DestroyCursor(h);
    handles_.clear();
    images_.clear();
    file_.clear();
    current_ = 0;
}

void TIcon::Assign(TPersistent* source) {
    if (auto* icon = dynamic_cast<TIcon*>(source)) {
        if (icon == this) return;
        Clear();
        images_ = icon->images_;
        file_ = icon->file_;
        current_ = icon->current_;
        handles_.assign(images_.size(), nullptr);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            std::string all = s.ReadToEnd();
            if (all.empty()) {
                Clear();
                Changed();
            } else {
                LoadFromBytes(all);
            }
        },
        [this](TStream& s) { s.WriteString(SaveToBytes()); }, !Empty());
}

int TIcon::Width() const { return images_.empty() ? 0 : images_[current_].width; }
int TIcon::Height() const { return images_.empty() ? 0 : images_[current_].height; }

HICON TIcon::ImageHandle(std::size_t index) {
    if (index >= images_.size()) return nullptr;
    if (!handles_[index]) handles_[index] = IconHandle(images_[index], "TIcon");
    return handles_[index];
}

HICON TIcon::Handle() { return ImageHandle(current_); }

void TIcon::SetHandle(HICON icon) {
    // The handle may be one of this icon's own: keep it out of the clearing.
    for (HICON& h : handles_)
        if (h == icon) h = nullptr;
    Clear();
    if (icon && !icon->pixels.empty()) {
        IconImage img;
        img.width = icon->width;
        img.height = icon->height;
        img.hotX = icon->hotX;
        img.hotY = icon->hotY;
        img.argb = icon->pixels;
        images_.push_back(std::move(img));
        handles_.push_back(icon);
    }
    Changed();
}

void TIcon::Draw(TCanvas* canvas, const RECT& r) {
    if (images_.empty() || !canvas) return;
    std::size_t index = r.Width() == Width() ? current_ : NearestIconImage(images_, r.Width());
    DrawIconEx(canvas->Handle(), r.left, r.top, ImageHandle(index), r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromBytes(const std::string& bytes) {
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    // Read completely before anything changes: a bad file leaves the icon as it was.
    std::vector<IconImage> images = ReadIcons(data, bytes.size());
    Clear();
    images_ = std::move(images);
    handles_.assign(images_.size(), nullptr);
    if (IsIconFile(data, bytes.size())) file_ = bytes;
    current_ = NearestIconImage(images_, GetSystemMetrics(SM_CXICON));
    Changed();
}

std::string TIcon::SaveToBytes() const {
    if (images_.empty()) return {};
    if (!file_.empty()) return file_;
    std::vector<BYTE> out = WriteIconFile(images_);
    return std::string(out.begin(), out.end());
}

} // namespace tv
