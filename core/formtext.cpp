#include "core/formtext.h"
#include <array>

#include <charconv>
#include <cmath>

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Each byte's value as a hexadecimal digit, -1 for any other.
constexpr auto kHexDigits = [] {
    std::array<signed char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                                                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                                         : -1);
    return t;
}();
int HexValue(char c) { return kHexDigits[static_cast<unsigned char>(c)]; }

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    TFormObject ParseRoot() {
        SkipBlanks();
        TFormObject root = ParseObject();
        return root;
    }

private:
    [[noreturn]] void Error(const std::string& reason) const {
        throw EParserError(Format(LoadResString(SParseError), reason, line_));
    }
    [[noreturn]] void Expected(const std::string& what) const {
        Error(Format(LoadResString(SCharExpected), what));
    }

    bool AtEnd() const { return p_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[p_]; }

    void SkipBlanks() {
        while (!AtEnd()) {
            char c = s_[p_];
            if (c == '\n') {
                ++line_;
                ++p_;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++p_;
            } else {
                break;
            }
        }
    }

    std::string Ident(bool dotted) {
        SkipBlanks();
        if (!IsIdentStart(Peek())) Error(LoadResString(SIdentifierExpected));
        std::size_t start = p_;
        while (!AtEnd() && (IsIdentChar(s_[p_]) || (dotted && s_[p_] == '.' && p_ + 1 < s_.size() &&
                                                    IsIdentStart(s_[p_ + 1]))))
            ++p_;
        return std::string(s_.substr(start, p_ - start));
    }

    void Expect(char c) {
        SkipBlanks();
        if (Peek() != c) Expected(std::string(1, c));
        ++p_;
    }

    bool IsKeyword(const std::string& word, const char* kw) const { return SameText(word, kw); }

    // Peeks at the next identifier without consuming it.
    std::string PeekIdent() {
        SkipBlanks();
        std::size_t save = p_;
        int saveLine = line_;
        std::string w;
        if (IsIdentStart(Peek())) w = Ident(false);
        p_ = save;
        line_ = saveLine;
        return w;
    }

    // Nesting deeper than any real window is taken for a broken definition,
    // before it could exhaust the stack.
    class DepthGuard {
    public:
        explicit DepthGuard(Parser& p) : p_(p) {
            if (++p_.depth_ > kMaxDepth) p_.Error(LoadResString(SInvalidImage));
        }
        ~DepthGuard() { --p_.depth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;

    private:
        Parser& p_;
    };
    static constexpr int kMaxDepth = 200;

    TFormObject ParseObject() {
        DepthGuard guard(*this);
        SkipBlanks();
        TFormObject obj;
        obj.line = line_;
        if (AtEnd()) Expected("object");
        std::string kw = Ident(false);
        if (IsKeyword(kw, "object"))
            obj.kind = TFormObjectKind::fkObject;
        else if (IsKeyword(kw, "inherited"))
            obj.kind = TFormObjectKind::fkInherited;
        else if (IsKeyword(kw, "inline"))
            obj.kind = TFormObjectKind::fkInline;
        else
            Expected("object");
        std::string first = Ident(false);
        SkipBlanks();
        if (Peek() == ':') {
            ++p_;
            obj.name = first;
            obj.className = Ident(false);
        } else {
            obj.className = first;
        }
        SkipBlanks();
        if (Peek() == '[') {
            ++p_;
            SkipBlanks();
            TFormValue v = ParseNumber();
            if (v.type != TValueType::vaInt) Error(LoadResString(SNumberExpected));
            obj.position = static_cast<int>(v.intValue);
            Expect(']');
        }
        for (;;) {
            SkipBlanks();
            if (AtEnd()) Expected("end");
            std::string w = PeekIdent();
            if (w.empty()) Error(LoadResString(SIdentifierExpected));
            if (IsKeyword(w, "end")) {
                Ident(false);
                break;
            }
            if (IsKeyword(w, "object") || IsKeyword(w, "inherited") || IsKeyword(w, "inline")) {
                obj.children.push_back(ParseObject());
            } else {
                if (!obj.children.empty()) Expected("end");
                obj.properties.push_back(ParseProperty());
            }
        }
        return obj;
    }

    TFormProperty ParseProperty() {
        TFormProperty prop;
        SkipBlanks();
        prop.line = line_;
        prop.name = Ident(true);
        Expect('=');
        prop.value = ParseValue();
        return prop;
    }

    TFormValue ParseNumber() {
        TFormValue v;
        v.line = line_;
        std::size_t start = p_;
        if (Peek() == '$') {
            ++p_;
            std::uint64_t n = 0;
            std::size_t digits = 0;
            while (!AtEnd() && HexValue(s_[p_]) >= 0) {
                n = n * 16 + static_cast<std::uint64_t>(HexValue(s_[p_++]));
                if (++digits > 16) Error(LoadResString(SNumberExpected));
            }
            if (digits == 0) Error(LoadResString(SNumberExpected));
            v.type = TValueType::vaInt;
            v.intValue = static_cast<std::int64_t>(n);
            return v;
        }
        if (Peek() == '-' || Peek() == '+') ++p_;
        bool isFloat = false;
        while (!AtEnd() && IsDigit(s_[p_])) ++p_;
        if (Peek() == '.' && p_ + 1 < s_.size() && IsDigit(s_[p_ + 1])) {
            isFloat = true;
            ++p_;
            while (!AtEnd() && IsDigit(s_[p_])) ++p_;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            std::size_t save = p_;
            ++p_;
            if (Peek() == '-' || Peek() == '+') ++p_;
            if (IsDigit(Peek())) {
                isFloat = true;
                while (!AtEnd() && IsDigit(s_[p_])) ++p_;
            } else {
                p_ = save;
            }
        }
        std::string_view num = s_.substr(start, p_ - start);
        if (num.empty() || num == "-" || num == "+") Error(LoadResString(SNumberExpected));
        // The framework marks single, currency and date values with a letter.
        if (Peek() == 's' || Peek() == 'S' || Peek() == 'c' || Peek() == 'C' || Peek() == 'd' || Peek() == 'D') {
            if (!(p_ + 1 < s_.size() && IsIdentChar(s_[p_ + 1]))) {
                ++p_;
                isFloat = true;
            }
        }
        if (IsIdentChar(Peek())) Error(LoadResString(SNumberExpected));
        std::string t(num);
        if (!t.empty() && t[0] == '+') t.erase(0, 1);
        if (isFloat) {
            double d = 0;
            auto r = std::from_chars(t.data(), t.data() + t.size(), d);
            if (r.ec != std::errc()) Error(LoadResString(SNumberExpected));
            v.type = TValueType::vaExtended;
            v.floatValue = d;
        } else {
            std::int64_t n = 0;
            auto r = std::from_chars(t.data(), t.data() + t.size(), n);
            if (r.ec != std::errc()) Error(LoadResString(SNumberExpected));
            v.type = TValueType::vaInt;
            v.intValue = n;
        }
        return v;
    }

    // One run of quoted parts and #nnn codes.
    bool ParseStringRun(std::string& out) {
        bool any = false;
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                ++p_;
                for (;;) {
                    if (AtEnd() || s_[p_] == '\n' || s_[p_] == '\r') Error(LoadResString(SInvalidString));
                    if (s_[p_] == '\'') {
                        if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
                            out += '\'';
                            p_ += 2;
                            continue;
                        }
                        ++p_;
                        break;
                    }
                    out += s_[p_++];
                }
                any = true;
            } else if (c == '#') {
                ++p_;
                std::uint32_t code = 0;
                std::size_t digits = 0;
                if (Peek() == '$') {
                    ++p_;
                    while (!AtEnd() && HexValue(s_[p_]) >= 0 && digits < 8) {
                        code = code * 16 + static_cast<std::uint32_t>(HexValue(s_[p_++]));
                        ++digits;
                    }
                } else {
                    while (!AtEnd() && IsDigit(s_[p_]) && digits < 8) {
                        code = code * 10 + static_cast<std::uint32_t>(s_[p_++] - '0');
                        ++digits;
                    }
                }
                if (digits == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    Error(LoadResString(SInvalidString));
                Utf8Append(out, static_cast<char32_t>(code));
                any = true;
            } else {
                return any;
            }
        }
    }

    TFormValue ParseString() {
        TFormValue v;
        v.type = TValueType::vaString;
        v.line = line_;
        ParseStringRun(v.text);
        for (;;) {
            std::size_t save = p_;
            int saveLine = line_;
            SkipBlanks();
            if (Peek() != '+') {
                p_ = save;
                line_ = saveLine;
                break;
            }
            ++p_;
            SkipBlanks();
            if (!ParseStringRun(v.text)) Error(LoadResString(SStringExpected));
        }
        return v;
    }

    TFormValue ParseValue() {
        DepthGuard guard(*this);
        SkipBlanks();
        TFormValue v;
        v.line = line_;
        char c = Peek();
        if (AtEnd()) Error(LoadResString(SInvalidPropertyValue));
        if (c == '\'' || c == '#') return ParseString();
        if (IsDigit(c) || c == '-' || c == '+' || c == '$') return ParseNumber();
        if (c == '[') {
            ++p_;
            v.type = TValueType::vaSet;
            SkipBlanks();
            if (Peek() != ']') {
                for (;;) {
                    SkipBlanks();
                    if (IsDigit(Peek()) || Peek() == '-') {
                        TFormValue n = ParseNumber();
                        v.set.push_back(n.type == TValueType::vaInt ? IntToStr(n.intValue) : std::string());
                    } else {
                        v.set.push_back(Ident(false));
                    }
                    SkipBlanks();
                    if (Peek() == ',') {
                        ++p_;
                        continue;
                    }
                    break;
                }
            }
            Expect(']');
            return v;
        }
        if (c == '(') {
            ++p_;
            v.type = TValueType::vaList;
            for (;;) {
                SkipBlanks();
                if (AtEnd()) Expected(")");
                if (Peek() == ')') {
                    ++p_;
                    break;
                }
                v.list.push_back(ParseValue());
            }
            return v;
        }
        if (c == '<') {
            ++p_;
            v.type = TValueType::vaCollection;
            for (;;) {
                SkipBlanks();
                if (AtEnd()) Expected(">");
                if (Peek() == '>') {
                    ++p_;
                    break;
                }
                TFormItem item;
                item.line = line_;
                std::string w = Ident(false);
                if (!IsKeyword(w, "item")) Expected("item");
                SkipBlanks();
                if (Peek() == '[') {
                    ++p_;
                    SkipBlanks();
                    ParseNumber();
                    Expect(']');
                }
                for (;;) {
                    SkipBlanks();
                    if (AtEnd()) Expected("end");
                    std::string next = PeekIdent();
                    if (next.empty()) Error(LoadResString(SIdentifierExpected));
                    if (IsKeyword(next, "end")) {
                        Ident(false);
                        break;
                    }
                    item.properties.push_back(ParseProperty());
                }
                v.items.push_back(std::move(item));
            }
            return v;
        }
        if (c == '{') {
            ++p_;
            v.type = TValueType::vaBinary;
            // Two digits a byte; blanks and line breaks may stand between any two.
            // The bytes go straight into room for every digit up to the brace
            // (or the end, where the value is broken anyway).
            std::string& out = v.text;
            const std::size_t close = s_.find('}', p_);
            out.resize(((close == std::string_view::npos ? s_.size() : close) - p_) / 2);
            std::size_t n = 0;
            int high = -1;
            for (;;) {
                SkipBlanks();
                if (AtEnd()) Expected("}");
                if (s_[p_] == '}') {
                    ++p_;
                    break;
                }
                const std::size_t run = p_;
                for (int d; p_ < s_.size() && (d = HexValue(s_[p_])) >= 0; ++p_) {
                    if (high < 0) {
                        high = d;
                    } else {
                        out[n++] = static_cast<char>((high << 4) | d);
                        high = -1;
                    }
                }
                if (p_ == run) Error(LoadResString(SInvalidBinary));
            }
            out.resize(n);
            if (high >= 0) Error(LoadResString(SInvalidBinary));
            return v;
        }
        if (IsIdentStart(c)) {
            v.text = Ident(true);
            if (SameText(v.text, "True"))
                v.type = TValueType::vaTrue;
            else if (SameText(v.text, "False"))
                v.type = TValueType::vaFalse;
            else if (SameText(v.text, "nil"))
                v.type = TValueType::vaNil;
            else
                v.type = TValueType::vaIdent;
            return v;
        }
        Error(LoadResString(SInvalidPropertyValue));
    }

    std::string_view s_;
    std::size_t p_ = 0;
    int line_ = 1;
    int depth_ = 0;
};

