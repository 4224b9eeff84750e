#pragma once
// A unique key over client rows (the packet's key fields or a unique index):
// finds a row with the same key values in constant time, so that posting many
// records stays fast.
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "framework/data/clientrow.h"
#include "framework/data/recordindex.h"

namespace tv {

class TKeyConstraint {
public:
    explicit TKeyConstraint(std::vector<TIndexKeyField> keys) : keys_(std::move(keys)) {}

    void Clear() { rows_.clear(); }
    void Add(TClientRow* row);
    void Remove(const TClientRow* row);
    // Whether another kept row (not `self`, not deleted) has these key values.
    // A key with a Null part never conflicts.
    bool Conflicts(const std::vector<Variant>& values, const TClientRow* self) const;

private:
    std::size_t Hash(const std::vector<Variant>& values) const;
    bool HasNull(const std::vector<Variant>& values) const;
    bool Same(const std::vector<Variant>& a, const std::vector<Variant>& b) const;

    std::vector<TIndexKeyField> keys_;
    std::unordered_multimap<std::size_t, TClientRow*> rows_;
};

} // namespace tv
