#pragma once
// Filter-row conditions: the parsed form of what a user types in a filter
// cell (*> 100*, *~ 'A%'*, *In (1,2,3)*, *<> NULL*, *> 5 AND < 10*), its
// display form, and the dataset filter text built from every column.
#include <cstdint>
#include <functional>
#include <string>

#include "core/variant.h"

namespace tv {

class TDataSet;
class TCustomDBGridEh;

// How operand texts are read, chosen from the field's type.
enum TSTFilterExpressionType : std::uint8_t { fetNone, fetText, fetNumber, fetDateTime, fetBoolean };

// Operator codes; each indexes the dataset texts and the cell texts.
enum TSTFilterOperator : std::uint8_t {
    fopNone, fopEqual, fopNotEqual, fopGreater, fopLess, fopGreaterOrEqual, fopLessOrEqual, fopLike, fopNotLike,
    fopIn, fopNotIn, fopIsNull, fopIsNotNull, fopAnd, fopOr, fopValue
};

struct TSTFilterExpressionEh {
    std::uint8_t ExpressionType = fetNone;
    std::uint8_t Operator1 = fopNone;
    Variant Operand1 = Null();
    std::uint8_t Relation = fopNone;
    std::uint8_t Operator2 = fopNone;
    Variant Operand2 = Null();
};

// The texts that operator codes stand for in a dataset filter and in a cell.
const char* FilterOperatorDataSetText(std::uint8_t op);
const char* FilterOperatorCellText(std::uint8_t op);
// The expression type of a field type (TFieldType).
std::uint8_t FilterExpressionTypeOf(int fieldType);

void ResetFilterExpression(TSTFilterExpressionEh& e);
// Parses `text` into `e` (whose ExpressionType the caller has set). True when
// the text held two conditions. A bad text raises Exception naming the text.
bool ParseFilterExpression(const std::string& text, TSTFilterExpressionEh& e);
// The display form of `e`; `valuesAsCommaText` lists the values of Operand1 only.
std::string FilterExpressionAsText(const TSTFilterExpressionEh& e, bool valuesAsCommaText = false);

using TDateValueToDataSetTextEh = std::function<std::string(TDataSet* dataSet, TDateTime value)>;
using TBuildConditionTextEh =
    std::function<void(std::uint8_t op, const Variant& operand, const std::string& fieldName, std::string& text,
                       bool useLike, const TDateValueToDataSetTextEh& dateFormatter, TDataSet* dataSet)>;

// The default condition builder: each piece begins with a blank.
void BuildConditionText(std::uint8_t op, const Variant& operand, const std::string& fieldName, std::string& text,
                        bool useLike, const TDateValueToDataSetTextEh& dateFormatter, TDataSet* dataSet);
// The dataset filter text of every column of the grid.
void BuildGridFilterText(TCustomDBGridEh* grid, const TBuildConditionTextEh& builder,
                         const TDateValueToDataSetTextEh& dateFormatter, std::string& text, bool useLike,
                         bool useOrigins);

} // namespace tv
