#include "framework/data/recordindex.h"

#include <algorithm>

#include "core/strutils.h"
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
    // A text's collation key is computed once per row, not at every comparison.
    const std::size_t n = rows.size(), k = keys_.size();
    std::vector<std::string> texts(n * k);
    std::vector<char> isText(n * k, 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < k; ++j) {
            const Variant& v = rows[i]->values[static_cast<std::size_t>(keys_[j].slot)];
            if (v.VarType() == varString) {
                texts[i * k + j] = AnsiCollationKey(v.AsString(), !keys_[j].caseInsensitive);
                isText[i * k + j] = 1;
            }
        }
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    auto less = [&](std::size_t a, std::size_t b) {
        for (std::size_t j = 0; j < k; ++j) {
            const TIndexKeyField& key = keys_[j];
            int c;
            if (isText[a * k + j] && isText[b * k + j]) {
                c = texts[a * k + j].compare(texts[b * k + j]);
            } else {
                const auto slot = static_cast<std::size_t>(key.slot);
                c = CompareFieldValues(rows[a]->values[slot], rows[b]->values[slot], key.caseInsensitive);
            }
            if (c != 0) return key.descending ? c > 0 : c < 0;
        }
        return rows[a]->seq < rows[b]->seq;
    };
    std::sort(order.begin(), order.end(), less);
    std::vector<TClientRow*> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = rows[order[i]];
    rows.swap(sorted);
}

int TRecordIndex::Find(const std::vector<TClientRow*>& rows, const TClientRow* row, int* insertAt) const {
    const auto it = std::lower_bound(rows.begin(), rows.end(), row, *this);
    const int pos = static_cast<int>(it - rows.begin());
    if (insertAt) *insertAt = pos;
    return (it != rows.end() && *it == row) ? pos : -1;
}

} // namespace tv
