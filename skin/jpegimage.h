#pragma once
// A JPEG picture kept compressed, decoded once when it is first drawn: the
// large textures of a skin.
#include <memory>
#include <string>

#include "framework/ui/picture.h"

namespace tv {

class TacJPEGImage : public TGraphic {
    TV_CLASS(TacJPEGImage, TGraphic)
public:
    TacJPEGImage();
    ~TacJPEGImage() override;
    void Assign(TPersistent* source) override;
    // Stored as "Data": the JPEG file's bytes.
    void DefineProperties(TFiler& filer) override;

    bool Empty() const override { return bytes_.empty(); }
    int Width() const override;
    int Height() const override;
    void Draw(TCanvas* canvas, const win::RECT& r) override;
    // EInvalidGraphic when the bytes are no picture.
    void LoadFromBytes(const std::string& bytes) override;
    std::string SaveToBytes() const override { return bytes_; }
    // The decoded picture (24 bits), or null when empty.
    TBitmap* Bitmap() const;

private:
    std::string bytes_;
    mutable std::unique_ptr<TBitmap> decoded_;
};

} // namespace tv
