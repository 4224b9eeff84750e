#include "framework/data/valuecompare.h"

#include "core/strutils.h"

namespace tv {

namespace {

bool IsNullish(const Variant& v) { return v.IsNull() || v.IsEmpty(); }

bool IsIntegral(TVarType t) {
    return t == varSmallint || t == varInteger || t == varByte || t == varInt64 || t == varBoolean;
}

bool IsNumber(TVarType t) { return IsIntegral(t) || t == varDouble || t == varCurrency || t == varDate; }

template <class T>
int Sign(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

} // namespace

int CompareFieldValues(const Variant& a, const Variant& b, bool caseInsensitive) {
    const bool na = IsNullish(a), nb = IsNullish(b);
    if (na || nb) return na == nb ? 0 : (na ? -1 : 1);
    const TVarType ta = a.VarType(), tb = b.VarType();
    if (ta == varString && tb == varString) {
        const std::string sa = a.AsString(), sb = b.AsString();
        const int c = caseInsensitive ? AnsiCompareText(sa, sb) : AnsiCompareStr(sa, sb);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    // False before true, whatever number a true variant carries.
    if (ta == varBoolean || tb == varBoolean) {
        if (ta == varBoolean && tb == varBoolean) return Sign(int(a.AsBoolean()), int(b.AsBoolean()));
    }
    if (IsIntegral(ta) && IsIntegral(tb)) return Sign(a.AsInt64(), b.AsInt64());
    if (ta == varCurrency && tb == varCurrency) return Sign(a.AsCurrency(), b.AsCurrency());
    if (IsNumber(ta) && IsNumber(tb)) return Sign(a.AsDouble(), b.AsDouble());
    // Mixed kinds (a text beside a number): the variant rules decide, and a
    // pair they cannot compare falls back to the texts.
    try {
        if (a == b) return 0;
        return a < b ? -1 : 1;
    } catch (const EVariantError&) {
        const int c = AnsiCompareStr(VarToStr(a), VarToStr(b));
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
}

namespace {

// '%' matches any run and '_' one character. Without recursion: on a
// mismatch the last '%' takes one more character, which is enough for these
// two wildcards and keeps a pattern of many '%' from costing the stack or
// more than text times pattern steps.
bool LikeFrom(const std::u32string& t, const std::u32string& p) {
    std::size_t ti = 0, pi = 0;
    std::size_t star = std::u32string::npos, starText = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == U'%') {
            star = ++pi;
            starText = ti;
        } else if (pi < p.size() && (p[pi] == U'_' || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (star != std::u32string::npos) {
            pi = star;
            ti = ++starText;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'%') ++pi;
    return pi == p.size();
}

std::u32string Fold(std::string_view s, bool caseInsensitive) {
    std::u32string u = Utf8ToUtf32(s);
    if (caseInsensitive)
        for (auto& c : u) c = CharUpper(c);
    return u;
}

} // namespace

bool LikeMatch(std::string_view text, std::string_view pattern, bool caseInsensitive) {
    return LikeFrom(Fold(text, caseInsensitive), Fold(pattern, caseInsensitive));
}

bool StartsWithText(std::string_view text, std::string_view prefix, bool caseInsensitive) {
    if (!caseInsensitive) return text.substr(0, prefix.size()) == prefix;
    const std::u32string t = Fold(text, true), p = Fold(prefix, true);
    return t.compare(0, p.size(), p) == 0;
}

} // namespace tv
