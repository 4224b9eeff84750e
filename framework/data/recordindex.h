#pragma once
// The order of an index over client rows: its key fields, each ascending or
// descending and with or without regard to case, then the default order, so
// that two rows never compare equal and a row's place can be found by binary
// search.
#include <string>
#include <vector>

#include "framework/data/clientrow.h"

namespace tv {

struct TIndexKeyField {
    int slot = -1;
    bool descending = false;
    bool caseInsensitive = false;
};

class TRecordIndex {
public:
    TRecordIndex() = default;
    explicit TRecordIndex(std::vector<TIndexKeyField> keys) : keys_(std::move(keys)) {}

    const std::vector<TIndexKeyField>& Keys() const { return keys_; }
    bool Empty() const { return keys_.empty(); }
    // Compares the key fields only (negative, 0, positive).
    int CompareKeys(const TClientRow& a, const TClientRow& b) const;
    // The full order: keys, then the default order.
    int Compare(const TClientRow& a, const TClientRow& b) const;
    bool operator()(const TClientRow* a, const TClientRow* b) const { return Compare(*a, *b) < 0; }

    // Sorts rows into this order.
    void Sort(std::vector<TClientRow*>& rows) const;
    // Position of `row` in sorted `rows`, -1 when it is not there; `insertAt`
    // receives where it belongs.
    int Find(const std::vector<TClientRow*>& rows, const TClientRow* row, int* insertAt = nullptr) const;

private:
    std::vector<TIndexKeyField> keys_;
};

} // namespace tv
