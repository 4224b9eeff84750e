#include "app/data/dmcxp.h"

namespace tv::app {

Tfdmcxp* fdmcxp = nullptr;

Tfdmcxp::Tfdmcxp(TComponent* owner) : TDataModule(owner) {
    fdmcxp = this;
}

Tfdmcxp::~Tfdmcxp() {
    DestroyComponents();
    if (fdmcxp == this) fdmcxp = nullptr;
}

} // namespace tv::app
