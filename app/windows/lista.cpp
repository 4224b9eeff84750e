#include "app/windows/lista.h"

#include "platform/window/input.h"

namespace tv::app {

TListaSeleccion::TListaSeleccion(TComponent* owner) : TEdit(owner) { SetReadOnly(true); }

void TListaSeleccion::Publish(TPublisher&) {}

void TListaSeleccion::AsigneElementos(const std::vector<std::string>& elementos,
                                      const std::vector<std::string>& valores) {
    elementos_ = elementos;
    valores_ = valores.size() == elementos.size() ? valores : elementos;
    indice_ = -1;
    SetItemIndex(elementos_.empty() ? -1 : 0);
}

void TListaSeleccion::SetItemIndex(int i) {
    if (i < -1 || i >= int(elementos_.size())) return;
    indice_ = i;
    SetText(i < 0 ? std::string() : elementos_[size_t(i)]);
}

std::string TListaSeleccion::Valor() const { return indice_ < 0 ? std::string() : valores_[size_t(indice_)]; }

void TListaSeleccion::KeyDown(win::WORD& key, TShiftState shift) {
    if (!fija_ && !elementos_.empty() && (key == win::VK_UP || key == win::VK_DOWN)) {
        int n = int(elementos_.size());
        SetItemIndex(key == win::VK_DOWN ? std::min(indice_ + 1, n - 1) : std::max(indice_ - 1, 0));
        key = 0;
        return;
    }
    TEdit::KeyDown(key, shift);
}

} // namespace tv::app
