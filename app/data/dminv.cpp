#include "app/data/dminv.h"

namespace tv::app {

TfdmInv* fdmInv = nullptr;

TfdmInv::TfdmInv(TComponent* owner) : TDataModule(owner) {
    fdmInv = this;
}

TfdmInv::~TfdmInv() {
    DestroyComponents();
    if (fdmInv == this) fdmInv = nullptr;
}

} // namespace tv::app
