// LIKE patterns: '%' for any run, '_' for one character.
#include <gtest/gtest.h>

#include <string>

#include "framework/data/valuecompare.h"

using tv::LikeMatch;

TEST(LikeMatch, WildcardsMatchAsTheFilterLanguageSays) {
    struct {
        const char* text;
        const char* pattern;
        bool match;
    } cases[] = {
        {"Arroz", "Ar%", true},     {"Arroz", "%z", true},       {"Arroz", "%r_o%", true},
        {"Arroz", "A_roz", true},   {"Arroz", "Arroz_", false},  {"", "%", true},
        {"", "_", false},           {"", "", true},              {"a", "", false},
        {"aab", "%ab", true},       {"abab", "%ab%ab", true},    {"abac", "%ab%ab", false},
        {"mississippi", "m%iss%ppi", true}, {"mississippi", "m%iss%pi_", false},
        {"año", "a_o", true},       {"x%y", "x%%y", true},       {"abc", "%%%", true},
    };
    for (const auto& c : cases) EXPECT_EQ(LikeMatch(c.text, c.pattern), c.match) << c.text << " LIKE " << c.pattern;
    EXPECT_TRUE(LikeMatch("ARROZ", "ar%", true));
    EXPECT_FALSE(LikeMatch("ARROZ", "ar%", false));
}

// A pattern of many '%' typed into a filter neither overflows the stack nor
// tries every way of placing them.
TEST(LikeMatch, ManyWildcardsCostNeitherStackNorTime) {
    std::string runs, text(100000, 'a');
    for (int i = 0; i < 100000; ++i) runs += "%a";
    EXPECT_TRUE(LikeMatch(text, runs));
    std::string hopeless;
    for (int i = 0; i < 30; ++i) hopeless += "%a";
    EXPECT_FALSE(LikeMatch(std::string(2000, 'a'), hopeless + "b"));
}
