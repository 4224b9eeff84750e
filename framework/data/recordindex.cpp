#include "framework/data/recordindex.h"

#include <algorithm>

#include "framework/data/valuecompare.h"

namespace tv {

int TRecordIndex::CompareKeys(const TClientRow& a, const TClientRow& b) const {
    for (const TIndexKeyField& k : keys_) {
        const auto s = static_cast<std::size_t>(k.slot);
        int c = CompareFieldValues(a.values[s], b.values[s], k.caseInsensitive);
        if (c != 0) return k.descending ? -c : c;
    }
    return 0;
}

int TRecordIndex::Compare(const TClientRow& a, const TClientRow& b) const {
    const int c = CompareKeys(a, b);
    if (c != 0) return c;
    return a.seq < b.seq ? -1 : (a.seq > b.seq ? 1 : 0);
}

void TRecordIndex::Sort(std::vector<TClientRow*>& rows) const {
    if (keys_.empty()) {
        std::sort(rows.begin(), rows.end(), [](const TClientRow* a, const TClientRow* b) { return a->seq < b->seq; });
        return;
    }
    std::sort(rows.begin(), rows.end(), *this);
}

int TRecordIndex::Find(const std::vector<TClientRow*>& rows, const TClientRow* row, int* insertAt) const {
    const auto it = std::lower_bound(rows.begin(), rows.end(), row, *this);
    const int pos = static_cast<int>(it - rows.begin());
    if (insertAt) *insertAt = pos;
    return (it != rows.end() && *it == row) ? pos : -1;
}

} // namespace tv
