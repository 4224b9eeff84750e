#include "grid/filterexpression.h"

#include <cstring>
#include <vector>

#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/stfilter.h"

namespace tv {

namespace {

const char* const kDataSetTexts[] = {"",   "=",    "<>",       ">",  "<",      ">=",      "<=",          "LIKE",
                                     "NOT LIKE", "IN", "NOT IN", "IS NULL", "IS NOT NULL", "AND", "OR", ""};
const char* const kCellTexts[] = {"", "=", "<>", ">", "<", ">=", "<=", "~", "!~", "In", "!In", "Null", "Null",
                                  "AND", "OR", ""};

// The filter row's texts stay in English, as the filter cell's own.
const char* const kErrorInExpression = "Error in expression: ";
const char* const kBeforeNull = "Unexpected expression before Null: ";
const char* const kAfterOperator = "Unexpected expression after operator: ";
const char* const kIncorrect = "Incorrect expression: ";
const char* const kAndOr = "Unexpected AND or OR: ";
const char* const kQuoteAbsent = "Quote is absent: ";
const char* const kOpenParen = "'(' expected: ";
const char* const kCloseParen = "')' expected: ";

bool IsDelimiter(unsigned char c) {
    return c < 32 || std::strchr(" !\"&'()+,-.<=>|~", c) != nullptr;
}

// Reads one filter text from its start to its end, raising with the whole text.
class TFilterLexer {
public:
    TFilterLexer(const std::string& text, std::uint8_t type) : s_(text), type_(type) {}

    [[noreturn]] void Fail(const char* message) const { throw Exception(message + s_); }
    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }
    void Skip() { ++pos_; }
    void SkipBlanks() {
        while (!AtEnd() && s_[pos_] == ' ') ++pos_;
    }
    bool ListsAllowed() const { return !(type_ == fetNumber && FormatSettings.DecimalSeparator == ','); }

    // The code of the next lexeme; a value (15) leaves the value in `value`.
    // Only one NOT before LIKE, IN or NULL means anything; a run of them is
    // read in a loop, and one longer than any real condition is refused before
    // it costs more.
    std::uint8_t Next(bool lists, Variant& value) {
        bool isNot = false;
        std::uint8_t op = Lexeme(lists, value, isNot);
        if (!isNot) return op;
        int nots = 1;
        Variant dummy;
        do {
            if (nots > kMaxNots) Fail(kErrorInExpression);
            op = Lexeme(lists, dummy, isNot);
            nots += isNot;
        } while (isNot);
        if (nots > 1) return fopNone;
        if (op == fopLike) return fopNotLike;
        if (op == fopIn) return fopNotIn;
        if (op == fopIsNull) return fopIsNotNull;
        return fopNone;
    }

    // A value or a list of values; Null when there is none.
    Variant ReadValues(bool lists) {
        std::vector<Variant> values;
        for (;;) {
            SkipBlanks();
            Variant v = ReadValue(lists);
            if (v.IsNull()) break;
            values.push_back(v);
            if (!lists || Peek() != ',') break;
            ++pos_;
        }
        if (values.empty()) return Null();
        if (values.size() == 1) return values[0];
        return VarArrayOf(values);
    }

private:
    static constexpr int kMaxNots = 200;

    // One lexeme; a NOT sets `isNot` and gives fopNone.
    std::uint8_t Lexeme(bool lists, Variant& value, bool& isNot) {
        value = Null();
        isNot = false;
        if (AtEnd()) return fopNone;
        char c = s_[pos_];
        std::uint8_t op = fopNone;
        switch (c) {
        case '!':
            ++pos_;
            if (Peek() == '=') {
                ++pos_;
                op = fopNotEqual;
            } else {
                isNot = true;
            }
            break;
        case '&': ++pos_; op = fopAnd; break;
        case '|': ++pos_; op = fopOr; break;
        case '~': ++pos_; op = fopLike; break;
        case '=': ++pos_; op = fopEqual; break;
        case '>':
            ++pos_;
            if (Peek() == '=') { ++pos_; op = fopGreaterOrEqual; } else op = fopGreater;
            break;
        case '<':
            ++pos_;
            if (Peek() == '=') { ++pos_; op = fopLessOrEqual; }
            else if (Peek() == '>') { ++pos_; op = fopNotEqual; }
            else op = fopLess;
            break;
        case '(':
            return fopNone;
        case '\'':
            return ValueLexeme(lists, value);
        default: {
            std::string word = AnsiUpperCase(WordAt(pos_));
            if (word == "NOT") isNot = true;
            else if (word == "AND") op = fopAnd;
            else if (word == "OR") op = fopOr;
            else if (word == "LIKE") op = fopLike;
            else if (word == "IN") op = fopIn;
            else if (word == "NULL") op = fopIsNull;
            else return ValueLexeme(lists, value);
            pos_ += word.size();
        }
        }
        SkipBlanks();
        if (op == fopIn) {
            if (Peek() != '(') Fail(kOpenParen);
            ++pos_;
        }
        return op;
    }

