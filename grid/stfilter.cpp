#include "grid/stfilter.h"

#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "editors/fieldvaluelist.h"
#include "framework/data/fielddatalink.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/griddatalink.h"

namespace tv {

void TSTDBGridEhFilter::Publish(TPublisher& p) {
    using C = TSTDBGridEhFilter;
    p.Boolean("Local", &C::Local, &C::SetLocal).Default(false);
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(false);
}

TPersistent* TSTDBGridEhFilter::GetOwner() const { return grid_; }

void TSTDBGridEhFilter::SetVisible(bool v) {
    if (v == visible_) return;
    if (!v && grid_) grid_->FinishPendingFilterEdit();
    visible_ = v;
    if (!grid_) return;
    grid_->LayoutChanged();
    if (grid_->EditorMode()) grid_->InvalidateEditor();
}

void TSTDBGridEhFilter::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TSTDBGridEhFilter*>(source);
    if (!s) return TPersistent::Assign(source);
    SetVisible(s->Visible());
    SetLocal(s->Local());
}

// --- TSTColumnFilterEh -----------------------------------------------------------------

TSTColumnFilterEh::TSTColumnFilterEh(TColumnEh* column)
    : column_(column), listLink_(std::make_unique<TFieldDataLink>()) {
    listLink_->OnActiveChange = [this](TObject* s) { ListSourceOpened(s); };
}

TSTColumnFilterEh::~TSTColumnFilterEh() = default;

void TSTColumnFilterEh::Publish(TPublisher& p) {
    using C = TSTColumnFilterEh;
    p.String("DataField", &C::DataField, &C::SetDataField);
    p.String("KeyField", &C::KeyField, &C::SetKeyField);
    p.String("ListField", &C::ListField, &C::SetListField);
    p.Component("ListSource", &C::ListSource, &C::SetListSource);
    p.Boolean("Visible", &C::Visible, &C::SetVisible).Default(true);
}

TPersistent* TSTColumnFilterEh::GetOwner() const { return column_; }

void TSTColumnFilterEh::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TSTColumnFilterEh*>(source);
    if (!s) return TPersistent::Assign(source);
    dataField_ = s->dataField_;
    SetVisible(s->visible_);
    keyField_ = s->keyField_;
    listField_ = s->listField_;
    SetListSource(s->ListSource());
}

TCustomDBGridEh* TSTColumnFilterEh::Grid() const { return column_ ? column_->Grid() : nullptr; }

TDataSource* TSTColumnFilterEh::ListSource() const { return listLink_->DataSource(); }
void TSTColumnFilterEh::SetListSource(TDataSource* v) { listLink_->SetDataSource(v); }

void TSTColumnFilterEh::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (column_) column_->ReportChanged(false);
}

void TSTColumnFilterEh::ListSourceOpened(TObject*) {
    if (!listLink_->Active() || listField_.empty() || keyField_.empty()) return;
    TDataSet* ds = listLink_->DataSource()->DataSet();
    listTexts_.Clear();
    listKeys_.Clear();
    TControlsOff off(ds);
    ds->First();
    while (!ds->Eof()) {
        listTexts_.Add(ds->FieldByName(listField_)->AsString());
        listKeys_.Add(ds->FieldByName(keyField_)->AsString());
        ds->Next();
    }
    ds->First();
    off.Release();
}

std::string TSTColumnFilterEh::FilterFieldName() const {
    if (!dataField_.empty()) return dataField_;
    TCustomDBGridEh* g = Grid();
    TField* f = column_ ? column_->Field() : nullptr;
    if (f && f->Lookup() && g && g->DataLink()->Active()) return f->KeyFields();
    return column_ ? column_->FieldName() : std::string();
}

std::string TSTColumnFilterEh::FilterKeyField() const {
    if (!keyField_.empty()) return keyField_;
    TCustomDBGridEh* g = Grid();
    if (!g || !g->DataLink()->Active()) return std::string();
    TField* f = column_->Field();
    return f && f->Lookup() ? f->LookupKeyFields() : std::string();
}

