#pragma once
// The filter language of datasets: what the grid's filter row, the
// dataset-features strategy and the business modules write into `Filter`.
//
//   [Field] or bare names, = <> != < > <= >=, LIKE / NOT LIKE with % and _,
//   IS NULL / IS NOT NULL, AND / OR / NOT, parentheses, quoted texts with
//   doubled quotes, numbers with "." (or the settings' decimal separator),
//   dates as quoted texts in the short date format, TRUE / FALSE, 1=1.
//
// A comparison with NULL is neither true nor false, and a record passes only
// when the whole expression is true.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TFilterExpression {
public:
    struct Node;
    struct FieldBinding {
        int slot = -1;
        TFieldType type = ftUnknown;
    };
    using Resolver = std::function<std::optional<FieldBinding>(const std::string& name)>;

    // Parses the text; a malformed text raises EDatabaseError. A blank text
    // accepts every record.
    explicit TFilterExpression(std::string_view text);
    ~TFilterExpression();
    TFilterExpression(TFilterExpression&&) noexcept;
    TFilterExpression& operator=(TFilterExpression&&) noexcept;

    const std::string& Text() const { return text_; }
    bool Empty() const { return !root_; }
    // The field names the expression reads, once each, in order of appearance.
    std::vector<std::string> FieldNames() const;

    // Ties every name to a value slot. An unknown name raises EDatabaseError
    // "Field 'x' not found"; a constant that does not convert to the type of
    // the field it is compared with raises EDatabaseError naming both.
    void Bind(const Resolver& resolve);
    // Evaluates over one record's values, indexed by slot.
    bool Evaluate(const std::vector<Variant>& values) const;

private:
    std::string text_;
    std::unique_ptr<Node> root_;
};

} // namespace tv
