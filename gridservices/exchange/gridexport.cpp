#include "gridservices/exchange/gridexport.h"

#include <cmath>

#include "core/formatsettings.h"
#include "core/replacingfile.h"
#include "core/sysformat.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "gridservices/footertotal.h"

namespace tv {

namespace {

class TPositionKept {
public:
    explicit TPositionKept(TCustomDBGridEh* grid) : grid_(grid) { grid_->SaveBookmark(); }
    ~TPositionKept() {
        try {
            grid_->RestoreBookmark();
        } catch (...) {
        }
    }
    TPositionKept(const TPositionKept&) = delete;
    TPositionKept& operator=(const TPositionKept&) = delete;

private:
    TCustomDBGridEh* grid_;
};

bool Usable(TDataSet* ds) { return ds && ds->Active(); }

} // namespace

TField* KeyFieldOf(TField* field) {
    if (!field || field->FieldKind() != fkLookup) return field;
    if (field->KeyFields().empty() || !field->DataSet()) return nullptr;
    return field->DataSet()->FindField(field->KeyFields());
}

TDBGridEhExport::TDBGridEhExport() : params_(std::make_unique<TColCellParamsEh>()) {}

TDBGridEhExport::~TDBGridEhExport() = default;

void TDBGridEhExport::StartUp(TColumnsEhList& columns) {
    expCols_ = &columns;
    footerValues_.assign(static_cast<std::size_t>(std::max(0, grid_->FooterRowCount()) * columns.Count()), 0);
    EmitPrefix();
    if (grid_->Options().Contains(dgTitles)) EmitTitle(columns);
}

void TDBGridEhExport::EmitFooters() {
    for (int r = 0; r < grid_->FooterRowCount(); ++r) EmitFooter(*expCols_, r);
}

void TDBGridEhExport::Flush() {
    if (pending_.empty()) return;
    if (!reserved_ && records_ > 0) ReserveRest();
    try {
        stream_->WriteString(pending_);
    } catch (...) {
        // Bytes the stream refused are not offered to it again.
        pending_.clear();
        throw;
    }
    flushed_ += static_cast<std::int64_t>(pending_.size());
    pending_.clear();
}

// At the first block written after some records, the stream hears how large
// the export will roughly be: the records left at the bytes per record so far,
// and an eighth more. A memory stream then takes it in one block instead of
// doubling its block, copying and faulting in twice the bytes written.
void TDBGridEhExport::ReserveRest() {
    reserved_ = true;
    if (expectedRecords_ <= records_) return;
    const std::int64_t gathered = flushed_ + static_cast<std::int64_t>(pending_.size());
    const std::int64_t rest = gathered * (expectedRecords_ - records_) / records_;
    stream_->Reserve(stream_->Position() + static_cast<std::int64_t>(pending_.size()) + rest + rest / 8);
}

void TDBGridEhExport::ExportStream(TStream& stream, bool all) {
    stream_ = &stream;
    pending_.clear();
    expectedRecords_ = -1;
    records_ = 0;
    flushed_ = 0;
    reserved_ = false;
    try {
        ExportBody(all);
    } catch (...) {
        // What was exported before the failure still reaches the stream.
        try {
            Flush();
        } catch (...) {
        }
        throw;
    }
    Flush();
}

void TDBGridEhExport::ExportBody(bool all) {
    TDBGridEhSelection& selection = grid_->Selection();
    TDBGridEhSelectionType kind = all ? gstAll : selection.SelectionType();
    if (kind == gstNon) return;
    TDataSet* ds = grid_->DataSet();
    {
        TControlsOff off(ds);
        TPositionKept kept(grid_);
        TColumnsEhList rectColumns;
        switch (kind) {
        case gstRecordBookmarks: {
            StartUp(grid_->VisibleColumns());
            TBookmarkListEh& rows = selection.GetRows();
            expectedRecords_ = rows.SelectedCount();
            for (int i = 0; Usable(ds) && i < rows.SelectedCount(); ++i, ++records_) {
                ds->GotoBookmark(rows.GetItem(i));
                AccumulateFooterValues();
                EmitRecord(*expCols_);
            }
            break;
        }
        case gstRectangle: {
            const TDBGridEhSelectionRect& rect = selection.Rect();
            for (TColumnEh* c : grid_->VisibleColumns())
                if (c->Index() >= rect.GetLeftCol() && c->Index() <= rect.GetRightCol()) rectColumns.Add(c);
            StartUp(rectColumns);
            if (Usable(ds) && !rect.GetTopRow().empty()) {
                ds->GotoBookmark(rect.GetTopRow());
                while (!ds->Eof()) {
                    EmitRecord(*expCols_);
                    AccumulateFooterValues();
                    ++records_;
                    if (ds->CompareBookmarks(ds->Bookmark(), rect.GetBottomRow()) == 0) break;
                    ds->Next();
                }
            }
            break;
        }
        case gstColumns:
        case gstAll:
            StartUp(kind == gstColumns ? selection.Columns() : grid_->VisibleColumns());
            if (Usable(ds)) {
                expectedRecords_ = ds->RecordCount();
                ds->First();
                while (!ds->Eof()) {
                    EmitRecord(*expCols_);
                    AccumulateFooterValues();
                    ++records_;
                    ds->Next();
                }
            }
            break;
        case gstNon: break;
        }
        EmitFooters();
        expCols_ = nullptr;
    }
    EmitSuffix();
}

// The named file changes only when the whole export succeeded: a refused or
// failed one leaves it as it was, never a file cut short.
void TDBGridEhExport::ExportFile(const std::string& fileName, bool all) {
    TReplacingFile file(fileName);
    ExportStream(file.Stream(), all);
    file.Commit();
}

void TDBGridEhExport::EmitRecord(TColumnsEhList& columns) {
    // A format of texts alone needs no font or picture of each cell, unless an
    // event may change the text from them.
    const bool textOnly = !WritesCellLook() && !grid_->OnGetCellParams;
    for (TColumnEh* column : columns) {
        if (textOnly && !column->OnGetCellParams) {
            params_->Text = column->DisplayText();
            EmitDataCell(column, params_.get());
            continue;
        }
        column->FillColCellParams(params_.get());
        TColor background = params_->Background;
        if (grid_->OnGetCellParams) grid_->OnGetCellParams(grid_, column, params_->Font(), background, TGridDrawState{});
        column->GetColCellParams(false, params_.get());
        params_->Background = background;
        EmitDataCell(column, params_.get());
    }
}

void TDBGridEhExport::EmitFooter(TColumnsEhList& columns, int footerRow) {
    for (int c = 0; c < columns.Count(); ++c) {
        TColumnEh* column = columns.Items(c);
        TColumnFooterEh* footer = column->FooterForRow(footerRow);
        TFont font;
        font.Assign(footer->Font());
        TColor background = footer->Color();
        TAlignment alignment = footer->Alignment();
        std::string text = footer->ValueType() == fvtSum || footer->ValueType() == fvtCount
                               ? FormatFooterValue(footerRow, c)
                               : grid_->GetFooterValue(footerRow, column);
        if (grid_->OnGetFooterParams)
            grid_->OnGetFooterParams(grid_, c, footerRow, column, &font, background, alignment, TGridDrawState{}, text);
        EmitFooterCell(c, footerRow, text, alignment, background, &font, column);
    }
}

TField* TDBGridEhExport::FooterField(TColumnEh* column, int footerRow) const {
    TDataSet* ds = grid_->DataSet();
    if (!Usable(ds)) return nullptr;
    TColumnFooterEh* footer = column->FooterForRow(footerRow);
    return ds->FindField(footer->FieldName().empty() ? column->FieldName() : footer->FieldName());
}

void TDBGridEhExport::AccumulateFooterValues() {
    int n = expCols_->Count();
    for (int r = 0; r < grid_->FooterRowCount(); ++r)
        for (int c = 0; c < n; ++c) {
            TColumnEh* column = expCols_->Items(c);
            TField* field = FooterField(column, r);
            if (!field) continue;
            std::int64_t& total = footerValues_[static_cast<std::size_t>(r * n + c)];
            switch (column->FooterForRow(r)->ValueType()) {
            case fvtSum: AddToFooterTotal(total, field, column); break;
            case fvtCount: total += 10000; break;
            default: break;
            }
        }
}

std::int64_t TDBGridEhExport::FooterValue(int footerRow, int position) const {
    std::size_t i = static_cast<std::size_t>(footerRow * (expCols_ ? expCols_->Count() : 0) + position);
    return i < footerValues_.size() ? footerValues_[i] : 0;
}

std::string TDBGridEhExport::FormatFooterValue(int footerRow, int position) {
    TColumnEh* column = expCols_->Items(position);
    TColumnFooterEh* footer = column->FooterForRow(footerRow);
    std::int64_t total = FooterValue(footerRow, position);
    double value = static_cast<double>(total) / 10000.0;
    if (footer->ValueType() == fvtCount) return FloatToStr(value);
    if (footer->ValueType() != fvtSum) return {};
    TField* field = FooterField(column, footerRow);
    if (!field) return {};
    const std::string& format = field->DisplayFormat();
    int currencyDecimals = FormatSettings.CurrencyDecimals;
    switch (field->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
        return format.empty() ? std::to_string(total / 10000) : FormatFloat(format, value);
    case ftFloat:
    case ftCurrency:
        if (!format.empty()) return FormatFloat(format, value);
        if (field->Currency()) return FloatToStrF(value, ffCurrency, 15, currencyDecimals);
        return FloatToStrF(value, ffGeneral, field->Precision() > 0 ? field->Precision() : 15, 0);
    case ftBCD:
    case ftFMTBcd:
        if (!format.empty()) return FormatFloat(format, value);
        if (field->Currency()) return FloatToStrF(value, ffCurrency, 15, currencyDecimals);
        return FloatToStrF(value, ffGeneral, 15, 0);
    default: return {};
    }
}

namespace {

std::unique_ptr<TObject> CreateOf(TClass cls) {
    std::unique_ptr<TObject> obj(cls ? cls->Create() : nullptr);
    return obj;
}

} // namespace

void ExportGridToStream(TClass exporterClass, TCustomDBGridEh* grid, TStream& stream, bool all) {
    std::unique_ptr<TObject> obj = CreateOf(exporterClass);
    auto* exporter = dynamic_cast<TDBGridEhExport*>(obj.get());
    if (!exporter) throw EInvalidCast("Invalid class typecast");
    exporter->SetDBGridEh(grid);
    exporter->ExportStream(stream, all);
}

void ExportGridToFile(TClass exporterClass, TCustomDBGridEh* grid, const std::string& fileName, bool all) {
    std::unique_ptr<TObject> obj = CreateOf(exporterClass);
    auto* exporter = dynamic_cast<TDBGridEhExport*>(obj.get());
    if (!exporter) throw EInvalidCast("Invalid class typecast");
    exporter->SetDBGridEh(grid);
    exporter->ExportFile(fileName, all);
}

} // namespace tv
