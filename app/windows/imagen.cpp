#include "app/windows/imagen.h"

#include "framework/core/exceptions.h"
#include "framework/ui/graphics.h"

namespace tv::app {

TImagen::TImagen(TComponent* owner) : TGraphicControl(owner), bitmap_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 105, 105);
}

TImagen::~TImagen() = default;

void TImagen::Publish(TPublisher& p) { p.Boolean("Stretch", &TImagen::Stretch, &TImagen::SetStretch).Default(false); }

void TImagen::CargueBytes(const std::string& bytes) {
    bitmap_ = std::make_unique<TBitmap>();
    if (!bytes.empty()) {
        try {
            bitmap_->LoadFromBytes(bytes);
        } catch (const Exception&) {
            // A damaged picture must not stop the price from showing.
            bitmap_ = std::make_unique<TBitmap>();
        }
    }
    Invalidate();
}

void TImagen::Limpie() { CargueBytes({}); }

bool TImagen::Vacia() const { return bitmap_->Empty(); }

void TImagen::Paint() {
    if (bitmap_->Empty()) return;
    win::RECT r{0, 0, Width(), Height()};
    if (stretch_) Canvas()->StretchDraw(r, bitmap_.get());
    else Canvas()->Draw(0, 0, bitmap_.get());
}

} // namespace tv::app
