#include "framework/data/locatematch.h"

#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/valuecompare.h"

namespace tv {

std::vector<Variant> PrepareLocateKeys(const std::vector<TField*>& fields, const Variant& keyValues) {
    std::vector<Variant> keys;
    if (fields.size() == 1 && !keyValues.IsArray()) {
        keys.push_back(keyValues);
    } else {
        if (!keyValues.IsArray()) DatabaseError(dbconsts::SFieldCountMismatch);
        const int lo = VarArrayLowBound(keyValues, 1), hi = VarArrayHighBound(keyValues, 1);
        if (hi - lo + 1 != static_cast<int>(fields.size())) DatabaseError(dbconsts::SFieldCountMismatch);
        for (int i = lo; i <= hi; ++i) keys.push_back(keyValues[i]);
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // Partial texts stay texts; everything else takes the field's form.
        if (IsStringType(fields[i]->DataType())) {
            if (!(keys[i].IsNull() || keys[i].IsEmpty())) keys[i] = Variant(VarToStr(keys[i]));
        } else {
            keys[i] = fields[i]->Normalize(keys[i]);
        }
    }
    return keys;
}

bool LocateKeyMatches(const std::vector<TField*>& fields, const std::vector<const Variant*>& recordKeys,
                      const std::vector<Variant>& keys, TLocateOptions options) {
    const bool ci = options.Contains(loCaseInsensitive), partial = options.Contains(loPartialKey);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Variant& have = *recordKeys[i];
        const Variant& want = keys[i];
        const bool haveNull = have.IsNull() || have.IsEmpty(), wantNull = want.IsNull() || want.IsEmpty();
        if (haveNull || wantNull) {
            if (haveNull != wantNull) return false;
            continue;
        }
        if (IsStringType(fields[i]->DataType())) {
            const std::string h = VarToStr(have), w = VarToStr(want);
            if (partial) {
                if (!StartsWithText(h, w, ci)) return false;
            } else if (CompareFieldValues(Variant(h), Variant(w), ci) != 0) {
                return false;
            }
        } else if (CompareFieldValues(have, want) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace tv
