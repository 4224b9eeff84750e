#pragma once
// TPrintDBGridEh: a non-visual component that prints a data grid into the
// print preview (or any TVirtualPrinter) with margins, page header and
// footer, a title, text before and after the grid and substitutions.
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/sets.h"
#include "core/stringlist.h"
#include "grid/colcellparams.h"
#include "gridservices/print/pageparams.h"
#include "gridservices/print/virtualprinter.h"

namespace tv {

class TDBGridEh;
class TRichEdit;

enum TPrintDBGridEhOption {
    pghFitGridToPageWidth,
    pghColored,
    pghRowAutoStretch,
    pghFitingByColWidths,
    pghOptimalColWidths
};
using TPrintDBGridEhOptions = TSet<TPrintDBGridEhOption>;
extern const TEnumInfo TPrintDBGridEhOptionInfo;

enum TMeasureUnits { MM, Inches };
extern const TEnumInfo TMeasureUnitsInfo;

class TPrintDBGridEh : public TComponent {
    TV_CLASS(TPrintDBGridEh, TComponent)
public:
    explicit TPrintDBGridEh(TComponent* owner = nullptr);
    ~TPrintDBGridEh() override;
    static void Publish(TPublisher& p);

    // Formatted text printed before and after the grid, kept in hidden rich
    // edits; assigning any list copies it through a stream (a rich list
    // keeps its formatting).
    TStrings* AfterGridText();
    void SetAfterGridText(TStrings* v);
    TStrings* BeforeGridText();
    void SetBeforeGridText(TStrings* v);
    TDBGridEh* DBGridEh() const { return grid_; }
    void SetDBGridEh(TDBGridEh* grid);
    TPrintDBGridEhOptions Options() const { return options_; }
    void SetOptions(TPrintDBGridEhOptions v) { options_ = v; }
    TPageParams* Page() const { return page_.get(); }
    void SetPage(TPageParams* v) { page_->Assign(v); }
    TPageColontitle* PageFooter() const { return pageFooter_.get(); }
    void SetPageFooter(TPageColontitle* v) { pageFooter_->Assign(v); }
    TPageColontitle* PageHeader() const { return pageHeader_.get(); }
    void SetPageHeader(TPageColontitle* v) { pageHeader_->Assign(v); }
    const std::string& PrintFontName() const { return printFontName_; }
    void SetPrintFontName(const std::string& v) { printFontName_ = v; }
    TStrings* Title() const { return title_.get(); }
    void SetTitle(TStrings* v) { title_->Assign(v); }
    TMeasureUnits Units() const { return units_; }
    void SetUnits(TMeasureUnits v);

    TNotifyEvent OnAfterPrint, OnBeforePrint, OnPrinterSetupDialog;

    // Placeholder, value, placeholder, value... replaced in the texts before
    // and after the grid while a job prints.
    void SetSubstitutionPairs(const std::vector<std::string>& values);
    TStrings* SubstitutionPlaceholders() const { return placeholders_.get(); }
    TStrings* SubstitutionValues() const { return values_.get(); }

    // Prints the grid into the process-wide preview, which shows itself.
    void OpenPreview();
    // The page set-up dialog; true when confirmed.
    bool PageSetup();
    void SetupAndPreview(TObject* sender = nullptr);
    void PrintTo(TVirtualPrinter* target);

    TColCellParamsEh* CellParams() const { return cellParams_.get(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(TFiler& filer) override;

private:
    TDBGridEh* grid_ = nullptr;
    TPrintDBGridEhOptions options_;
    std::unique_ptr<TPageParams> page_;
    std::unique_ptr<TPageColontitle> pageFooter_, pageHeader_;
    std::string printFontName_;
    std::unique_ptr<TStringList> title_, placeholders_, values_;
    std::unique_ptr<TRichEdit> beforeText_, afterText_;
    TMeasureUnits units_ = MM;
    std::unique_ptr<TColCellParamsEh> cellParams_;
};

} // namespace tv
