// The text of a data grid's filter cell, for each kind of column, and the
// condition shown and built back from it.
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "grid/filterexpression.h"
#include "grid/stfilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (std::uint8_t type : {tv::fetText, tv::fetNumber, tv::fetDateTime, tv::fetBoolean}) {
        tv::TSTFilterExpressionEh e;
        e.ExpressionType = type;
        try {
            tv::ParseFilterExpression(text, e);
            std::string shown = tv::FilterExpressionAsText(e);
            tv::FilterExpressionAsText(e, true);
            std::string built;
            tv::BuildConditionText(e.Operator1, e.Operand1, "F", built, true, nullptr, nullptr);
            tv::TSTFilterExpressionEh again;
            again.ExpressionType = type;
            tv::ParseFilterExpression(shown, again);
        } catch (const tv::Exception&) {
        }
    }
    return 0;
}
