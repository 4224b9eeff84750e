#pragma once
// A picture on a window: a BMP, PNG or JPEG drawn stretched to the control or
// at its own size. It shows the article's picture in the price query (filled
// from the FOTO column) and the pictures of the login window and the about box.
#include <string>

#include "framework/ui/controls.h"
#include "framework/ui/picture.h"

namespace tv::app {

class TImagen : public TGraphicControl {
    TV_CLASS(TImagen, TGraphicControl)
public:
    explicit TImagen(TComponent* owner = nullptr);
    ~TImagen() override;
    static void Publish(TPublisher& p);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    // The picture's bytes; empty or unreadable bytes leave the control blank.
    void CargueBytes(const std::string& bytes);
    void Limpie();
    bool Vacia() const;
    TBitmap* Bitmap() const { return bitmap_.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> bitmap_;
    bool stretch_ = false;
};

} // namespace tv::app
