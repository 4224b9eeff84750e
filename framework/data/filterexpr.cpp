#include "framework/data/filterexpr.h"

#include <algorithm>

#include "core/datetime.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/valuecompare.h"

namespace tv {

namespace {

enum class Tok { End, Field, Name, Text, Number, LParen, RParen, Eq, Ne, Lt, Gt, Le, Ge, And, Or, Not, Like, Is, Null, True, False };

struct Token {
    Tok kind = Tok::End;
    std::string text;
    double number = 0;
    bool integral = false;
};

[[noreturn]] void Fail(const std::string& message) { throw EDatabaseError(message); }

class Lexer {
public:
    explicit Lexer(std::string_view s) : s_(s) {}

    Token Next() {
        while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) <= ' ') ++pos_;
        Token t;
        if (pos_ >= s_.size()) return t;
        const char c = s_[pos_];
        if (c == '[') {
            const std::size_t end = s_.find(']', pos_ + 1);
            if (end == std::string_view::npos) Fail(dbconsts::SExprNameError);
            t.kind = Tok::Field;
            t.text = std::string(s_.substr(pos_ + 1, end - pos_ - 1));
            pos_ = end + 1;
            return t;
        }
        if (c == '\'') {
            std::string v;
            std::size_t i = pos_ + 1;
            for (;;) {
                if (i >= s_.size()) Fail(dbconsts::SExprStringError);
                if (s_[i] == '\'') {
                    if (i + 1 < s_.size() && s_[i + 1] == '\'') { v += '\''; i += 2; continue; }
                    break;
                }
                v += s_[i++];
            }
            pos_ = i + 1;
            t.kind = Tok::Text;
            t.text = std::move(v);
            return t;
        }
        if (IsDigitChar(c) || ((c == '-' || c == '+') && pos_ + 1 < s_.size() && IsDigitChar(s_[pos_ + 1]) && signAllowed_)) {
            return ReadNumber();
        }
        if (c == '(') { ++pos_; t.kind = Tok::LParen; t.text = "("; return t; }
        if (c == ')') { ++pos_; t.kind = Tok::RParen; t.text = ")"; return t; }
        if (c == '=') { ++pos_; t.kind = Tok::Eq; t.text = "="; return t; }
        if (c == '!' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '=') { pos_ += 2; t.kind = Tok::Ne; t.text = "!="; return t; }
        if (c == '<') {
            ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '>') { ++pos_; t.kind = Tok::Ne; t.text = "<>"; return t; }
            if (pos_ < s_.size() && s_[pos_] == '=') { ++pos_; t.kind = Tok::Le; t.text = "<="; return t; }
            t.kind = Tok::Lt; t.text = "<"; return t;
        }
        if (c == '>') {
            ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '=') { ++pos_; t.kind = Tok::Ge; t.text = ">="; return t; }
            t.kind = Tok::Gt; t.text = ">"; return t;
        }
        if (IsNameStart(c)) {
            std::size_t i = pos_;
            while (i < s_.size() && IsNameChar(s_[i])) ++i;
            t.text = std::string(s_.substr(pos_, i - pos_));
            pos_ = i;
            const std::string up = UpperCase(t.text);
            if (up == "AND") t.kind = Tok::And;
            else if (up == "OR") t.kind = Tok::Or;
            else if (up == "NOT") t.kind = Tok::Not;
            else if (up == "LIKE") t.kind = Tok::Like;
            else if (up == "IS") t.kind = Tok::Is;
            else if (up == "NULL") t.kind = Tok::Null;
            else if (up == "TRUE") t.kind = Tok::True;
            else if (up == "FALSE") t.kind = Tok::False;
            else t.kind = Tok::Name;
            return t;
        }
        std::size_t p = pos_;
        Utf8Next(s_, p);
        Fail(Format(dbconsts::SExprInvalidChar, std::string(s_.substr(pos_, p - pos_))));
    }

    // A sign belongs to a number only where an operand may start.
    void SetSignAllowed(bool b) { signAllowed_ = b; }

