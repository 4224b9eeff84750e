#include "framework/data/keyconstraint.h"

#include <bit>
#include <functional>
#include <string>

#include "core/strutils.h"
#include "framework/data/valuecompare.h"

namespace tv {

namespace {

std::size_t Mix(std::size_t h, std::size_t v) { return h ^ (v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2)); }

} // namespace

std::size_t TKeyConstraint::Hash(const std::vector<Variant>& values) const {
    std::size_t h = 0;
    for (const TIndexKeyField& k : keys_) {
        const Variant& v = values[static_cast<std::size_t>(k.slot)];
        std::size_t part = 0;
        switch (v.VarType()) {
        case varString:
            part = std::hash<std::string>()(k.caseInsensitive ? AnsiUpperCase(v.AsString()) : v.AsString());
            break;
        case varSmallint:
        case varInteger:
        case varByte:
        case varInt64:
            part = std::hash<std::int64_t>()(v.AsInt64());
            break;
        case varBoolean:
            part = v.AsBoolean() ? 1 : 0;
            break;
        case varCurrency:
            part = std::hash<std::int64_t>()(v.AsCurrency().Raw());
            break;
        case varDouble:
        case varDate:
            part = std::hash<double>()(v.AsDouble());
            break;
        default:
            break; // rare kinds share a bucket and are told apart by comparison
        }
        h = Mix(h, part);
    }
    return h;
}

bool TKeyConstraint::HasNull(const std::vector<Variant>& values) const {
    for (const TIndexKeyField& k : keys_) {
        const Variant& v = values[static_cast<std::size_t>(k.slot)];
        if (v.IsNull() || v.IsEmpty()) return true;
    }
    return false;
}

bool TKeyConstraint::Same(const std::vector<Variant>& a, const std::vector<Variant>& b) const {
    for (const TIndexKeyField& k : keys_) {
        const auto s = static_cast<std::size_t>(k.slot);
        if (CompareFieldValues(a[s], b[s], k.caseInsensitive) != 0) return false;
    }
    return true;
}

void TKeyConstraint::Add(TClientRow* row) {
    if (row->deleted || HasNull(row->values)) return;
    rows_.emplace(Hash(row->values), row);
}

void TKeyConstraint::Remove(const TClientRow* row) {
    // Rows are filed under their present values: remove before changing them.
    auto range = rows_.equal_range(Hash(row->values));
    for (auto it = range.first; it != range.second; ++it)
        if (it->second == row) {
            rows_.erase(it);
            return;
        }
}

bool TKeyConstraint::Conflicts(const std::vector<Variant>& values, const TClientRow* self) const {
    if (HasNull(values)) return false;
    auto range = rows_.equal_range(Hash(values));
    for (auto it = range.first; it != range.second; ++it) {
        const TClientRow* r = it->second;
        if (r != self && !r->deleted && Same(r->values, values)) return true;
    }
    return false;
}

} // namespace tv
