#pragma once
// TParam and TParams: the named values of a query, a stored procedure or a
// client dataset's command. ":NAME" in SQL text refers to them.
#include <memory>
#include <string>
#include <vector>

#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TField;

class TParam {
public:
    TParam() = default;
    TParam(std::string name, TFieldType type = ftUnknown, TParamType paramType = ptInput)
        : name_(std::move(name)), dataType_(type), paramType_(paramType) {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }
    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType t) { dataType_ = t; }
    TParamType ParamType() const { return paramType_; }
    void SetParamType(TParamType t) { paramType_ = t; }
    int Size() const { return size_; }
    void SetSize(int s) { size_ = s; }
    int Precision() const { return precision_; }
    void SetPrecision(int p) { precision_ = p; }
    int NumericScale() const { return scale_; }
    void SetNumericScale(int s) { scale_ = s; }
    // A parameter is bound once a value was given to it.
    bool Bound() const { return bound_; }
    void SetBound(bool b) { bound_ = b; }

    const Variant& Value() const { return value_; }
    // Sets the value; an untyped parameter takes the type of the value.
    void SetValue(const Variant& v);
    bool IsNull() const { return value_.IsNull() || value_.IsEmpty(); }
    void Clear();
    std::string AsString() const { return VarToStr(value_); }
    void SetAsString(const std::string& s);
    int AsInteger() const;
    void SetAsInteger(int v);
    double AsFloat() const;
    void SetAsFloat(double v);
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime v);
    // Takes the field's value and type.
    void AssignField(const TField* field);
    void Assign(const TParam& other);

private:
    std::string name_;
    TFieldType dataType_ = ftUnknown;
    TParamType paramType_ = ptInput;
    int size_ = 0, precision_ = 0, scale_ = 0;
    bool bound_ = false;
    Variant value_ = Null();
};

class TParams {
public:
    TParams() = default;
    TParams(const TParams& other) { Assign(other); }
    TParams& operator=(const TParams& other) { Assign(other); return *this; }

    int Count() const { return static_cast<int>(items_.size()); }
    TParam& Items(int index) const;
    TParam& operator[](int index) const { return Items(index); }
    TParam& Add(const std::string& name, TFieldType type = ftUnknown, TParamType paramType = ptInput);
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Case-insensitive; FindParam answers null, ParamByName raises
    // EDatabaseError "Parameter 'x' not found".
    TParam* FindParam(const std::string& name) const;
    TParam& ParamByName(const std::string& name) const;
    Variant ParamValues(const std::string& name) const { return ParamByName(name).Value(); }
    void SetParamValues(const std::string& name, const Variant& v) { ParamByName(name).SetValue(v); }
    void Assign(const TParams& other);
    // Copies the values of parameters that have the same names in `other`.
    void AssignValues(const TParams& other);
    // Reads ":NAME" references from SQL text (outside quotes), adding a
    // parameter per new name, in order of appearance; returns the names.
    std::vector<std::string> ParseSQL(const std::string& sql, bool createParams);

private:
    std::vector<std::unique_ptr<TParam>> items_;
};

} // namespace tv