private:
    static bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
    static bool IsNameStart(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
    }
    static bool IsNameChar(char c) { return IsNameStart(c) || IsDigitChar(c) || c == '$' || c == '.'; }

    Token ReadNumber() {
        Token t;
        std::size_t i = pos_;
        std::string norm;
        if (s_[i] == '-' || s_[i] == '+') norm += s_[i++];
        bool integral = true;
        while (i < s_.size() && IsDigitChar(s_[i])) norm += s_[i++];
        const char dec = FormatSettings.DecimalSeparator;
        if (i + 1 < s_.size() && (s_[i] == '.' || (s_[i] == dec && dec != '\'')) && IsDigitChar(s_[i + 1])) {
            integral = false;
            norm += '.';
            ++i;
            while (i < s_.size() && IsDigitChar(s_[i])) norm += s_[i++];
        }
        if (i < s_.size() && (s_[i] == 'e' || s_[i] == 'E')) {
            std::size_t j = i + 1;
            std::string exp = "e";
            if (j < s_.size() && (s_[j] == '-' || s_[j] == '+')) exp += s_[j++];
            if (j < s_.size() && IsDigitChar(s_[j])) {
                while (j < s_.size() && IsDigitChar(s_[j])) exp += s_[j++];
                norm += exp;
                integral = false;
                i = j;
            }
        }
        t.kind = Tok::Number;
        t.text = std::string(s_.substr(pos_, i - pos_));
        t.number = StrToFloat(norm, TFormatSettings::Invariant());
        t.integral = integral;
        pos_ = i;
        return t;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    bool signAllowed_ = true;
};

} // namespace

struct TFilterExpression::Node {
    enum Kind { Or, And, Not, Compare, Like, IsNull, Field, Const } kind;
    Tok op = Tok::End;   // comparison operator
    bool negate = false; // NOT LIKE, IS NOT NULL
    std::unique_ptr<Node> a, b;
    std::string name;    // field name
    int slot = -1;
    TFieldType type = ftUnknown;
    Variant value;       // constant
    bool textConst = false;
    int height = 1;      // of the subtree: evaluating and freeing it recurse that deep
};

namespace {

using Node = TFilterExpression::Node;

class Parser {
public:
    explicit Parser(std::string_view s) : lex_(s) { Advance(); }

    std::unique_ptr<Node> Parse() {
        auto n = ParseOr();
        if (cur_.kind != Tok::End) Fail(dbconsts::SExprTermination);
        return n;
    }

private:
    void Advance() {
        cur_ = lex_.Next();
        // After an operand or ")" a sign is an operator of its own, which this
        // language lacks; elsewhere it starts a number.
        const bool operand = cur_.kind == Tok::Field || cur_.kind == Tok::Name || cur_.kind == Tok::Text ||
                             cur_.kind == Tok::Number || cur_.kind == Tok::RParen || cur_.kind == Tok::Null ||
                             cur_.kind == Tok::True || cur_.kind == Tok::False;
        lex_.SetSignAllowed(!operand);
    }

    std::string Found() const {
        return cur_.kind == Tok::End ? std::string(dbconsts::SExprNothing) : "'" + cur_.text + "'";
    }

    static std::unique_ptr<Node> Make(Node::Kind k) {
        auto n = std::make_unique<Node>();
        n->kind = k;
        return n;
    }

    // Nesting beyond any real filter is refused before it overflows the stack,
    // whether in parsing (parentheses, NOTs) or in the tree (long chains).
    static constexpr int kMaxNesting = 200;
    static constexpr int kMaxHeight = 1000;

    struct Nest {
        explicit Nest(Parser& p) : p_(p) {
            if (++p_.nesting_ > kMaxNesting) Fail(dbconsts::SExprIncorrect);
        }
        ~Nest() { --p_.nesting_; }
        Parser& p_;
    };

    static std::unique_ptr<Node> Join(Node::Kind k, std::unique_ptr<Node> a, std::unique_ptr<Node> b) {
        auto n = Make(k);
        n->height = 1 + std::max(a->height, b ? b->height : 0);
        if (n->height > kMaxHeight) Fail(dbconsts::SExprIncorrect);
        n->a = std::move(a);
        n->b = std::move(b);
        return n;
    }

    std::unique_ptr<Node> ParseOr() {
        auto left = ParseAnd();
        while (cur_.kind == Tok::Or) {
            Advance();
            auto right = ParseAnd();
            left = Join(Node::Or, std::move(left), std::move(right));
        }
        return left;
    }

    std::unique_ptr<Node> ParseAnd() {
        auto left = ParseNot();
        while (cur_.kind == Tok::And) {
            Advance();
            auto right = ParseNot();
            left = Join(Node::And, std::move(left), std::move(right));
        }
        return left;
    }

    std::unique_ptr<Node> ParseNot() {
        if (cur_.kind == Tok::Not) {
            Nest nest(*this);
            Advance();
            return Join(Node::Not, ParseNot(), nullptr);
        }
        return ParsePredicate();
    }

