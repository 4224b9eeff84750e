#include "grid/gridunit.h"

#include <memory>

#include "core/exceptions.h"
#include "core/propertyinterceptor.h"
#include "core/resources.h"
#include "core/unitinit.h"
#include "framework/ui/picture.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/columninterceptors.h"
#include "grid/gridstyle.h"
#include "grid/cdsfeatures.h"
#include "grid/datasetfeatures.h"
#include "grid/griddataservice.h"
#include "grid/platformwrappers.h"

namespace tv {

bool DBGridEhInTitleFilterListboxVisible = false;
TDBGridEhFindDialogProc DBGridEhFindDialogProc;

namespace {
int gStarted = 0;
std::unique_ptr<TFont> gSortIndexFont;
std::unique_ptr<TCustomImageList> gIndicators, gSortMarkers;
win::HCURSOR gCursors[3] = {};
std::unique_ptr<TColCellParamsEh> gScratch;
// Owned here from start-up to shutdown; the rest of the grid reaches them
// through DBGridEhDefaultStyle and DBGridEhDataService.
std::unique_ptr<TDBGridEhStyle> gDefaultStyle;
std::unique_ptr<TDBGridEhDataService> gDataService;
TColor gHighlightBackground = 0x00FFFF;
const TDBGridEhShortcuts kShortcuts{
    0x4000 | 'F',           // Ctrl+F
    0x4000 | 0x0D,          // Ctrl+Enter
    0x2000 | 0x4000 | 0x0D, // Shift+Ctrl+Enter
    0x4000 | 222,           // Ctrl+'
    0x4000 | 'F'};

std::unique_ptr<TBitmap> LoadNamed(const std::string& name) {
    auto b = std::make_unique<TBitmap>();
    if (!LoadBitmapFromResource(b.get(), name)) return nullptr;
    return b;
}

// The arrow on the highlight background, masked with the arrow's own mask colour.
void MakeHighlightIndicator() {
    if (!gIndicators) return;
    auto arrow = LoadNamed("DBGARROWEHW");
    if (!arrow) return;
    TColor bk = gHighlightBackground == 0x808000 ? TColor(0x7F7F00) : gHighlightBackground;
    TBitmap image;
    image.SetSize(arrow->Width(), arrow->Height());
    image.Canvas()->Brush()->SetColor(bk);
    image.Canvas()->FillRect({0, 0, arrow->Width(), arrow->Height()});
    for (int y = 0; y < arrow->Height(); ++y)
        for (int x = 0; x < arrow->Width(); ++x) {
            win::COLORREF px = arrow->Canvas()->Pixels(x, y);
            if (px != 0x808000) image.Canvas()->SetPixels(x, y, static_cast<TColor>(px));
        }
    if (gIndicators->Count() == 7) gIndicators->Delete(6);
    gIndicators->AddMasked(&image, 0x808000);
}
} // namespace

TFont* SortIndexFontEh() { return gSortIndexFont.get(); }
TCustomImageList* DBGridEhIndicators() { return gIndicators.get(); }
TCustomImageList* DBGridEhSortMarkers() { return gSortMarkers.get(); }
win::HCURSOR DBGridEhCursor(int index) { return index >= 0 && index < 3 ? gCursors[index] : nullptr; }
TColCellParamsEh* DBGridEhScratchCellParams() { return gScratch.get(); }
const TDBGridEhShortcuts& DBGridEhShortcuts() { return kShortcuts; }
TColor DBGridEhHighlightBackground() { return gHighlightBackground; }

void SetDBGridEhHighlightBackground(TColor color) {
    gHighlightBackground = color;
    MakeHighlightIndicator();
}

void InitializeGridUnit() {
    if (gStarted++ != 0) return;
    DBGridEhIncSearchPause = 1500;
    AddReadPropertyInterceptor(TColumnEh::StaticClass(), TColumnEhPropertyInterceptor::StaticClass());
    AddReadPropertyInterceptor(TDBGridColumnsEh::StaticClass(), TColumnsEhPropertyInterceptor::StaticClass());
    RegisterClasses({TDBGridEh::StaticClass(), TDBGridColumnEh::StaticClass()});
    gDefaultStyle = std::make_unique<TDBGridEhStyle>();
    SetDBGridEhDefaultStyle(gDefaultStyle.get());
    gDataService = std::make_unique<TDBGridEhDataService>();
    SetDBGridEhDataService(gDataService.get());
    // The registry first, then the client dataset's strategy in it.
    InitializeDatasetFeatures();
    InitializeClientDataSetFeatures();

    gSortIndexFont = std::make_unique<TFont>();
    if (auto down = LoadNamed("DBSMDOWNEH")) gSortIndexFont->SetHeight(1 - down->Height());
    gSortIndexFont->SetName("Arial");

    const char* cursors[3] = {"DOWNCUREH", "RIGHTCUREH", "LEFTCUREH"};
    for (int i = 0; i < 3; ++i) {
        auto res = FindResource(std::string(cursors[i]) + ".cur");
        if (res)
            gCursors[i] = win::LoadCursorFromMemory(cursors[i], reinterpret_cast<const unsigned char*>(res->data()),
                                                    res->size());
        if (!gCursors[i]) throw EOutOfResources("Cannot load cursor resource");
    }

    gIndicators = std::make_unique<TCustomImageList>();
    if (auto first = LoadNamed("DBGARROWEH")) {
        gIndicators->SetWidth(first->Width());
        gIndicators->SetHeight(first->Height());
    }
    for (const char* name : {"DBGARROWEH", "DBEDITEH", "DBINSERTEH", "DBMULTIDOTEH", "DBMULTIARROWEH"})
        if (auto b = LoadNamed(name)) gIndicators->AddMasked(b.get(), clWhite);
    if (auto b = LoadNamed("DBGARROWEHW")) gIndicators->AddMasked(b.get(), 0x808000);
    MakeHighlightIndicator();

    gSortMarkers = std::make_unique<TCustomImageList>();
    if (auto first = LoadNamed("DBSMDOWNEH")) {
        gSortMarkers->SetWidth(first->Width());
        gSortMarkers->SetHeight(first->Height());
    }
    for (const char* name : {"DBSMDOWNEH", "DBSMUPEH"})
        if (auto b = LoadNamed(name)) gSortMarkers->AddMasked(b.get(), 0xFF00FF);

    gScratch = std::make_unique<TColCellParamsEh>();
    DBGridEhInTitleFilterListboxVisible = false;
}

void FinalizeGridUnit() {
    if (gStarted == 0 || --gStarted != 0) return;
    for (win::HCURSOR& c : gCursors) {
        if (c) win::DestroyCursor(c);
        c = nullptr;
    }
    gIndicators.reset();
    gSortMarkers.reset();
    gSortIndexFont.reset();
    gDefaultStyle.reset(); // its destructor clears the default and moves the grids off it
    SetDBGridEhDataService(nullptr);
    gDataService.reset();
    gScratch.reset();
}

TV_UNIT(DBGridEh, urGrid, &InitializeGridUnit, &FinalizeGridUnit)

} // namespace tv
