#include "gridservices/exchange/gridimport.h"

#include <memory>

#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/dialogs.h"
#include "gridservices/exchange/gridexport.h"

namespace tv {

namespace {

bool SameRecord(TDataSet* ds, const TBookmark& b) { return ds->CompareBookmarks(ds->Bookmark(), b) == 0; }

void ColumnsBetween(TCustomDBGridEh* grid, int left, int right, TColumnsEhList& out) {
    for (TColumnEh* c : grid->VisibleColumns())
        if (c->Index() >= left && c->Index() <= right) out.Add(c);
}

} // namespace

void TDBGridEhImport::ReadRow(TColumnsEhList& columns) {
    for (TColumnEh* c : columns) ReadCell(c);
}

void TDBGridEhImport::ImportFromFile(const std::string& fileName, bool all) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    ImportStream(file, all);
}

void TDBGridEhImport::InsertLoop(TColumnsEhList& columns, bool append) {
    TDataSet* ds = grid_->DataSet();
    while (!eos_) {
        if (append)
            ds->Append();
        else
            ds->Insert();
        try {
            ReadRow(columns);
            ds->Post();
        } catch (...) {
            // A record that could not be written is not left half made.
            if (ds->State() == dsInsert) ds->Cancel();
            throw;
        }
        if (!append) ds->Next();
    }
}

void TDBGridEhImport::ImportStream(TStream& stream, bool all) {
    stream_ = &stream;
    eos_ = false;
    ignoreAll_ = false;
    TDataSet* ds = grid_->DataSet();
    if (!ds || !ds->Active()) return;
    TDBGridEhSelection& selection = grid_->Selection();
    if (all) {
        selection.Clear();
        ds->First();
        if (grid_->VisibleColumns().Count() > 0) grid_->SetSelectedIndex(grid_->VisibleColumns().Items(0)->Index());
    }
    bool append = ds->Eof();
    bool insert = ds->State() == dsInsert;
    if (!insert) grid_->SaveBookmark();
    TControlsOff off(ds);
    TColumnsEhList columns;
    try {
        switch (selection.SelectionType()) {
        case gstNon: {
            TColumnEh* current = grid_->CurrentColumn();
            bool from = current == nullptr;
            for (TColumnEh* c : grid_->VisibleColumns()) {
                if (c == current) from = true;
                if (from) columns.Add(c);
            }
            columns_ = &columns;
            ReadPrefix();
            if (insert) {
                InsertLoop(columns, append);
            } else {
                grid_->RestoreBookmark();
                if (!append)
                    while (!ds->Eof() && !eos_) {
                        ReadRow(columns);
                        ds->Next();
                    }
                if (!eos_ && grid_->AllowedOperations().Contains(alopAppendEh)) {
                    append = insert = true;
                    InsertLoop(columns, true);
                }
            }
            break;
        }
        case gstRecordBookmarks: {
            columns = grid_->VisibleColumns();
            columns_ = &columns;
            ReadPrefix();
            if (insert) {
                InsertLoop(columns, append);
            } else {
                TBookmarkListEh& rows = selection.GetRows();
                for (int i = 0; i < rows.SelectedCount() && !eos_; ++i) {
                    ds->GotoBookmark(rows.GetItem(i));
                    ReadRow(columns);
                }
            }
            break;
        }
        case gstRectangle: {
            const TDBGridEhSelectionRect& rect = selection.Rect();
            ColumnsBetween(grid_, rect.GetLeftCol(), rect.GetRightCol(), columns);
            columns_ = &columns;
            ReadPrefix();
            if (insert) {
                InsertLoop(columns, append);
            } else {
                ds->GotoBookmark(rect.GetTopRow());
                while (!ds->Eof() && !eos_) {
                    ReadRow(columns);
                    if (SameRecord(ds, rect.GetBottomRow())) break;
                    ds->Next();
                }
            }
            break;
        }
        case gstColumns:
        case gstAll: {
            columns = selection.SelectionType() == gstColumns ? selection.Columns() : grid_->VisibleColumns();
            columns_ = &columns;
            ReadPrefix();
            if (insert) {
                InsertLoop(columns, append);
            } else {
                ds->First();
                while (!ds->Eof() && !eos_) {
                    ReadRow(columns);
                    ds->Next();
                }
            }
            break;
        }
        }
    } catch (...) {
        columns_ = nullptr;
        try {
            if (!insert) grid_->RestoreBookmark();
        } catch (...) {
        }
        off.Release();
        throw;
    }
    columns_ = nullptr;
    if (!insert) grid_->RestoreBookmark();
    off.Release();
    ReadTrailer();
}

void TDBGridEhImport::WriteValue(TColumnEh* column, const Variant& value, bool asText) {
    if (!column || !column->CanModify(false)) return;
    TField* field = KeyFieldOf(column->Field());
    if (!field) return;
    TDataSet* ds = field->DataSet();
    if (ds->CanModify()) ds->Edit();
    if (ds->State() != dsEdit && ds->State() != dsInsert) return;
    try {
        if (asText)
            field->SetText(value.AsString());
        else
            field->SetAsVariant(value);
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& e) {
        if (ignoreAll_) return;
        std::string question = LoadResString(SErrorDuringInsertValueEh) + "\n" + e.Message() + "\n\n" +
                               LoadResString(SIgnoreErrorEh);
        TModalResult answer = MessageDlg(question, mtError, TMsgDlgButtons{mbYes, mbNo, mbAll});
        if (answer == mrAll)
            ignoreAll_ = true;
        else if (answer != mrYes)
            Abort();
    }
}

void ImportGridFromStream(TClass importerClass, TCustomDBGridEh* grid, TStream& stream, bool all) {
    std::unique_ptr<TObject> obj(importerClass ? importerClass->Create() : nullptr);
    auto* importer = dynamic_cast<TDBGridEhImport*>(obj.get());
    if (!importer) throw EInvalidCast("Invalid class typecast");
    importer->SetDBGridEh(grid);
    importer->ImportStream(stream, all);
}

} // namespace tv
