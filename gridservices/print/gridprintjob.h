#pragma once
// One print job of a grid: page geometry, column widths and groups, bands of
// rows, page header and footer, the texts around the grid (gridprintjob.cpp),
// and the cells, titles and footers it draws or measures (gridprintcells.cpp).
#include <memory>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/resourcestrings.h"
#include "framework/data/dbtypes.h"
#include "grid/columnslist.h"
#include "gridservices/print/printdbgrideh.h"

namespace tv {

// The name of a grid's print job: the preview's caption, the queue's job and the PDF's title.
TV_RESOURCESTRING(STabularInformation, "Tabular information")

class TCustomDBGridEh;
class TDataSet;
class TColumnEh;
class THeadTreeNode;
class TMetafile;
class TMetafileCanvas;
class TCustomImageList;

// Where the rows of a job stand: a record (by bookmark) or a footer row.
struct TPrintRowCursor {
    std::string Position;
    bool DataRow = false;
    bool Finished = false;
};

class TGridPrintJob {
public:
    TGridPrintJob(TPrintDBGridEh* owner, TVirtualPrinter* target);
    ~TGridPrintJob();
    void Run();

private:
    // Pagination.
    void FillMacros(int pages);
    void BuildPrintedColumns();
    void ComputeGeometry();
    void ComputeColumnWidths();
    void MeasureOptimalWidths();
    void SetMapping();
    void SplitColumnGroups();
    void PrepareCanvas();
    int Colontitle(TPageColontitle* c, win::RECT box, bool header, bool measure);
    std::string ReplaceMacros(const std::string& text);
    void DrawColontitles();
    void ComputeRowHeight();
    int MeasureSimpleTitles();
    void MeasureTitleTree();
    int MeasureTitleNode(THeadTreeNode* node);
    void PageLoop();
    void RenderText(TStrings* text);
    void StartCursor(TPrintRowCursor& c);
    void Advance(TPrintRowCursor& c);
    void GoTo(const TPrintRowCursor& c);
    int MeasureBand(TPrintRowCursor& cursor, int y, std::vector<int>& heights, bool accumulate);
    int PrintBand(const TPrintRowCursor& first, const std::vector<int>& heights);
    void BeginNewPage();
    void Substitute();
    void RestoreTexts();
    bool HasPagesMacro();
    win::RECT Mirror(win::RECT r) const;

    // Cells, titles and footers.
    int Cell(win::RECT box, int colIndex, const TPrintRowCursor& row, int rowInBand, bool measure);
    std::string FooterSumText(int footerRow, int colIndex);
    void DrawTitles(int firstCol, int lastCol, int rowsTop);
    void DrawSimpleTitles(int firstCol, int lastCol, int rowsTop);
    void DrawMultiTitles(int firstCol, int lastCol, int rowsTop);
    void DrawTitleBlock(int firstCol, int lastCol, int blockBottom);
    int MeasureTitleBlock();
    void DrawCheckBox(win::RECT box, TCheckBoxState state);
    void ShrinkToFit(win::RECT& box, TTextLayout layout, const std::string& text);
    void DrawImage(TCustomImageList* images, win::RECT box, TAlignment alignment, int index);
    void AddLine(std::vector<win::POINT> pts);
    void ApplyPrintFont(TFont* font);

    TPrintDBGridEh* owner_;
    TVirtualPrinter* target_;
    TCustomDBGridEh* grid_;
    TDataSet* data_ = nullptr;
    TCanvas* canvas_ = nullptr;
    TColumnsEhList columns_;
    std::vector<int> fullWidths_, widths_, groupEnds_;
    std::vector<std::vector<Currency>> footerValues_;
    int screenX_ = 96, screenY_ = 96, printerX_ = 600, printerY_ = 600;
    double scaleX_ = 1, scaleY_ = 1;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    int unscaledWidth_ = 0, total_ = 0;
    bool fitting_ = false;
    int lineWidth_ = 1, padding_ = 2, cellInset_ = 2, titleInset_ = 1;
    win::RECT headerBox_{}, footerBox_{}, textArea_{};
    int minRowHeight_ = 0;
    bool wrap_ = false;
    int titlesHeight_ = 0, titleBlockHeight_ = 0;
    int page_ = 1;
    bool pageEmpty_ = true;
    int offset_ = 0;
    bool counting_ = false;
    bool firstBand_ = true;
    std::vector<std::string> macroValues_;
    std::vector<win::POINT> linePoints_;
    std::vector<win::DWORD> lineCounts_;
    std::unique_ptr<TMetafile> scratch_;
    std::unique_ptr<TMetafileCanvas> scratchCanvas_;
    std::string savedTexts_[2]; // before and after the grid, while substituted
    bool textSaved_[2] = {false, false};
    std::unique_ptr<TColCellParamsEh> dupParams_;
    std::unique_ptr<TStringList> prevCellTexts_;
};

} // namespace tv
