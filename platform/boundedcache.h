#pragma once
// A cache of values by text key, bounded by the bytes it holds rather than
// by its entries: a few long texts weigh as much as thousands of short ones.
// The entries used least recently go first; a value that alone would take
// more than an eighth of the budget is not kept at all.
#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace tv::win {

template <class Value>
class BoundedCache {
public:
    explicit BoundedCache(std::size_t budgetBytes) : budget_(budgetBytes) {}
    BoundedCache(const BoundedCache&) = delete;
    BoundedCache& operator=(const BoundedCache&) = delete;

    // The value kept under the key, or nullptr; valid until the next Put.
    Value* Find(std::string_view key) {
        auto it = index_.find(key);
        if (it == index_.end()) return nullptr;
        entries_.splice(entries_.begin(), entries_, it->second);
        return &it->second->value;
    }

    // Keeps the value, `bytes` being what it holds beside its key. Gives the
    // kept value, or nullptr when it is too large to keep.
    Value* Put(std::string key, Value value, std::size_t bytes) {
        bytes += key.size() + kEntryOverhead;
        if (auto it = index_.find(key); it != index_.end()) Drop(it->second);
        if (bytes > budget_ / 8) return nullptr;
        while (!entries_.empty() && used_ + bytes > budget_) Drop(std::prev(entries_.end()));
        entries_.push_front(Entry{std::move(key), std::move(value), bytes});
        index_.emplace(entries_.front().key, entries_.begin());
        used_ += bytes;
        return &entries_.front().value;
    }

    void Clear() {
        index_.clear();
        entries_.clear();
        used_ = 0;
    }

    std::size_t Bytes() const { return used_; }
    std::size_t Count() const { return entries_.size(); }

private:
    // The list node, the index's slot and the allocator's own words.
    static constexpr std::size_t kEntryOverhead = sizeof(Value) + 96;

    struct Entry {
        std::string key;
        Value value;
        std::size_t bytes;
    };
    using Iterator = typename std::list<Entry>::iterator;

    void Drop(Iterator it) {
        used_ -= it->bytes;
        index_.erase(std::string_view(it->key));
        entries_.erase(it);
    }

    std::size_t budget_;
    std::size_t used_ = 0;
    std::list<Entry> entries_; // most recently used first
    std::unordered_map<std::string_view, Iterator> index_;
};

} // namespace tv::win
