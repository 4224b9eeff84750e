#pragma once
// The C-like plural expression of a catalog header ("plural=n != 1;"), parsed
// once and evaluated per count. A malformed expression does not parse; an
// evaluation that divides by zero has no result.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace tv {

class TPluralExpression {
public:
    // Nothing when the text is not a well-formed expression.
    static std::optional<TPluralExpression> Parse(std::string_view text);
    std::optional<std::uint64_t> Evaluate(std::uint64_t n) const;

    struct Node {
        enum Kind { Number, Variable, Not, Binary, Conditional } kind;
        char op[3] = {};
        std::uint64_t value = 0;
        int a = -1, b = -1, c = -1;
    };

private:
    std::vector<Node> nodes_;
    int root_ = -1;
};

// The plural settings of a catalog header's "Plural-Forms:" line.
struct TPluralForms {
    std::uint64_t count = 0;
    TPluralExpression expression;
};

// Nothing when the header has no "Plural-Forms:" line; `malformed` tells a line
// that is there but cannot be understood.
std::optional<TPluralForms> PluralFormsOfHeader(std::string_view header, bool& malformed);

} // namespace tv
