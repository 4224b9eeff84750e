#include "i18n/pluralexpression.h"

#include <cstring>

namespace tv {

namespace {

// Deeper nesting and longer expressions than any real language needs; they
// keep a hostile header from exhausting the stack.
constexpr int kMaxDepth = 64;
constexpr std::size_t kMaxNodes = 1000;

class Parser {
public:
    Parser(std::string_view text, std::vector<TPluralExpression::Node>& nodes) : s_(text), nodes_(nodes) {}

    // Returns the root node, or -1.
    int ParseAll() {
        int root = Conditional(0);
        Skip();
        if (root < 0 || pos_ != s_.size()) return -1;
        return root;
    }

private:
    using Node = TPluralExpression::Node;

    void Skip() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool Accept(std::string_view token) {
        Skip();
        if (s_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }
    int Add(Node n) {
        if (nodes_.size() >= kMaxNodes) return -1;
        nodes_.push_back(n);
        return static_cast<int>(nodes_.size()) - 1;
    }
    int MakeBinary(const char* op, int a, int b) {
        if (a < 0 || b < 0) return -1;
        Node n{Node::Binary};
        std::memcpy(n.op, op, std::strlen(op));
        n.a = a;
        n.b = b;
        return Add(n);
    }

    int Conditional(int depth) {
        if (depth > kMaxDepth) return -1;
        int cond = Binary(0, depth);
        if (cond < 0) return -1;
        if (!Accept("?")) return cond;
        int yes = Conditional(depth + 1);
        if (yes < 0 || !Accept(":")) return -1;
        int no = Conditional(depth + 1);
        if (no < 0) return -1;
        Node n{Node::Conditional};
        n.a = cond;
        n.b = yes;
        n.c = no;
        return Add(n);
    }

    // Binary operators by level, lowest precedence first.
    int Binary(int level, int depth) {
        static const std::vector<std::vector<const char*>> levels = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (level == static_cast<int>(levels.size())) return Unary(depth);
        int left = Binary(level + 1, depth);
        for (;;) {
            if (left < 0) return -1;
            const char* matched = nullptr;
            for (const char* op : levels[level]) {
                // "<" must not swallow the first half of "<=", nor "!" of "!=".
                if (Accept(op)) { matched = op; break; }
            }
            if (!matched) return left;
            int right = Binary(level + 1, depth);
            left = MakeBinary(matched, left, right);
        }
    }

    int Unary(int depth) {
        if (depth > kMaxDepth) return -1;
        Skip();
        if (pos_ < s_.size() && s_[pos_] == '!' && (pos_ + 1 >= s_.size() || s_[pos_ + 1] != '=')) {
            ++pos_;
            int operand = Unary(depth + 1);
            if (operand < 0) return -1;
            Node n{Node::Not};
            n.a = operand;
            return Add(n);
        }
        if (Accept("(")) {
            int inner = Conditional(depth + 1);
            if (inner < 0 || !Accept(")")) return -1;
            return inner;
        }
        Skip();
        if (pos_ < s_.size() && s_[pos_] == 'n') {
            ++pos_;
            return Add(Node{Node::Variable});
        }
        if (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
            std::uint64_t v = 0;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
                const unsigned digit = static_cast<unsigned>(s_[pos_] - '0');
                if (v > (UINT64_MAX - digit) / 10) return -1;
                v = v * 10 + digit;
                ++pos_;
            }
            Node n{Node::Number};
            n.value = v;
            return Add(n);
        }
        return -1;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::vector<TPluralExpression::Node>& nodes_;
};

std::optional<std::uint64_t> Eval(const std::vector<TPluralExpression::Node>& nodes, int i, std::uint64_t n) {
    using Node = TPluralExpression::Node;
    const Node& node = nodes[static_cast<std::size_t>(i)];
    switch (node.kind) {
    case Node::Number: return node.value;
    case Node::Variable: return n;
    case Node::Not: {
        auto v = Eval(nodes, node.a, n);
        if (!v) return std::nullopt;
        return *v == 0 ? 1 : 0;
    }
    case Node::Conditional: {
        auto c = Eval(nodes, node.a, n);
        if (!c) return std::nullopt;
        return Eval(nodes, *c ? node.b : node.c, n);
    }
    case Node::Binary: break;
    }
    const std::string_view op = node.op;
    auto a = Eval(nodes, node.a, n);
    if (!a) return std::nullopt;
    if (op == "||" && *a) return 1;
    if (op == "&&" && !*a) return 0;
    auto b = Eval(nodes, node.b, n);
    if (!b) return std::nullopt;
    if (op == "||" || op == "&&") return *b ? 1 : 0;
    if (op == "==") return *a == *b;
    if (op == "!=") return *a != *b;
    if (op == "<") return *a < *b;
    if (op == ">") return *a > *b;
    if (op == "<=") return *a <= *b;
    if (op == ">=") return *a >= *b;
    if (op == "+") return *a + *b;
    if (op == "-") return *a - *b;
    if (op == "*") return *a * *b;
    if (*b == 0) return std::nullopt;
    if (op == "/") return *a / *b;
    return *a % *b;
}

} // namespace

std::optional<TPluralExpression> TPluralExpression::Parse(std::string_view text) {
    TPluralExpression e;
    Parser p(text, e.nodes_);
    e.root_ = p.ParseAll();
    if (e.root_ < 0) return std::nullopt;
    return e;
}

std::optional<std::uint64_t> TPluralExpression::Evaluate(std::uint64_t n) const {
    if (root_ < 0) return std::nullopt;
    return Eval(nodes_, root_, n);
}

std::optional<TPluralForms> PluralFormsOfHeader(std::string_view header, bool& malformed) {
    malformed = false;
    std::string_view line;
    for (std::size_t start = 0; start < header.size();) {
        std::size_t end = header.find('\n', start);
        if (end == std::string_view::npos) end = header.size();
        std::string_view l = header.substr(start, end - start);
        if (l.substr(0, 13) == "Plural-Forms:") {
            line = l.substr(13);
            break;
        }
        start = end + 1;
    }
    if (line.empty()) return std::nullopt;
    malformed = true;

    const std::size_t np = line.find("nplurals");
    std::size_t pl = line.find("plural");
    while (pl != std::string_view::npos && pl > 0 && line[pl - 1] == 'n') pl = line.find("plural", pl + 1);
    if (np == std::string_view::npos || pl == std::string_view::npos) return std::nullopt;

    std::size_t at = np + 8;
    while (at < line.size() && line[at] == ' ') ++at;
    if (at >= line.size() || line[at] != '=') return std::nullopt;
    ++at;
    while (at < line.size() && line[at] == ' ') ++at;
    std::uint64_t count = 0;
    std::size_t digits = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && digits < 9) {
        count = count * 10 + static_cast<unsigned>(line[at] - '0');
        ++at;
        ++digits;
    }
    if (digits == 0 || count == 0) return std::nullopt;

    std::size_t eq = line.find('=', pl);
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view text = line.substr(eq + 1);
    const std::size_t semicolon = text.find(';');
    if (semicolon != std::string_view::npos) text = text.substr(0, semicolon);
    auto expression = TPluralExpression::Parse(text);
    if (!expression) return std::nullopt;
    malformed = false;
    return TPluralForms{count, std::move(*expression)};
}

} // namespace tv
