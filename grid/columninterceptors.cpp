#include "grid/columninterceptors.h"

#include "core/stringlist.h"
#include "grid/dbgrideh.h"
#include "grid/platformwrappers.h"

namespace tv {

void TColumnEhPropertyInterceptor::Publish(TPublisher& p) {
    p.Integer("Width", nullptr, &TColumnEhPropertyInterceptor::SetWidth);
}

void TColumnEhPropertyInterceptor::SetWidth(int w) {
    auto* c = dynamic_cast<TColumnEh*>(target_);
    if (!c) return;
    TCustomDBGridEh* g = c->GetGrid();
    if (g && g->AutoFitColWidths())
        c->SetInitWidth(w);
    else
        c->SetWidth(w);
}

void TColumnsEhPropertyInterceptor::Publish(TPublisher& p) {
    using C = TColumnsEhPropertyInterceptor;
    p.String("ColumnsIndex", &C::ColumnsIndex, &C::SetColumnsIndex);
}

std::string TColumnsEhPropertyInterceptor::ColumnsIndex() const {
    auto* cols = dynamic_cast<TDBGridColumnsEh*>(target_);
    std::string s;
    if (!cols) return s;
    for (int i = 0; i < cols->Count(); ++i) {
        if (i > 0) s += ",";
        s += "\"" + cols->Items(i)->FieldName() + "\"";
    }
    return s;
}

void TColumnsEhPropertyInterceptor::SetColumnsIndex(const std::string& v) {
    last_ = v;
    auto* cols = dynamic_cast<TDBGridColumnsEh*>(target_);
    if (!cols) return;
    TStringList names;
    names.SetCommaText(v);
    cols->BeginUpdate();
    try {
        int target = 0;
        for (int i = 0; i < names.Count(); ++i) {
            for (int j = 0; j < cols->Count(); ++j)
                if (LocaleCompareStr(cols->Items(j)->FieldName(), names.Strings(i)) == 0) {
                    cols->Items(j)->TCollectionItem::SetIndex(target);
                    ++target;
                    break;
                }
        }
    } catch (...) {
        cols->EndUpdate();
        throw;
    }
    cols->EndUpdate();
}

std::string VariantToQuotedList(const Variant& v) {
    if (!VarIsArray(v)) return v.IsNull() || v.IsEmpty() ? std::string() : v.AsString();
    std::string s;
    int lo = VarArrayLowBound(v, 1), hi = VarArrayHighBound(v, 1);
    for (int i = lo; i <= hi; ++i) {
        if (i > lo) s += ",";
        s += "'" + VarArrayGet(v, {i}).AsString() + "'";
    }
    return s;
}

} // namespace tv