    std::uint8_t ValueLexeme(bool lists, Variant& value) {
        value = ReadValues(lists);
        return value.IsNull() ? fopNone : fopValue;
    }

    std::string WordAt(std::size_t p) const {
        std::size_t e = p;
        while (e < s_.size() && !IsDelimiter(static_cast<unsigned char>(s_[e]))) ++e;
        return s_.substr(p, e - p);
    }

    // Whether an operator (codes 1 to 14) starts at p.
    bool OperatorAt(std::size_t p) const {
        if (p >= s_.size()) return false;
        if (std::strchr("!&|~=<>", s_[p])) return true;
        std::string w = AnsiUpperCase(WordAt(p));
        return w == "NOT" || w == "AND" || w == "OR" || w == "LIKE" || w == "IN" || w == "NULL";
    }

    Variant ReadValue(bool lists) {
        if (AtEnd()) return Null();
        if (s_[pos_] == '\'') {
            // A quote inside the value is written twice, as the cell shows it.
            std::string v;
            for (std::size_t i = pos_ + 1;;) {
                std::size_t close = s_.find('\'', i);
                if (close == std::string::npos) Fail(kQuoteAbsent);
                v.append(s_, i, close - i);
                if (close + 1 < s_.size() && s_[close + 1] == '\'') {
                    v += '\'';
                    i = close + 2;
                    continue;
                }
                pos_ = close + 1;
                return Variant(v);
            }
        }
        std::size_t e = pos_;
        while (e < s_.size()) {
            char c = s_[e];
            if (c == '(' || c == ')' || (lists && c == ',')) break;
            if (c == ' ') {
                // The whole run of blanks is looked past once.
                std::size_t k = e;
                while (k < s_.size() && s_[k] == ' ') ++k;
                if (OperatorAt(k)) break;
                e = k;
                continue;
            }
            ++e;
        }
        std::string v = TrimRight(s_.substr(pos_, e - pos_));
        pos_ = e;
        if (v.empty()) return Null();
        return Variant(v);
    }