// --- printing ---------------------------------------------------------------------

std::string QuoteString(std::string_view s) {
    if (s.empty()) return "''";
    std::string out;
    bool inQuote = false;
    for (unsigned char c : s) {
        if (c < 32 || c == 127) {
            if (inQuote) {
                out += '\'';
                inQuote = false;
            }
            out += '#';
            out += std::to_string(c);
        } else {
            if (!inQuote) {
                out += '\'';
                inQuote = true;
            }
            if (c == '\'') out += '\'';
            out += static_cast<char>(c);
        }
    }
    if (inQuote) out += '\'';
    return out;
}

std::string FloatText(double d) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, d);
    std::string t(buf, r.ptr);
    if (std::isfinite(d) && t.find_first_of(".eE") == std::string::npos) t += ".0";
    return t;
}

void PrintProperties(std::string& out, const std::vector<TFormProperty>& props, int indent);

void PrintValue(std::string& out, const TFormValue& v, int indent) {
    std::string pad(static_cast<std::size_t>(indent), ' ');
    switch (v.type) {
    case TValueType::vaInt: out += IntToStr(v.intValue); break;
    case TValueType::vaExtended: out += FloatText(v.floatValue); break;
    case TValueType::vaString: out += QuoteString(v.text); break;
    case TValueType::vaIdent:
    case TValueType::vaTrue:
    case TValueType::vaFalse:
    case TValueType::vaNil: out += v.text; break;
    case TValueType::vaSet: {
        out += '[';
        for (std::size_t i = 0; i < v.set.size(); ++i) {
            if (i) out += ", ";
            out += v.set[i];
        }
        out += ']';
        break;
    }
    case TValueType::vaList: {
        out += '(';
        for (const TFormValue& e : v.list) {
            out += '\n';
            out += pad + "  ";
            PrintValue(out, e, indent + 2);
        }
        out += ')';
        break;
    }
    case TValueType::vaCollection: {
        out += '<';
        for (const TFormItem& item : v.items) {
            out += '\n' + pad + "  item\n";
            PrintProperties(out, item.properties, indent + 4);
            out += pad + "  end";
        }
        out += '>';
        break;
    }
    case TValueType::vaBinary: {
        static const char* hex = "0123456789ABCDEF";
        out += '{';
        for (std::size_t i = 0; i < v.text.size(); ++i) {
            if (i % 32 == 0) out += '\n' + pad + "  ";
            auto b = static_cast<unsigned char>(v.text[i]);
            out += hex[b >> 4];
            out += hex[b & 15];
        }
        out += '}';
        break;
    }
    case TValueType::vaNull: out += "nil"; break;
    }
}

