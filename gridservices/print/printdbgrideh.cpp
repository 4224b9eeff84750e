#include "gridservices/print/printdbgrideh.h"

#include <cmath>

#include "core/properties.h"
#include "core/streams.h"
#include "framework/ui/stdctrls/richedit.h"
#include "grid/dbgrideh.h"
#include "gridservices/preview/previewform.h"
#include "gridservices/print/gridprintjob.h"
#include "gridservices/print/pagesetupdialog.h"
#include "platform/window/window.h"

namespace tv {

const TEnumInfo TPrintDBGridEhOptionInfo{
    "TPrintDBGridEhOption",
    {"pghFitGridToPageWidth", "pghColored", "pghRowAutoStretch", "pghFitingByColWidths", "pghOptimalColWidths"}};
const TEnumInfo TMeasureUnitsInfo{"TMeasureUnits", {"MM", "Inches"}};

void TPrintDBGridEh::Publish(TPublisher& p) {
    using C = TPrintDBGridEh;
    p.Component("DBGridEh", &C::DBGridEh, &C::SetDBGridEh);
    p.Set("Options", &C::Options, &C::SetOptions, TPrintDBGridEhOptionInfo).Stored(true);
    p.Object("Page", &C::Page, &C::SetPage);
    p.Object("PageFooter", &C::PageFooter, &C::SetPageFooter);
    p.Object("PageHeader", &C::PageHeader, &C::SetPageHeader);
    p.String("PrintFontName", &C::PrintFontName, &C::SetPrintFontName);
    p.Object("Title", &C::Title, &C::SetTitle);
    p.Enum("Units", &C::Units, &C::SetUnits, TMeasureUnitsInfo).Stored(true);
    p.Event("OnAfterPrint", &C::OnAfterPrint);
    p.Event("OnBeforePrint", &C::OnBeforePrint);
    p.Event("OnPrinterSetupDialog", &C::OnPrinterSetupDialog);
}

TPrintDBGridEh::TPrintDBGridEh(TComponent* owner)
    : TComponent(owner), page_(std::make_unique<TPageParams>()), pageFooter_(std::make_unique<TPageColontitle>()),
      pageHeader_(std::make_unique<TPageColontitle>()), title_(std::make_unique<TStringList>()),
      cellParams_(std::make_unique<TColCellParamsEh>()) {}

TPrintDBGridEh::~TPrintDBGridEh() {
    if (grid_) grid_->RemoveFreeNotification(this);
}

namespace {

// A rich edit that only keeps text: never shown, living in the desktop.
std::unique_ptr<TRichEdit> HiddenRichEdit() {
    auto edit = std::make_unique<TRichEdit>();
    edit->SetVisible(false);
    edit->SetWordWrap(false); // its lines are the paragraphs, whatever its width
    edit->SetParentWindow(win::GetDesktopWindow());
    return edit;
}

// Copies a list through a stream, so a rich list gives its formatting.
void CopyText(TStrings* from, TStrings* to) {
    TStringStream s;
    if (from) from->SaveToStream(s);
    s.SetPosition(0);
    to->LoadFromStream(s);
}

} // namespace

TStrings* TPrintDBGridEh::AfterGridText() {
    if (!afterText_) afterText_ = HiddenRichEdit();
    return afterText_->Lines();
}

TStrings* TPrintDBGridEh::BeforeGridText() {
    if (!beforeText_) beforeText_ = HiddenRichEdit();
    return beforeText_->Lines();
}

void TPrintDBGridEh::SetAfterGridText(TStrings* v) { CopyText(v, AfterGridText()); }
void TPrintDBGridEh::SetBeforeGridText(TStrings* v) { CopyText(v, BeforeGridText()); }

void TPrintDBGridEh::SetDBGridEh(TDBGridEh* grid) {
    if (grid_ == grid) return;
    if (grid_) grid_->RemoveFreeNotification(this);
    grid_ = grid;
    if (grid_) grid_->FreeNotification(this);
}

void TPrintDBGridEh::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == grid_) grid_ = nullptr;
}

void TPrintDBGridEh::SetUnits(TMeasureUnits v) {
    if (v == units_) return;
    if (!ComponentState().Contains(csLoading)) {
        // Round to four decimals: Currency keeps ten-thousandths.
        double factor = v == Inches ? 0.3937 : 2.54;
        auto conv = [factor](Currency c) { return Currency(std::round(c.ToDouble() * factor * 10000.0) / 10000.0); };
        page_->SetBottomMargin(conv(page_->BottomMargin()));
        page_->SetTopMargin(conv(page_->TopMargin()));
        page_->SetLeftMargin(conv(page_->LeftMargin()));
        page_->SetRightMargin(conv(page_->RightMargin()));
    }
    units_ = v;
}

void TPrintDBGridEh::SetSubstitutionPairs(const std::vector<std::string>& values) {
    if (!placeholders_) {
        placeholders_ = std::make_unique<TStringList>();
        values_ = std::make_unique<TStringList>();
    }
    placeholders_->Clear();
    values_->Clear();
    // A placeholder without its value would be replaced by nothing; it is left out.
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        placeholders_->Add(values[i]);
        values_->Add(values[i + 1]);
    }
}

void TPrintDBGridEh::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    // The rich text as the edit writes it, closing zero byte included.
    filer.DefineBinaryProperty(
        "BeforeGridText_Data", [this](TStream& s) { BeforeGridText()->LoadFromStream(s); },
        [this](TStream& s) { BeforeGridText()->SaveToStream(s); }, beforeText_ && BeforeGridText()->Count() > 0);
    filer.DefineBinaryProperty(
        "AfterGridText_Data", [this](TStream& s) { AfterGridText()->LoadFromStream(s); },
        [this](TStream& s) { AfterGridText()->SaveToStream(s); }, afterText_ && AfterGridText()->Count() > 0);
}

void TPrintDBGridEh::OpenPreview() {
    TPrinterPreview* preview = PrinterPreviewInstance();
    if (OnPrinterSetupDialog)
        preview->SetPrinterSetupHandler(OnPrinterSetupDialog);
    else
        preview->SetPrinterSetupHandler([this](TObject* s) { SetupAndPreview(s); });
    preview->SetPrintComponent(this);
    PrintTo(preview);
}

bool TPrintDBGridEh::PageSetup() { return RunPageSetupDialog(this); }

void TPrintDBGridEh::SetupAndPreview(TObject*) {
    if (PageSetup()) OpenPreview();
}

void TPrintDBGridEh::PrintTo(TVirtualPrinter* target) {
    TGridPrintJob job(this, target);
    job.Run();
}

} // namespace tv
