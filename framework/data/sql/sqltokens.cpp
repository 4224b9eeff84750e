#include "framework/data/sql/sqltokens.h"

namespace tv {

namespace {

// SQL's words are ASCII whatever the locale.
bool Digit(char c) { return c >= '0' && c <= '9'; }
bool Letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool WordStart(char c) { return Letter(c) || c == '_'; }
bool WordChar(char c) { return Letter(c) || Digit(c) || c == '_' || c == '$'; }

// The closing character of a q'...' literal's opening one.
char QuoteClose(char open) {
    switch (open) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    case '<': return '>';
    default: return open;
    }
}

std::string QuotedName(const std::string& name) {
    std::string q = "\"";
    for (char c : name) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + '"';
}

} // namespace

std::vector<SqlToken> TokenizeSql(std::string_view s) {
    std::vector<SqlToken> out;
    out.reserve(16);
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const char c = s[i];
        if (Space(c)) {
            ++i;
        } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            while (i < n && s[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            const std::size_t end = s.find("*/", i + 2);
            i = end == std::string_view::npos ? n : end + 2;
        } else if ((c == 'q' || c == 'Q') && i + 2 < n && s[i + 1] == '\'') {
            // q'{...}': the text runs to the closing mark followed by a quote.
            const char close = QuoteClose(s[i + 2]);
            std::size_t j = i + 3;
            while (j + 1 < n && !(s[j] == close && s[j + 1] == '\'')) ++j;
            out.push_back({SqlToken::Text, std::string(s.substr(i + 3, j - (i + 3)))});
            i = j + 1 < n ? j + 2 : n;
        } else if (WordStart(c)) {
            std::size_t j = i;
            while (j < n && WordChar(s[j])) ++j;
            std::string w(s.substr(i, j - i));
            for (char& ch : w) ch = Upper(ch);
            out.push_back({SqlToken::Word, std::move(w)});
            i = j;
        } else if (c == '\'' || c == '"') {
            std::string v;
            std::size_t j = i + 1;
            for (; j < n; ++j) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        v += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                v += s[j];
            }
            out.push_back({c == '\'' ? SqlToken::Text : SqlToken::QuotedName, std::move(v)});
            i = j < n ? j + 1 : n;
        } else if (Digit(c) || (c == '.' && i + 1 < n && Digit(s[i + 1]))) {
            std::size_t j = i;
            while (j < n && (Digit(s[j]) || s[j] == '.')) ++j;
            if (j < n && (s[j] == 'e' || s[j] == 'E')) {
                ++j;
                if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
                while (j < n && Digit(s[j])) ++j;
            }
            out.push_back({SqlToken::Number, std::string(s.substr(i, j - i))});
            i = j;
        } else {
            out.push_back({SqlToken::Mark, std::string(1, c)});
            ++i;
        }
    }
    return out;
}

bool ProcedureCallShape(std::string_view sql, std::string& shape, std::vector<std::string>& values) {
    const std::vector<SqlToken> t = TokenizeSql(sql);
    auto mark = [&](std::size_t i, char c) { return i < t.size() && t[i].kind == SqlToken::Mark && t[i].text[0] == c; };
    auto word = [&](std::size_t i, const char* w) { return i < t.size() && t[i].kind == SqlToken::Word && t[i].text == w; };
    if (!word(0, "SELECT")) return false;
    // The columns: names, "*", dots, commas and AS; nothing computed.
    std::size_t i = 1;
    for (; i < t.size() && !word(i, "FROM"); ++i) {
        const SqlToken& k = t[i];
        const bool name = k.kind == SqlToken::Word || k.kind == SqlToken::QuotedName;
        if (!name && !mark(i, '*') && !mark(i, ',') && !mark(i, '.')) return false;
        if (k.kind == SqlToken::Word && (k.text == "FIRST" || k.text == "SKIP" || k.text == "DISTINCT")) return false;
    }
    if (i == 1 || !word(i, "FROM")) return false;
    ++i;
    if (i >= t.size() || (t[i].kind != SqlToken::Word && t[i].kind != SqlToken::QuotedName)) return false;
    if (!mark(i + 1, '(')) return false;
    const std::size_t open = i + 1;
    i += 2;
    std::vector<std::string> found;
    // Each argument: one plain text literal or one whole number, nothing else.
    for (;;) {
        if (i < t.size() && t[i].kind == SqlToken::Text) {
            // An introducer (_UTF8'...') or a hex literal is a word before the quote: not matched here.
            found.push_back(t[i].text);
            ++i;
        } else {
            std::string number;
            if (mark(i, '-')) number = "-", ++i;
            if (i >= t.size() || t[i].kind != SqlToken::Number || t[i].text.size() > 18) return false;
            for (char c : t[i].text)
                if (!Digit(c)) return false;
            found.push_back(number + t[i].text);
            ++i;
        }
        if (mark(i, ',')) {
            ++i;
            continue;
        }
        if (mark(i, ')')) break;
        return false;
    }
    if (i + 1 != t.size()) return false;
    // Written again from its words, so that nothing in a comment or a quoted name is taken for a mark.
    shape.clear();
    shape.reserve(sql.size());
    for (std::size_t k = 0; k < open; ++k) {
        if (k) shape += ' ';
        shape += t[k].kind == SqlToken::QuotedName ? QuotedName(t[k].text) : t[k].text;
    }
    shape += '(';
    for (std::size_t k = 0; k < found.size(); ++k) shape += k ? ", ?" : "?";
    shape += ')';
    values = std::move(found);
    return true;
}

} // namespace tv