    const std::string& s_;
    std::uint8_t type_;
    std::size_t pos_ = 0;
};

Variant ConvertOperand(const Variant& v, std::uint8_t type) {
    if (v.IsArray()) {
        std::vector<Variant> items;
        for (int i = VarArrayLowBound(v, 1); i <= VarArrayHighBound(v, 1); ++i) items.push_back(ConvertOperand(v[i], type));
        return VarArrayOf(items);
    }
    if (v.IsNull()) return v;
    if (type == fetNumber) return Variant(StrToFloat(v.AsString()));
    if (type == fetDateTime) return Variant(StrToDateTime(v.AsString()));
    return v;
}

// Reads one condition into op and operand.
void ParseCondition(TFilterLexer& lx, bool checkParen, std::uint8_t type, std::uint8_t& op, Variant& operand) {
    bool lists = lx.ListsAllowed();
    Variant value;
    std::uint8_t lex = lx.Next(lists, value);
    if (lex == fopValue) {
        op = value.IsArray() ? fopIn : type == fetText ? fopLike : fopEqual;
        operand = value;
        return;
    }
    // A relation cannot open a condition.
    if (lex == fopNone || lex == fopAnd || lex == fopOr) lx.Fail(kErrorInExpression);
    op = lex;
    lx.SkipBlanks();
    bool list = op == fopIn || op == fopNotIn;
    std::uint8_t arg = lx.Next(lists || list, value);
    if (arg == fopIsNull) {
        if (op == fopEqual) op = fopIsNull;
        else if (op == fopNotEqual) op = fopIsNotNull;
        else lx.Fail(kBeforeNull);
        operand = Null();
    } else if (arg != fopValue) {
        lx.Fail(kAfterOperator);
    } else {
        operand = value;
    }
    if (list && checkParen) {
        lx.SkipBlanks();
        if (lx.Peek() != ')') lx.Fail(kCloseParen);
        lx.Skip();
    }
}

bool TakesOperand(std::uint8_t op) { return op >= fopEqual && op <= fopNotIn; }

std::string ValueText(const Variant& v, bool forCell) {
    if (VarIsFloat(v)) return FloatToStr(v.AsDouble());
    if (v.VarType() == varDate) return forCell ? DateToStr(v.AsDateTime()) : std::string();
    return QuotedStr(VarToStr(v));
}

std::vector<Variant> Items(const Variant& v) {
    std::vector<Variant> out;
    if (v.IsArray()) {
        for (int i = VarArrayLowBound(v, 1); i <= VarArrayHighBound(v, 1); ++i) out.push_back(v[i]);
    } else if (!v.IsNull() && !v.IsEmpty()) {
        out.push_back(v);
    }
    return out;
}

std::string ConditionAsText(std::uint8_t op, const Variant& operand) {
    if (op == fopNone) return std::string();
    if (op == fopIsNull) return "=Null";
    if (op == fopIsNotNull) return "<>Null";
    std::string cell = FilterOperatorCellText(op);
    if (op == fopIn || op == fopNotIn) {
        std::string list;
        for (const Variant& v : Items(operand)) list += (list.empty() ? "" : ",") + ValueText(v, true);
        return cell + " (" + list + ")";
    }
    return cell + " " + ValueText(operand, true);
}

// A value in the dataset's filter language.
std::string DataSetValueText(const Variant& v, const TDateValueToDataSetTextEh& dateFormatter, TDataSet* ds) {
    if (VarIsFloat(v)) {
        // The dataset reads numbers with a "."; a "," would split a list.
        return FloatToStr(v.AsDouble(), TFormatSettings::Invariant());
    }
    if (v.VarType() == varDate)
        return dateFormatter ? dateFormatter(ds, v.AsDateTime()) : "'" + DateTimeToStr(v.AsDateTime()) + "'";
    return QuotedStr(VarToStr(v));
}

} // namespace

const char* FilterOperatorDataSetText(std::uint8_t op) { return op < 16 ? kDataSetTexts[op] : ""; }
const char* FilterOperatorCellText(std::uint8_t op) { return op < 16 ? kCellTexts[op] : ""; }

std::uint8_t FilterExpressionTypeOf(int fieldType) {
    switch (fieldType) {
    case ftString: case ftMemo: case ftFmtMemo: case ftFixedChar: case ftWideString: case ftGuid:
        return fetText;
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency: case ftBCD: case ftAutoInc:
    case ftLargeint: case ftFMTBcd:
        return fetNumber;
    case ftDate: case ftTime: case ftDateTime: case ftTimeStamp:
        return fetDateTime;
    case ftBoolean:
        return fetBoolean;
    default:
        return fetNone;
    }
}

void ResetFilterExpression(TSTFilterExpressionEh& e) {
    e.Operator1 = fopNone;
    e.Operand1 = Null();
    e.Relation = fopNone;
    e.Operator2 = fopNone;
    e.Operand2 = Null();
}

bool ParseFilterExpression(const std::string& text, TSTFilterExpressionEh& e) {
    ResetFilterExpression(e);
    std::string t = Trim(text);
    if (t.empty()) return false;
    TFilterLexer lx(t, e.ExpressionType);
    lx.SkipBlanks();
    ParseCondition(lx, true, e.ExpressionType, e.Operator1, e.Operand1);
    bool two = false;
    lx.SkipBlanks();
    Variant value;
    std::uint8_t lex = lx.Next(lx.ListsAllowed(), value);
    if (lex == fopNone) {
        if (!lx.AtEnd()) lx.Fail(kIncorrect);
    } else {
        if (lex != fopAnd && lex != fopOr) lx.Fail(kAndOr);
        e.Relation = lex;
        lx.SkipBlanks();
        if (!lx.AtEnd()) {
            ParseCondition(lx, false, e.ExpressionType, e.Operator2, e.Operand2);
            two = true;
        }
    }
    e.Operand1 = TakesOperand(e.Operator1) ? ConvertOperand(e.Operand1, e.ExpressionType) : Null();
    e.Operand2 = TakesOperand(e.Operator2) ? ConvertOperand(e.Operand2, e.ExpressionType) : Null();
    return two;
}

