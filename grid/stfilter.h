#pragma once
// Filter-row settings of a grid (TSTDBGridEhFilter) and of a column
// (TSTColumnFilterEh): a column keeps the condition typed in its filter cell
// and its parsed form, from which the dataset filter text is built.
#include <memory>
#include <string>

#include "core/persistent.h"
#include "core/stringlist.h"
#include "framework/ui/graphics.h"
#include "grid/filterexpression.h"

namespace tv {

class TCustomDBGridEh;
class TColumnEh;
class TDataSet;
class TDataSource;
class TFieldDataLink;
class TDatasetFieldValueListEh;

class TSTDBGridEhFilter : public TPersistent {
    TV_CLASS(TSTDBGridEhFilter, TPersistent)
public:
    explicit TSTDBGridEhFilter(TCustomDBGridEh* grid = nullptr) : grid_(grid) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Local() const { return local_; }
    void SetLocal(bool v) { local_ = v; }
    // While held, the filter editor stays where it is.
    void HoldFilterRow() { ++updateCount_; }
    void ReleaseFilterRow() { --updateCount_; }
    int UpdateCount() const { return updateCount_; }

private:
    TCustomDBGridEh* grid_;
    bool visible_ = false, local_ = false;
    int updateCount_ = 0;
};

class TSTColumnFilterEh : public TPersistent {
    TV_CLASS(TSTColumnFilterEh, TPersistent)
public:
    explicit TSTColumnFilterEh(TColumnEh* column = nullptr);
    ~TSTColumnFilterEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    TColumnEh* Column() const { return column_; }

    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& v) { dataField_ = v; }
    const std::string& KeyField() const { return keyField_; }
    void SetKeyField(const std::string& v) { keyField_ = v; }
    const std::string& ListField() const { return listField_; }
    void SetListField(const std::string& v) { listField_ = v; }
    TDataSource* ListSource() const;
    void SetListSource(TDataSource* v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int StoredListWidth = 0, StoredListRows = 0;

    TStringList& ListKeys() { return listKeys_; }
    TStringList& ListTexts() { return listTexts_; }
    const Variant& PickedKeys() const { return pickedKeys_; }
    void SetPickedKeys(const Variant& v) { pickedKeys_ = v; }
    const TSTFilterExpressionEh& Expression() const { return expression_; }
    const std::string& ExpressionText() const { return expressionText_; }

    // Stores the condition and repaints the grid. A bad text raises and keeps the previous text.
    void SetExpressionText(const std::string& text);
    void StoreExpressionText(const std::string& text);
    void ClearCondition();
    // Parses `text` for the column's field and gives its display form.
    std::string NormalizeExpression(const std::string& text);

    // The distinct values the filter list offers, kept once made.
    TDatasetFieldValueListEh* ValueList() const { return valueList_.get(); }
    TDatasetFieldValueListEh* CreateValueList();
    void ReleaseValueList();

    virtual std::string ExpressionAsText() const;
    virtual bool HasDropDownButton() const;
    virtual std::string FilterFieldName() const;
    virtual Variant FilterOperand1() const;
    virtual Variant FilterOperand2() const;
    std::string FilterKeyField() const;
    std::string FilterListField() const;
    TDataSet* FilterListDataSet() const;

private:
    TCustomDBGridEh* Grid() const;
    void ListSourceOpened(TObject*);

    TColumnEh* column_;
    std::string dataField_, keyField_, listField_;
    TStringList listKeys_, listTexts_;
    Variant pickedKeys_ = Null();
    std::unique_ptr<TFieldDataLink> listLink_;
    bool visible_ = true;
    TSTFilterExpressionEh expression_;
    std::string expressionText_;
    std::unique_ptr<TDatasetFieldValueListEh> valueList_;
};

} // namespace tv
