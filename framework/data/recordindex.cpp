#include "framework/data/recordindex.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

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
    // A text's collation key is computed once per row, all keys in one buffer;
    // the first key's leading bytes, read as a number, settle most comparisons.
    const std::size_t n = rows.size(), k = keys_.size();
    std::string keys;
    keys.reserve(n * k * 16);
    std::vector<std::size_t> start(n * k + 1);
    std::vector<char> isText(n * k, 0);
    bool firstAllText = true;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < k; ++j) {
            start[i * k + j] = keys.size();
            const Variant& v = rows[i]->values[static_cast<std::size_t>(keys_[j].slot)];
            if (v.VarType() == varString) {
                AppendCollationKey(keys, v.AsString(), !keys_[j].caseInsensitive);
                isText[i * k + j] = 1;
            } else if (j == 0) {
                firstAllText = false;
            }
        }
    start[n * k] = keys.size();
    auto key = [&](std::size_t at) { return std::string_view(keys.data() + start[at], start[at + 1] - start[at]); };

    struct Entry {
        std::uint64_t lead[2];
        std::size_t row;
    };
    std::vector<Entry> order(n);
    for (std::size_t i = 0; i < n; ++i) {
        Entry& e = order[i];
        e = {{0, 0}, i};
        if (!firstAllText) continue;
        const std::string_view first = key(i * k);
        for (std::size_t b = 0; b < 16; ++b)
            e.lead[b / 8] = (e.lead[b / 8] << 8) | (b < first.size() ? static_cast<unsigned char>(first[b]) : 0u);
    }
    const bool firstDescending = keys_[0].descending;
    auto less = [&](const Entry& x, const Entry& y) {
        for (int w = 0; w < 2; ++w)
            if (x.lead[w] != y.lead[w]) return firstDescending ? x.lead[w] > y.lead[w] : x.lead[w] < y.lead[w];
        const std::size_t a = x.row, b = y.row;
        for (std::size_t j = 0; j < k; ++j) {
            const TIndexKeyField& field = keys_[j];
            int c;
            if (isText[a * k + j] && isText[b * k + j]) {
                c = key(a * k + j).compare(key(b * k + j));
            } else {
                const auto slot = static_cast<std::size_t>(field.slot);
                c = CompareFieldValues(rows[a]->values[slot], rows[b]->values[slot], field.caseInsensitive);
            }
            if (c != 0) return field.descending ? c > 0 : c < 0;
        }
        return rows[a]->seq < rows[b]->seq;
    };
    std::sort(order.begin(), order.end(), less);
    std::vector<TClientRow*> sorted(n);
    for (std::size_t i = 0; i < n; ++i) sorted[i] = rows[order[i].row];
    rows.swap(sorted);
}

int TRecordIndex::Find(const std::vector<TClientRow*>& rows, const TClientRow* row, int* insertAt) const {
    const auto it = std::lower_bound(rows.begin(), rows.end(), row, *this);
    const int pos = static_cast<int>(it - rows.begin());
    if (insertAt) *insertAt = pos;
    return (it != rows.end() && *it == row) ? pos : -1;
}

} // namespace tv
