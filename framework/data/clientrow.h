#pragma once
// One row held by a client dataset, with what its change log needs.
#include <cstdint>
#include <vector>

#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

struct TClientRow {
    std::vector<Variant> values;   // one per field definition
    std::vector<Variant> original; // values as fetched, kept while the row is modified or deleted
    TUpdateStatus status = usUnmodified;
    bool deleted = false;
    std::uint32_t id = 0;  // the row's bookmark, stable for the dataset's life
    std::int64_t seq = 0;  // place in the default order
};

} // namespace tv