    std::unique_ptr<Node> ParsePredicate() {
        if (cur_.kind == Tok::LParen) {
            Nest nest(*this);
            Advance();
            auto n = ParseOr();
            if (cur_.kind != Tok::RParen) Fail(Format(dbconsts::SExprNoRParen, Found()));
            Advance();
            return n;
        }
        auto left = ParseOperand();
        switch (cur_.kind) {
        case Tok::Eq: case Tok::Ne: case Tok::Lt: case Tok::Gt: case Tok::Le: case Tok::Ge: {
            const Tok op = cur_.kind;
            Advance();
            if (cur_.kind == Tok::Null) {
                // "= NULL" and "<> NULL" read as IS NULL and IS NOT NULL.
                if (op != Tok::Eq && op != Tok::Ne) Fail(dbconsts::SExprBadNullTest);
                Advance();
                auto n = Make(Node::IsNull);
                n->negate = op == Tok::Ne;
                n->a = std::move(left);
                return n;
            }
            auto n = Make(Node::Compare);
            n->op = op;
            n->a = std::move(left);
            n->b = ParseOperand();
            return n;
        }
        case Tok::Not:
        case Tok::Like: {
            bool negate = false;
            if (cur_.kind == Tok::Not) {
                Advance();
                if (cur_.kind != Tok::Like) Fail(Format(dbconsts::SExprExpected, Found()));
                negate = true;
            }
            Advance();
            auto n = Make(Node::Like);
            n->negate = negate;
            n->a = std::move(left);
            n->b = ParseOperand();
            return n;
        }
        case Tok::Is: {
            Advance();
            bool negate = false;
            if (cur_.kind == Tok::Not) { negate = true; Advance(); }
            if (cur_.kind != Tok::Null) Fail(Format(dbconsts::SExprExpected, Found()));
            Advance();
            auto n = Make(Node::IsNull);
            n->negate = negate;
            n->a = std::move(left);
            return n;
        }
        default:
            break;
        }
        // A lone operand is a condition only when it is a field or a boolean.
        if (left->kind == Node::Field || (left->kind == Node::Const && left->value.VarType() == varBoolean)) return left;
        Fail(dbconsts::SExprIncorrect);
    }

    std::unique_ptr<Node> ParseOperand() {
        std::unique_ptr<Node> n;
        switch (cur_.kind) {
        case Tok::Field:
        case Tok::Name:
            n = Make(Node::Field);
            n->name = cur_.text;
            break;
        case Tok::Text:
            n = Make(Node::Const);
            n->value = Variant(cur_.text);
            n->textConst = true;
            break;
        case Tok::Number:
            n = Make(Node::Const);
            if (cur_.integral && cur_.number >= -9.2e18 && cur_.number <= 9.2e18)
                n->value = Variant(static_cast<long long>(cur_.number));
            else
                n->value = Variant(cur_.number);
            break;
        case Tok::True:
        case Tok::False:
            n = Make(Node::Const);
            n->value = Variant(cur_.kind == Tok::True);
            break;
        case Tok::Null:
            n = Make(Node::Const);
            n->value = Null();
            break;
        default:
            Fail(Format(dbconsts::SExprExpected, Found()));
        }
        Advance();
        return n;
    }