std::string FilterExpressionAsText(const TSTFilterExpressionEh& e, bool valuesAsCommaText) {
    if (e.Operator1 == fopNone) return std::string();
    if (valuesAsCommaText) {
        std::string out;
        for (const Variant& v : Items(e.Operand1)) {
            std::string s = VarToStr(v);
            if (s.find_first_of(" ,\"") != std::string::npos) s = AnsiQuotedStr(s, '"');
            out += (out.empty() ? "" : ",") + s;
        }
        return out;
    }
    std::string out = ConditionAsText(e.Operator1, e.Operand1);
    if (e.Relation != fopNone)
        out += std::string(" ") + FilterOperatorCellText(e.Relation) + " " + ConditionAsText(e.Operator2, e.Operand2);
    return out;
}

void BuildConditionText(std::uint8_t op, const Variant& operand, const std::string& fieldName, std::string& text,
                        bool useLike, const TDateValueToDataSetTextEh& dateFormatter, TDataSet* dataSet) {
    switch (op) {
    case fopIn:
    case fopNotIn: {
        std::string list;
        for (const Variant& v : Items(operand))
            list += "[" + fieldName + "] = " + DataSetValueText(v, dateFormatter, dataSet) + " OR ";
        if (!list.empty()) list.resize(list.size() - 4);
        // Not in the list: none of the alternatives holds.
        text = std::string(op == fopNotIn ? " NOT" : "") + " (" + list + ")";
        break;
    }
    case fopLike:
        text = " [" + fieldName + (useLike ? "] Like " : "] = ") + DataSetValueText(operand, dateFormatter, dataSet);
        break;
    case fopNotLike:
        text = " [" + fieldName + (useLike ? "] Not Like " : "] <> ") + DataSetValueText(operand, dateFormatter, dataSet);
        break;
    default:
        text = " [" + fieldName + "] " + FilterOperatorDataSetText(op);
        if (op != fopIsNull && op != fopIsNotNull) text += " " + DataSetValueText(operand, dateFormatter, dataSet);
        break;
    }
}

void BuildGridFilterText(TCustomDBGridEh* grid, const TBuildConditionTextEh& builder,
                         const TDateValueToDataSetTextEh& dateFormatter, std::string& text, bool useLike,
                         bool useOrigins) {
    text.clear();
    TDataSet* ds = grid && grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    if (!ds || !ds->Active()) return;
    TDBGridColumnsEh* cols = grid->Columns();
    for (int i = 0; i < cols->Count(); ++i) {
        TColumnEh* c = cols->Items(i);
        TSTColumnFilterEh* f = c->STFilter();
        TField* field = c->Field();
        const TSTFilterExpressionEh& e = f->Expression();
        std::string name = f->FilterFieldName();
        if (useOrigins && field && !field->Origin().empty() && f->DataField().empty()) name = field->Origin();
        std::string s;
        if (e.ExpressionType != fetNone && field && e.Operator1 != fopNone) {
            builder(e.Operator1, f->FilterOperand1(), name, s, useLike, dateFormatter, ds);
            // A relation with nothing after it adds nothing to the dataset's text.
            if (e.Relation != fopNone && e.Operator2 != fopNone) {
                std::string second;
                builder(e.Operator2, f->FilterOperand2(), name, second, useLike, dateFormatter, ds);
                s += std::string(" ") + FilterOperatorDataSetText(e.Relation) + second;
                if (e.Relation == fopOr) s = "(" + s + ")";
            }
        }
        if (!s.empty()) text += s + " AND ";
    }
    if (!text.empty()) text.resize(text.size() - 4);
}

} // namespace tv
