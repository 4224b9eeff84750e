#pragma once
// Reroutes the program's resource-string loader while enabled, and puts back
// the loader it replaced when disabled or destroyed.
#include "core/resourcestrings.h"

namespace tv {

class THook {
public:
    explicit THook(TResStringLoader replacement);
    ~THook();
    THook(const THook&) = delete;
    THook& operator=(const THook&) = delete;

    void Enable();
    void Disable();

private:
    TResStringLoader replacement_;
    TResStringLoader previous_;
    bool enabled_ = false;
};

} // namespace tv
