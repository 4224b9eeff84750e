#pragma once
// TColumnFooterEh and TColumnFootersEh: a column's footer cells. The core
// keeps what columns, streaming and drawing need; sums fill in the values.
#include <memory>
#include <string>

#include "core/collection.h"
#include "framework/ui/graphics.h"
#include "grid/gridtypes.h"

namespace tv {

enum TFooterValueType { fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText };
extern const TEnumInfo TFooterValueTypeInfo;

class TColumnFooterEh : public TCollectionItem {
    TV_CLASS(TColumnFooterEh, TCollectionItem)
public:
    explicit TColumnFooterEh(TCollection* collection = nullptr);
    ~TColumnFooterEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    // The column a single footer belongs to; footers of a collection reach it through it.
    TColumnEh* Column() const;
    void SetColumn(TColumnEh* c) { column_ = c; }

    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    TColor Color() const;
    void SetColor(TColor v);
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& v);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& v);
    TFont* Font() const;
    void SetFont(TFont* v);
    bool FontAssigned() const { return fontAssigned_; }
    TFooterValueType ValueType() const { return valueType_; }
    void SetValueType(TFooterValueType v);
    const std::string& Value() const { return value_; }
    void SetValue(const std::string& v);
    bool ToolTips() const;
    void SetToolTips(bool v) { toolTips_ = v; toolTipsAssigned_ = true; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // The sum the sum list keeps for this footer.
    Variant SumValue;

    void RestoreDefaults();

private:
    void FontChanged(TObject*);
    void Changed();
    TColumnEh* column_ = nullptr;
    std::unique_ptr<TFont> font_;
    bool fontAssigned_ = false, fontCopying_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool alignmentAssigned_ = false;
    TColor color_ = clWindow;
    bool colorAssigned_ = false;
    std::string displayFormat_, fieldName_, value_;
    bool endEllipsis_ = false, toolTips_ = false, toolTipsAssigned_ = false, wordWrap_ = false;
    TFooterValueType valueType_ = fvtNon;
};

class TColumnFootersEh : public TCollection {
    TV_CLASS(TColumnFootersEh, TCollection)
public:
    explicit TColumnFootersEh(TColumnEh* column = nullptr);
    static void Publish(TPublisher&) {}
    TPersistent* GetOwner() const override;
    TColumnEh* Column() const { return column_; }
    TColumnFooterEh* Items(int i) const { return static_cast<TColumnFooterEh*>(TCollection::Items(i)); }
    TColumnFooterEh* Add() { return static_cast<TColumnFooterEh*>(TCollection::Add()); }

protected:
    void Update(TCollectionItem* item) override;

private:
    TColumnEh* column_;
};

} // namespace tv