void PrintProperties(std::string& out, const std::vector<TFormProperty>& props, int indent) {
    std::string pad(static_cast<std::size_t>(indent), ' ');
    for (const TFormProperty& p : props) {
        out += pad + p.name + " = ";
        PrintValue(out, p.value, indent);
        out += '\n';
    }
}

void PrintObject(std::string& out, const TFormObject& obj, int indent) {
    std::string pad(static_cast<std::size_t>(indent), ' ');
    const char* kw = obj.kind == TFormObjectKind::fkInherited ? "inherited"
                     : obj.kind == TFormObjectKind::fkInline  ? "inline"
                                                              : "object";
    out += pad + kw + ' ';
    if (!obj.name.empty()) out += obj.name + ": ";
    out += obj.className;
    if (obj.position >= 0) out += " [" + IntToStr(obj.position) + "]";
    out += '\n';
    PrintProperties(out, obj.properties, indent + 2);
    for (const TFormObject& child : obj.children) PrintObject(out, child, indent + 2);
    out += pad + "end\n";
}

} // namespace

TFormObject ParseFormText(std::string_view text) {
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Parser parser(text);
    return parser.ParseRoot();
}

std::string PrintFormText(const TFormObject& root) {
    std::string out;
    PrintObject(out, root, 0);
    return out;
}

std::string PrintFormValue(const TFormValue& value) {
    std::string out;
    PrintValue(out, value, 0);
    return out;
}

} // namespace tv