std::string TSTColumnFilterEh::FilterListField() const {
    if (!listField_.empty()) return listField_;
    TField* f = column_ ? column_->Field() : nullptr;
    return f && f->Lookup() ? f->LookupResultField() : std::string();
}

TDataSet* TSTColumnFilterEh::FilterListDataSet() const {
    if (ListSource()) return ListSource()->DataSet();
    TField* f = column_ ? column_->Field() : nullptr;
    return f && f->Lookup() ? f->LookupDataSet() : nullptr;
}

Variant TSTColumnFilterEh::FilterOperand1() const {
    return FilterKeyField().empty() ? expression_.Operand1 : pickedKeys_;
}

Variant TSTColumnFilterEh::FilterOperand2() const { return expression_.Operand2; }

bool TSTColumnFilterEh::HasDropDownButton() const {
    TCustomDBGridEh* g = Grid();
    return ListSource() != nullptr || (g && g->HasMemTableLink());
}

std::string TSTColumnFilterEh::ExpressionAsText() const {
    return FilterExpressionAsText(expression_, ListSource() != nullptr);
}

std::string TSTColumnFilterEh::NormalizeExpression(const std::string& text) {
    TField* f = column_ ? column_->Field() : nullptr;
    if (f) expression_.ExpressionType = FilterExpressionTypeOf(f->DataType());
    ParseFilterExpression(text, expression_);
    return ExpressionAsText();
}

void TSTColumnFilterEh::StoreExpressionText(const std::string& text) {
    // A text that does not parse leaves the condition as it was.
    TSTFilterExpressionEh kept = expression_;
    Variant keptKeys = pickedKeys_;
    try {
        if (FilterKeyField().empty()) {
            NormalizeExpression(text);
        } else {
            // The text is one of the list's display texts, whatever the key's type.
            expression_.ExpressionType = fetText;
            ParseFilterExpression(text, expression_);
            if (expression_.Operator1 != fopIsNull && expression_.Operator1 != fopIsNotNull) {
                if (text.empty())
                    pickedKeys_ = Null();
                else if (TDataSet* list = FilterListDataSet())
                    pickedKeys_ = list->Lookup(FilterListField(), Variant(text), FilterKeyField());
                ResetFilterExpression(expression_);
                if (pickedKeys_.IsNull() || pickedKeys_.IsEmpty()) {
                    // No entry of the list shows that text: nothing can match it.
                    expression_.Operator1 = text.empty() ? fopNone : fopIsNull;
                } else {
                    expression_.Operator1 = fopIn;
                    expression_.Operand1 = Variant(text);
                }
            }
        }
    } catch (...) {
        expression_ = kept;
        pickedKeys_ = keptKeys;
        throw;
    }
    expressionText_ = text;
}

void TSTColumnFilterEh::SetExpressionText(const std::string& text) {
    StoreExpressionText(text);
    TCustomDBGridEh* g = Grid();
    if (!g) return;
    g->Invalidate();
    if (g->FilterEditorShown()) g->MoveFilterEditor(true);
}

TDatasetFieldValueListEh* TSTColumnFilterEh::CreateValueList() {
    TCustomDBGridEh* g = Grid();
    TDataSource* source = ListSource();
    TDataSet* ds = source ? source->DataSet() : nullptr;
    if (!g || !g->DataLink()->Active() || !ds || !ds->Active()) return nullptr;
    std::string name = !listField_.empty() ? listField_ : (column_ ? column_->FieldName() : std::string());
    if (!ds->FindField(name)) return nullptr;
    valueList_ = std::make_unique<TDatasetFieldValueListEh>();
    valueList_->BindDataSet(ds);
    valueList_->BindField(name);
    return valueList_.get();
}

void TSTColumnFilterEh::ReleaseValueList() { valueList_.reset(); }

void TSTColumnFilterEh::ClearCondition() {
    pickedKeys_ = Null();
    SetExpressionText(std::string());
}

} // namespace tv
