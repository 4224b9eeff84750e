#include "skin/jpegimage.h"

#include "core/persistent.h"
#include "core/streams.h"
#include "platform/picture/picturefile.h"

namespace tv {

TacJPEGImage::TacJPEGImage() = default;
TacJPEGImage::~TacJPEGImage() = default;

void TacJPEGImage::Assign(TPersistent* source) {
    if (auto* j = dynamic_cast<TacJPEGImage*>(source)) {
        bytes_ = j->bytes_;
        decoded_.reset();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TacJPEGImage::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            std::string all = s.ReadToEnd();
            if (all.empty()) {
                bytes_.clear();
                decoded_.reset();
            } else {
                LoadFromBytes(all);
            }
        },
        [this](TStream& s) { s.WriteString(bytes_); }, !Empty());
}

void TacJPEGImage::LoadFromBytes(const std::string& bytes) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetHandle(win::ReadPicture(reinterpret_cast<const win::BYTE*>(bytes.data()), bytes.size()));
    bmp->SetPixelFormat(pf24bit);
    bytes_ = bytes;
    decoded_ = std::move(bmp);
    Changed();
}

TBitmap* TacJPEGImage::Bitmap() const {
    if (bytes_.empty()) return nullptr;
    if (!decoded_) {
        decoded_ = std::make_unique<TBitmap>();
        decoded_->SetHandle(win::ReadPicture(reinterpret_cast<const win::BYTE*>(bytes_.data()), bytes_.size()));
        decoded_->SetPixelFormat(pf24bit);
    }
    return decoded_.get();
}

int TacJPEGImage::Width() const { return Bitmap() ? Bitmap()->Width() : 0; }
int TacJPEGImage::Height() const { return Bitmap() ? Bitmap()->Height() : 0; }

void TacJPEGImage::Draw(TCanvas* canvas, const win::RECT& r) {
    if (TBitmap* b = Bitmap()) b->Draw(canvas, r);
}

} // namespace tv
