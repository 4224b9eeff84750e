#include "app/data/dmcja.h"

namespace tv::app {

Tfdmcja* fdmcja = nullptr;

Tfdmcja::Tfdmcja(TComponent* owner) : TDataModule(owner) {
    fdmcja = this;
}

Tfdmcja::~Tfdmcja() {
    DestroyComponents();
    if (fdmcja == this) fdmcja = nullptr;
}

} // namespace tv::app
