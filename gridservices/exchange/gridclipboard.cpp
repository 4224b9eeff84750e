#include "gridservices/exchange/gridclipboard.h"

#include <vector>

#include "core/unitinit.h"
#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/dialogs.h"
#include "grid/platformwrappers.h"
#include "gridservices/exchange/exportrtf.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/exchange/exportvcldbif.h"
#include "gridservices/exchange/importtext.h"
#include "gridservices/exchange/importvcldbif.h"
#include "platform/clipboard/clipboard.h"

namespace tv {

win::UINT CF_VCLDBIF() {
    static const win::UINT id = win::RegisterClipboardFormat("VCLDBIF");
    return id;
}

win::UINT CF_CSV() {
    static const win::UINT id = win::RegisterClipboardFormat("Csv");
    return id;
}

win::UINT CF_RICHTEXT() {
    static const win::UINT id = win::RegisterClipboardFormat("Rich Text Format");
    return id;
}

void RegisterGridClipboardFormats() {
    CF_VCLDBIF();
    CF_CSV();
    CF_RICHTEXT();
    GridClipboardKeys() = {&GridCopyToClipboard, &GridCutToClipboard, &GridPasteFromClipboard, &ClearGridSelection,
                           &CF_VCLDBIF};
}

TV_UNIT(grid_exchange, urGrid + 10, &RegisterGridClipboardFormats, nullptr)

namespace {

class TClipboardOpen {
public:
    TClipboardOpen() {
        if (!win::OpenClipboard(nullptr)) throw Exception("Cannot open clipboard");
    }
    ~TClipboardOpen() { win::CloseClipboard(); }
    TClipboardOpen(const TClipboardOpen&) = delete;
    TClipboardOpen& operator=(const TClipboardOpen&) = delete;
};

void PutStream(win::UINT format, TMemoryStream& stream) {
    const std::uint8_t* p = stream.Memory();
    std::vector<win::BYTE> block(p, p + stream.Size());
    if (!win::SetClipboardData(format, std::move(block))) throw Exception("Cannot put data on the clipboard");
}

void ExportWithZero(TClass cls, TCustomDBGridEh* grid, TMemoryStreamEh& stream, bool all) {
    ExportGridToStream(cls, grid, stream, all);
    const char zero = 0;
    stream.WriteBuffer(&zero, 1);
}

} // namespace

void GridCopyToClipboard(TCustomDBGridEh* grid, bool all) {
    TClipboardOpen open;
    TControlsOff off(grid->DataSet());
    TMemoryStreamEh stream;
    stream.HalfMemoryDelta = 0x10000 / 2;
    // The clipboard's text is UTF-8 in both text formats, so no code-page step.
    ExportWithZero(TDBGridEhExportAsText::StaticClass(), grid, stream, all);
    PutStream(win::CF_UNICODETEXT, stream);
    stream.Clear();
    ExportWithZero(TDBGridEhExportAsCSV::StaticClass(), grid, stream, all);
    PutStream(CF_CSV(), stream);
    stream.Clear();
    ExportWithZero(TDBGridEhExportAsRTF::StaticClass(), grid, stream, all);
    PutStream(CF_RICHTEXT(), stream);
    stream.Clear();
    ExportGridToStream(TDBGridEhExportAsVCLDBIF::StaticClass(), grid, stream, all);
    PutStream(CF_VCLDBIF(), stream);
}

void GridCutToClipboard(TCustomDBGridEh* grid, bool all) {
    GridCopyToClipboard(grid, all);
    ClearGridSelection(grid, all);
}

void GridPasteFromClipboard(TCustomDBGridEh* grid, bool all) {
    TMemoryStream stream;
    TClass importer = nullptr;
    {
        TClipboardOpen open;
        std::vector<win::BYTE> block;
        if (win::IsClipboardFormatAvailable(CF_VCLDBIF()) && win::GetClipboardData(CF_VCLDBIF(), block))
            importer = TDBGridEhImportAsVCLDBIF::StaticClass();
        else if (win::IsClipboardFormatAvailable(win::CF_TEXT) && win::GetClipboardData(win::CF_TEXT, block))
            importer = TDBGridEhImportAsText::StaticClass();
        if (!importer) return;
        stream.WriteBuffer(block.data(), static_cast<std::int64_t>(block.size()));
        stream.SetPosition(0);
    }
    // The clipboard is closed before the import, which may ask the user.
    ImportGridFromStream(importer, grid, stream, all);
}

namespace {

void ClearCells(TCustomDBGridEh* grid, const TColumnsEhList& columns) {
    for (TColumnEh* column : columns) {
        if (!column->CanModify(false)) continue;
        TField* field = KeyFieldOf(column->Field());
        if (!field) continue;
        TDataSet* ds = field->DataSet();
        if (ds->CanModify()) ds->Edit();
        if (ds->State() == dsEdit || ds->State() == dsInsert) field->Clear();
    }
    (void)grid;
}

} // namespace

void ClearGridSelection(TCustomDBGridEh* grid, bool all) {
    TDBGridEhSelection& selection = grid->Selection();
    TDBGridEhSelectionType kind = all ? gstAll : selection.SelectionType();
    TDataSet* ds = grid->DataSet();
    if (kind == gstNon || !ds) return;
    if (grid->Options().Contains(dgConfirmDelete)) {
        std::string question;
        if (kind == gstRecordBookmarks)
            question = LoadResString(selection.GetRows().SelectedCount() == 1 ? SDeleteRecordQuestion
                                                                               : SDeleteMultipleRecordsQuestion);
        else if (kind == gstRectangle)
            question = LoadResString(SClearSelectedCellsEh);
        if (!question.empty() && MessageDlg(question, mtConfirmation, mbOKCancel) != mrOk) return;
    }
    if (!ds->Active()) return;
    grid->SaveBookmark();
    TControlsOff off(ds);
    switch (kind) {
    case gstRecordBookmarks: {
        TBookmarkListEh& rows = selection.GetRows();
        // Deleting moves the dataset; the list is read whole first.
        std::vector<TBookmark> marks;
        for (int i = 0; i < rows.SelectedCount(); ++i) marks.push_back(rows.GetItem(i));
        for (const TBookmark& b : marks) {
            if (!ds->BookmarkValid(b)) continue;
            ds->GotoBookmark(b);
            ds->Delete();
        }
        selection.Clear();
        break;
    }
    case gstRectangle: {
        const TDBGridEhSelectionRect& rect = selection.Rect();
        TColumnsEhList columns;
        for (TColumnEh* c : grid->VisibleColumns())
            if (c->Index() >= rect.GetLeftCol() && c->Index() <= rect.GetRightCol()) columns.Add(c);
        try {
            ds->GotoBookmark(rect.GetTopRow());
            while (!ds->Eof()) {
                ClearCells(grid, columns);
                if (ds->CompareBookmarks(ds->Bookmark(), rect.GetBottomRow()) == 0) break;
                ds->Next();
            }
        } catch (...) {
            grid->RestoreBookmark();
            throw;
        }
        grid->RestoreBookmark();
        break;
    }
    case gstColumns: {
        TColumnsEhList columns = selection.Columns();
        try {
            ds->First();
            while (!ds->Eof()) {
                ClearCells(grid, columns);
                ds->Next();
            }
        } catch (...) {
            grid->RestoreBookmark();
            throw;
        }
        grid->RestoreBookmark();
        break;
    }
    case gstAll:
        ds->First();
        while (!ds->IsEmpty()) ds->Delete();
        break;
    case gstNon: break;
    }
}

} // namespace tv
