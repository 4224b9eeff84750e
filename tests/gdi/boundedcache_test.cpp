#include <gtest/gtest.h>

#include <string>

#include "platform/boundedcache.h"

using tv::win::BoundedCache;

// Bytes, not entries, decide what stays: the least recently used goes first,
// and one value too large for the budget is never kept.
TEST(BoundedCache, KeepsWithinItsBytesDroppingTheLeastRecentlyUsed) {
    BoundedCache<std::string> cache(64 << 10);
    for (int i = 0; i < 1000; ++i) cache.Put("texto " + std::to_string(i), std::string(500, 'x'), 500);
    EXPECT_LE(cache.Bytes(), size_t(64 << 10));
    EXPECT_GT(cache.Count(), 50u);
    EXPECT_EQ(cache.Find("texto 0"), nullptr);
    ASSERT_NE(cache.Find("texto 999"), nullptr);

    // Used again, an old entry outlives newer ones.
    std::string oldest;
    for (int i = 0; i < 1000 && oldest.empty(); ++i)
        if (cache.Find("texto " + std::to_string(i))) oldest = "texto " + std::to_string(i);
    for (int i = 0; i < 20; ++i) cache.Put("otro " + std::to_string(i), "y", 500);
    EXPECT_NE(cache.Find(oldest), nullptr);

    EXPECT_EQ(cache.Put("grande", std::string(), (64 << 10) / 4), nullptr);
    EXPECT_EQ(cache.Find("grande"), nullptr);
    // A key put again replaces its value and its bytes.
    size_t before = cache.Bytes();
    *cache.Put("otro 19", "z", 500) += "!";
    EXPECT_EQ(*cache.Find("otro 19"), "z!");
    EXPECT_EQ(cache.Bytes(), before);
}
