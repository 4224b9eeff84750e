#pragma once
// TColumnsEhList: a list of columns that does not own them (visible columns,
// sort-marked columns, selected columns).
#include <algorithm>
#include <vector>

namespace tv {

class TColumnEh;

class TColumnsEhList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TColumnEh* Items(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    TColumnEh* GetColumn(int i) const { return Items(i); }
    void SetItems(int i, TColumnEh* c) { items_.at(static_cast<std::size_t>(i)) = c; }
    int Add(TColumnEh* c) { items_.push_back(c); return Count() - 1; }
    void Insert(int i, TColumnEh* c) { items_.insert(items_.begin() + std::clamp(i, 0, Count()), c); }
    void Delete(int i) { items_.erase(items_.begin() + i); }
    int Remove(TColumnEh* c) {
        int i = IndexOf(c);
        if (i >= 0) Delete(i);
        return i;
    }
    void Exchange(int a, int b) { std::swap(items_.at(static_cast<std::size_t>(a)), items_.at(static_cast<std::size_t>(b))); }
    int IndexOf(const TColumnEh* c) const {
        auto it = std::find(items_.begin(), items_.end(), c);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    void SetCount(int n) { items_.resize(static_cast<std::size_t>(std::max(0, n)), nullptr); }
    void Clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<TColumnEh*> items_;
};

} // namespace tv
