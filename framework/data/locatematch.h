#pragma once
// The key test of Locate and Lookup, shared by every dataset so that a
// generic scan and the client dataset's engine find the same records.
#include <vector>

#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TField;

// The key values of a Locate call, one per field, turned into each field's
// stored form (a value that does not convert raises the field's error).
std::vector<Variant> PrepareLocateKeys(const std::vector<TField*>& fields, const Variant& keyValues);

// Whether a record's values match: texts may match by their beginning
// (loPartialKey) and without regard to case (loCaseInsensitive); other values
// must be equal; Null matches Null only.
bool LocateKeyMatches(const std::vector<TField*>& fields, const std::vector<const Variant*>& recordKeys,
                      const std::vector<Variant>& keys, TLocateOptions options);

} // namespace tv