    Lexer lex_;
    Token cur_;
    int nesting_ = 0;
};

void CollectNames(const Node* n, std::vector<std::string>& out) {
    if (!n) return;
    if (n->kind == Node::Field) {
        if (std::none_of(out.begin(), out.end(), [&](const std::string& s) { return SameText(s, n->name); }))
            out.push_back(n->name);
    }
    CollectNames(n->a.get(), out);
    CollectNames(n->b.get(), out);
}

// A constant compared with a field takes the field's type once, at binding.
void ConvertConstant(Node& c, const Node& field) {
    if (!c.textConst) return;
    const std::string s = c.value.AsString();
    const TFieldType t = field.type;
    if (IsNumericType(t)) {
        double d = 0;
        if (!TryStrToFloat(s, d) && !TryStrToFloat(s, d, TFormatSettings::Invariant()))
            Fail(Format(dbconsts::SInvalidFloatValue, s, field.name));
        c.value = Variant(d);
    } else if (IsDateTimeType(t)) {
        TDateTime dt;
        if (!TryStrToDateTime(s, dt) && !TryStrToDate(s, dt) && !TryStrToTime(s, dt) &&
            !TryStrToDateTime(s, dt, TFormatSettings::Invariant()))
            Fail(Format(dbconsts::SInvalidDateValue, s, field.name));
        c.value = Variant(dt);
    } else if (t == ftBoolean) {
        bool b = false;
        if (!TryStrToBool(s, b)) Fail(Format(dbconsts::SInvalidBoolValue, s, field.name));
        c.value = Variant(b);
    }
}

void BindNode(Node* n, const TFilterExpression::Resolver& resolve) {
    if (!n) return;
    if (n->kind == Node::Field) {
        auto b = resolve(n->name);
        if (!b) Fail(Format(dbconsts::SFieldNotFound, n->name));
        n->slot = b->slot;
        n->type = b->type;
        return;
    }
    BindNode(n->a.get(), resolve);
    BindNode(n->b.get(), resolve);
    if (n->kind == Node::Compare) {
        if (n->a->kind == Node::Field && n->b->kind == Node::Const) ConvertConstant(*n->b, *n->a);
        if (n->b->kind == Node::Field && n->a->kind == Node::Const) ConvertConstant(*n->a, *n->b);
    }
}

// Where a record's truth is asked of a lone operand, it must be a boolean.
void CheckCondition(const Node* n) {
    switch (n->kind) {
    case Node::Or:
    case Node::And:
        CheckCondition(n->a.get());
        CheckCondition(n->b.get());
        break;
    case Node::Not:
        CheckCondition(n->a.get());
        break;
    case Node::Field:
        if (n->type != ftBoolean) Fail(dbconsts::SExprIncorrect);
        break;
    default:
        break;
    }
}

enum Truth { False = 0, True = 1, Unknown = 2 };

const Variant& ValueOf(const Node* n, const std::vector<Variant>& values) {
    static const Variant none = Null();
    if (n->kind == Node::Const) return n->value;
    if (n->slot < 0 || n->slot >= static_cast<int>(values.size())) return none;
    return values[static_cast<std::size_t>(n->slot)];
}

Truth Eval(const Node* n, const std::vector<Variant>& values) {
    switch (n->kind) {
    case Node::Or: {
        const Truth a = Eval(n->a.get(), values);
        if (a == True) return True;
        const Truth b = Eval(n->b.get(), values);
        if (b == True) return True;
        return (a == Unknown || b == Unknown) ? Unknown : False;
    }
    case Node::And: {
        const Truth a = Eval(n->a.get(), values);
        if (a == False) return False;
        const Truth b = Eval(n->b.get(), values);
        if (b == False) return False;
        return (a == Unknown || b == Unknown) ? Unknown : True;
    }
    case Node::Not: {
        const Truth a = Eval(n->a.get(), values);
        return a == Unknown ? Unknown : (a == True ? False : True);
    }
    case Node::IsNull: {
        const Variant& v = ValueOf(n->a.get(), values);
        const bool isNull = v.IsNull() || v.IsEmpty();
        return (isNull != n->negate) ? True : False;
    }
    case Node::Like: {
        const Variant& v = ValueOf(n->a.get(), values);
        const Variant& p = ValueOf(n->b.get(), values);
        if (v.IsNull() || v.IsEmpty() || p.IsNull() || p.IsEmpty()) return Unknown;
        return (LikeMatch(VarToStr(v), VarToStr(p)) != n->negate) ? True : False;
    }
    case Node::Compare: {
        const Variant& a = ValueOf(n->a.get(), values);
        const Variant& b = ValueOf(n->b.get(), values);
        if (a.IsNull() || a.IsEmpty() || b.IsNull() || b.IsEmpty()) return Unknown;
        const int c = CompareFieldValues(a, b);
        bool r = false;
        switch (n->op) {
        case Tok::Eq: r = c == 0; break;
        case Tok::Ne: r = c != 0; break;
        case Tok::Lt: r = c < 0; break;
        case Tok::Gt: r = c > 0; break;
        case Tok::Le: r = c <= 0; break;
        case Tok::Ge: r = c >= 0; break;
        default: break;
        }
        return r ? True : False;
    }
    case Node::Field:
    case Node::Const: {
        const Variant& v = ValueOf(n, values);
        if (v.IsNull() || v.IsEmpty()) return Unknown;
        try {
            return v.AsBoolean() ? True : False;
        } catch (const EVariantError&) {
            return False;
        }
    }
    }
    return False;
}

} // namespace

TFilterExpression::TFilterExpression(std::string_view text) : text_(text) {
    if (Trim(text).empty()) return;
    Parser p(text);
    root_ = p.Parse();
}

TFilterExpression::~TFilterExpression() = default;
TFilterExpression::TFilterExpression(TFilterExpression&&) noexcept = default;
TFilterExpression& TFilterExpression::operator=(TFilterExpression&&) noexcept = default;

std::vector<std::string> TFilterExpression::FieldNames() const {
    std::vector<std::string> out;
    CollectNames(root_.get(), out);
    return out;
}

void TFilterExpression::Bind(const Resolver& resolve) {
    BindNode(root_.get(), resolve);
    if (root_) CheckCondition(root_.get());
}

bool TFilterExpression::Evaluate(const std::vector<Variant>& values) const {
    if (!root_) return true;
    return Eval(root_.get(), values) == True;
}

} // namespace tv
