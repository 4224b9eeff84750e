#pragma once
// Properties that component translation leaves alone on every object of a
// class and its descendants.
#include <set>
#include <string>

#include "core/object.h"

namespace tv {

struct TClassMode {
    TClass ModeClass = nullptr;
    // Upper-case property names.
    std::set<std::string> IgnoredProperties;
};

} // namespace tv
