#include "i18n/hook.h"

namespace tv {

THook::THook(TResStringLoader replacement) : replacement_(std::move(replacement)) { Enable(); }

THook::~THook() { Disable(); }

void THook::Enable() {
    if (enabled_) return;
    previous_ = SetResStringLoader(replacement_);
    enabled_ = true;
}

void THook::Disable() {
    if (!enabled_) return;
    SetResStringLoader(previous_);
    previous_ = nullptr;
    enabled_ = false;
}

} // namespace tv
