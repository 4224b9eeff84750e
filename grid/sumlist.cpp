#include "grid/sumlist.h"

#include <cmath>
#include <map>
#include <utility>

#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/columnfooter.h"
#include "grid/dbgrideh.h"

namespace tv {

TDBGridEhSumList::TDBGridEhSumList(TCustomDBGridEh* grid) : TDBSumListProducer(grid), grid_(grid) {
    designTimeWork_ = true;
    active_ = false;
    SumListChanged = [this](TObject* s) {
        if (OnSumListChanged) OnSumListChanged(s);
    };
}

void TDBGridEhSumList::Publish(TPublisher&) {}

bool TDBGridEhSumList::GridDesigning() const {
    return grid_ && grid_->ComponentState().Contains(csDesigning);
}

// In the designer the dataset's handlers stay as they are; only the mark changes.
void TDBGridEhSumList::HookDataSetEvents() {
    if (GridDesigning())
        SetHooked(DataSet() != nullptr);
    else
        TDBSumListProducer::HookDataSetEvents();
}

void TDBGridEhSumList::RestoreDataSetEvents() {
    if (GridDesigning())
        SetHooked(false);
    else
        TDBSumListProducer::RestoreDataSetEvents();
}

bool TDBGridEhSumList::IsSequenced() const {
    TDataSet* ds = DataSet();
    return ds && ds->Active() && ds->IsSequenced();
}

int TDBGridEhSumList::RecNo() const {
    TDataSet* ds = DataSet();
    return ds && ds->Active() ? ds->RecNo() : 0;
}

void TDBGridEhSumList::SyncFooterSums() {
    if (!grid_) return;
    std::map<std::pair<int, std::string>, std::string> wanted;
    auto want = [&](TColumnFooterEh* f, TColumnEh* c) {
        switch (f->ValueType()) {
        case fvtSum:
        case fvtAvg:
        {
            const std::string& name = f->FieldName().empty() ? c->FieldName() : f->FieldName();
            wanted.insert({{f->ValueType() == fvtSum ? goSum : goAvg, AnsiUpperCase(name)}, name});
        }
            break;
        case fvtCount:
            wanted.insert({{goCount, std::string()}, std::string()});
            break;
        default:
            break;
        }
    };
    TDBGridColumnsEh* cols = grid_->Columns();
    for (int i = 0; i < cols->Count(); ++i) {
        TColumnEh* c = cols->Items(i);
        want(c->Footer(), c);
        for (int k = 0; k < c->Footers()->Count(); ++k) want(c->Footers()->Items(k), c);
    }
    TDBSumCollection* sums = SumCollection();
    // Every relayout comes here: a collection that already matches is left
    // alone, since a change makes a full scan that moves the dataset.
    bool matches = true;
    for (int i = 0; i < sums->Count() && matches; ++i) {
        TDBSum* s = sums->Items(i);
        std::string key = s->GroupOperation() == goCount ? std::string() : AnsiUpperCase(s->FieldName());
        if (s->FooterSum && !wanted.count({s->GroupOperation(), key})) matches = false;
    }
    for (const auto& [key, name] : wanted)
        if (matches && !sums->FindByOperationAndField(static_cast<TGroupOperation>(key.first), name)) matches = false;
    if (matches) return;
    sums->BeginUpdate();
    try {
        for (int i = sums->Count() - 1; i >= 0; --i) {
            TDBSum* s = sums->Items(i);
            std::string key = s->GroupOperation() == goCount ? std::string() : AnsiUpperCase(s->FieldName());
            if (s->FooterSum && !wanted.count({s->GroupOperation(), key})) delete s;
        }
        for (const auto& [key, name] : wanted) {
            auto op = key.first;
            if (sums->FindByOperationAndField(static_cast<TGroupOperation>(op), name)) continue;
            TDBSum* s = sums->Add();
            s->FooterSum = true;
            s->SetGroupOperation(static_cast<TGroupOperation>(op));
            s->SetFieldName(name);
        }
    } catch (...) {
        sums->EndUpdate();
        throw;
    }
    sums->EndUpdate();
}

std::string TDBGridEhSumList::FooterValueText(TColumnFooterEh* f, TColumnEh* column) const {
    TDataSet* ds = DataSet();
    const std::string& own = f->DisplayFormat();
    switch (f->ValueType()) {
    case fvtSum:
    case fvtAvg: {
        const std::string& name = f->FieldName().empty() ? column->FieldName() : f->FieldName();
        TField* field = ds ? ds->FindField(name) : nullptr;
        if (!field) return "0";
        TDBSum* s = SumCollection()->FindByOperationAndField(f->ValueType() == fvtSum ? goSum : goAvg, field->FieldName());
        if (!s) return "0";
        if (s->OutOfRange()) return LoadResString(SFooterOutOfRange);
        double v = s->Value();
        const std::string& fieldFormat = field->DisplayFormat();
        switch (field->DataType()) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftAutoInc:
        case ftLargeint:
            if (!own.empty()) return FormatFloat(own, v);
            if (!fieldFormat.empty()) return FormatFloat(fieldFormat, v);
            return IntToStr(std::llround(v));
        case ftFloat:
        case ftCurrency:
            if (!own.empty()) return FormatFloat(own, v);
            if (!fieldFormat.empty()) return FormatFloat(fieldFormat, v);
            return field->Currency() ? FloatToStrF(v, ffCurrency, field->Precision(), FormatSettings.CurrencyDecimals)
                                     : FloatToStrF(v, ffGeneral, field->Precision(), 0);
        case ftBCD:
        case ftFMTBcd: {
            Currency c = Currency::FromRaw(s->SumValue);
            if (!own.empty()) return FormatFloat(own, v);
            if (!fieldFormat.empty()) return FormatCurr(fieldFormat, c);
            return field->Currency() ? CurrToStrF(c, ffCurrency, FormatSettings.CurrencyDecimals)
                                     : CurrToStrF(c, ffGeneral, 0);
        }
        default:
            return "0";
        }
    }
    case fvtCount: {
        TDBSum* s = SumCollection()->FindByOperationAndField(goCount, std::string());
        if (!s) return "0";
        return own.empty() ? FloatToStr(s->Value()) : FormatFloat(own, s->Value());
    }
    default:
        return std::string();
    }
}

} // namespace tv
