// The print preview: a job recorded page by page while the window already
// shows it, paging, zooming and panning, the toolbar's state, printing the
// recorded pages to a real PDF, and stopping or closing during a job.
#include <cairo.h>

#include "core/exceptions.h"
#include "framework/ui/screen.h"
#include "gridservices/preview/previewcursors.h"
#include "gridservices/preview/previewform.h"
#include "platform/backend/headless.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/recordingdc.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "previewfixture.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class PrinterPreviewTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        preview = PrinterPreviewInstance();
        form = PreviewForm();
        box = form->PreviewEh1;
        TPrinter* own = preview->OwnPrinter();
        own->SetPrinterIndex(own->Printers()->IndexOf(kPdfPrinterName));
        own->SetOutputFile(pdf);
    }

    // Pages saying "Página n"; the first has its top left quarter black.
    void Job(int pages, const std::string& title = "Lista de precios") {
        preview->SetTitle(title);
        preview->BeginDoc();
        for (int n = 1; n <= pages; ++n) {
            if (n > 1) preview->NewPage();
            TCanvas* c = preview->GetCanvas();
            if (n == 1) {
                c->Brush()->SetColor(clBlack);
                c->FillRect(RECT{0, 0, preview->GetPageWidth() / 2, preview->GetPageHeight() / 2});
                c->Brush()->SetColor(clWhite);
            }
            c->Font()->SetName("DejaVu Sans");
            c->Font()->SetSize(14);
            c->TextOut(200, preview->GetPageHeight() - 400, "Página " + std::to_string(n));
        }
        preview->EndDoc();
        ProcessPendingMessages();
    }

    POINT ScreenPoint(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
    // The middle of what the box shows, offset by dx, dy.
    POINT InView(int dx = 0, int dy = 0) {
        return box->ClientToScreen({box->ClientWidth() / 2 + dx, box->ClientHeight() / 2 + dy});
    }

    std::string pdf = tmp.file("vista previa.pdf");
    TPrinterPreview* preview = nullptr;
    TPreviewFormEh* form = nullptr;
    TPreviewBox* box = nullptr;
};

// The colour of a pixel drawn by PaintTo, as 0xRRGGBB.
unsigned Pixel(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
}

TEST_F(PrinterPreviewTest, TheWindowOpensWithTheSecondPageAndFollowsTheJob) {
    EXPECT_EQ(PrinterPreviewInstance(), preview); // one per process
    EXPECT_FALSE(form->Visible());
    preview->SetTitle("Catálogo");
    preview->BeginDoc();
    EXPECT_TRUE(preview->GetPrinting());
    EXPECT_EQ(preview->GetPageNumber(), 1);
    EXPECT_EQ(box->PageCount(), 1);
    preview->GetCanvas()->TextOut(0, 0, "Uno");
    EXPECT_FALSE(form->Visible());
    preview->NewPage();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(preview->GetPageNumber(), 2);
    EXPECT_EQ(box->PageCount(), 1); // only finished pages
    EXPECT_EQ(form->stbMain->SimpleText(), "Page 1 of 1");
    EXPECT_TRUE(form->tbStop->Enabled());
    EXPECT_FALSE(form->tbClose->Enabled());
    EXPECT_FALSE(form->tbtPrint->Enabled());
    preview->GetCanvas()->TextOut(0, 0, "Dos");
    preview->NewPage();
    preview->GetCanvas()->TextOut(0, 0, "Tres");
    // Paging works while the job runs.
    box->GoToPage(2);
    EXPECT_EQ(box->CurrentPage(), 2);
    preview->EndDoc();
    EXPECT_FALSE(preview->GetPrinting());
    EXPECT_EQ(preview->GetPageNumber(), -1);
    EXPECT_EQ(box->PageCount(), 3);
    EXPECT_EQ(form->stbMain->SimpleText(), "Page 2 of 3");
    EXPECT_EQ(form->Caption(), "Preview - Catálogo");
    EXPECT_FALSE(form->tbStop->Enabled());
    EXPECT_TRUE(form->tbClose->Enabled());
    EXPECT_TRUE(form->tbtPrint->Enabled());
    EXPECT_FALSE(form->tbtPrinterSetupDialog->Enabled()); // no set-up handler, no print component

    // Each page plays back what was drawn on it.
    for (int n = 1; n <= 3; ++n) {
        HDC dc = CreateRecordingDC(100, 100);
        TCanvas canvas;
        canvas.SetHandle(dc);
        preview->DrawPage(&canvas, n);
        std::string drawn;
        for (const RecordedCall& call : GetRecordedCalls(dc)) drawn += call.Line() + "\n";
        canvas.SetHandle(nullptr);
        DeleteDC(dc);
        const char* words[] = {"Uno", "Dos", "Tres"};
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(drawn.find(words[k]) != std::string::npos, k == n - 1) << "page " << n << "\n" << drawn;
    }

    // A one-page job opens the window at its end.
    form->Close();
    EXPECT_FALSE(form->Visible());
    Job(1);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->stbMain->SimpleText(), "Page 1 of 1");
}

TEST_F(PrinterPreviewTest, PagingClampsAndTheButtonsFollow) {
    Job(3);
    EXPECT_EQ(box->CurrentPage(), 1);
    EXPECT_FALSE(form->tbtPrevPage->Enabled());
    form->tbtNextPageClick(form->tbtNextPage);
    EXPECT_EQ(box->CurrentPage(), 2);
    EXPECT_TRUE(form->tbtPrevPage->Enabled());
    box->GoToPage(99);
    EXPECT_EQ(box->CurrentPage(), 3);
    EXPECT_FALSE(form->tbtNextPage->Enabled());
    EXPECT_EQ(form->stbMain->SimpleText(), "Page 3 of 3");
    box->GoToPage(-4);
    EXPECT_EQ(box->CurrentPage(), 1);
    form->tbtPrevPageClick(form->tbtPrevPage);
    EXPECT_EQ(box->CurrentPage(), 1);
}

TEST_F(PrinterPreviewTest, ZoomModesLayThePageOut) {
    Job(2);
    TDrawPanel* page = box->PagePanel();
    int P = preview->GetPageWidth(), F = form->PixelsPerInch(), R = preview->GetPixelsPerInchX();
    int H = preview->PageWidthMM(), V = preview->PageHeightMM();
    EXPECT_EQ(R, 600);

    // Whole page: the page fits and stands in the middle.
    EXPECT_EQ(box->ZoomMode(), kZoomWholePage);
    EXPECT_TRUE(form->mniFull->Checked());
    EXPECT_LE(page->Width(), box->ClientWidth() - 16);
    EXPECT_LE(page->Height(), box->ClientHeight() - 16);
    EXPECT_NEAR(page->Width() * V, page->Height() * H, std::max(H, V));
    EXPECT_EQ(page->Left(), (box->ClientWidth() - page->Width()) / 2);
    EXPECT_EQ(box->ShadowPanel()->Left(), page->Left() + 4);
    EXPECT_EQ(box->ShadowPanel()->Top(), page->Top() + 4);
    EXPECT_EQ(box->VertRange(), 0);

    // 100 %: the printable width at the window's resolution.
    form->mniScaleClick(form->mni100);
    EXPECT_EQ(box->ZoomMode(), 3);
    EXPECT_TRUE(form->mni100->Checked());
    EXPECT_FALSE(form->mniFull->Checked());
    EXPECT_EQ(box->ZoomPercent(), 100);
    int w = 100 * P * F / R / 100;
    EXPECT_EQ(page->Width(), w);
    EXPECT_EQ(page->Height(), w * V / H);
    EXPECT_EQ(box->VertRange(), w * V / H + 16);
    EXPECT_EQ(box->HorzRange(), w + 16);

    // Page width: as wide as the box allows.
    box->ChangeZoomMode(kZoomPageWidth);
    int pw = box->Width() - GetSystemMetrics(SM_CXVSCROLL) - 20;
    EXPECT_EQ(page->Width(), pw);
    EXPECT_EQ(page->Left(), 8);
    EXPECT_EQ(box->ZoomPercent(), pw * 100 / (P * F / R));
    EXPECT_EQ(box->HorzRange(), 0);
    EXPECT_TRUE(form->mniWidth->Checked());

    // 500 %: too big for the box, so it starts at the corner.
    box->ChangeZoomMode(0);
    EXPECT_EQ(page->Left(), 8);
    EXPECT_EQ(page->Top(), 8);
    EXPECT_EQ(box->ZoomPercent(), 500);
}

TEST_F(PrinterPreviewTest, TheScaleButtonOpensTheZoomMenu) {
    Job(1);
    TToolButton* scale = form->tbtScale;
    POINT p = scale->ClientToScreen({8, scale->Height() / 2});
    ScriptStep([] {
        for (int i = 0; i < 4; ++i) QueueKey(VK_DOWN); // 500, 200, 150, 100
        QueueKey(VK_RETURN);
    });
    Click(p.x, p.y);
    EXPECT_EQ(box->ZoomMode(), 3);
    EXPECT_EQ(box->ZoomPercent(), 100);
    EXPECT_TRUE(form->mni100->Checked());
}

TEST_F(PrinterPreviewTest, ThePanelPaintsTheCurrentPageOnTheWholeSheet) {
    Job(2);
    TDrawPanel* page = box->PagePanel();
    int w = page->Width(), h = page->Height();
    ASSERT_GT(w, 100);
    HDC dc = CreateRecordingDC(w, h);
    page->PaintTo(dc, 0, 0);
    cairo_surface_t* s = GetRecordingSurface(dc);
    // The printable area begins after the paper's border.
    int ox = preview->PhysicalOffsetX() * w / preview->GetFullPageWidth();
    int oy = preview->PhysicalOffsetY() * h / preview->GetFullPageHeight();
    int qw = (preview->GetPageWidth() / 2) * w / preview->GetFullPageWidth();
    int qh = (preview->GetPageHeight() / 2) * h / preview->GetFullPageHeight();
    EXPECT_EQ(Pixel(s, ox + qw / 2, oy + qh / 2), 0x000000u);
    EXPECT_EQ(Pixel(s, ox + qw + 4, oy + qh / 2), 0xFFFFFFu);
    EXPECT_EQ(Pixel(s, ox / 2, oy + qh / 2), 0xFFFFFFu); // the border stays white
    EXPECT_EQ(Pixel(s, w - 3, h - 3), 0xFFFFFFu);
    DeleteDC(dc);

    // Page 2 has no black quarter.
    box->GoToPage(2);
    dc = CreateRecordingDC(w, h);
    page->PaintTo(dc, 0, 0);
    EXPECT_EQ(Pixel(GetRecordingSurface(dc), ox + qw / 2, oy + qh / 2), 0xFFFFFFu);
    DeleteDC(dc);
}

TEST_F(PrinterPreviewTest, ClicksZoomAroundThePointAndTheWheelPagesOrScrolls) {
    Job(3);
    TDrawPanel* page = box->PagePanel();
    EXPECT_EQ(page->Cursor(), MagnifierCursor());
    EXPECT_NE(MagnifierCursor(), HandCursor());
    EXPECT_GT(MagnifierCursor(), 0);

    // Whole page: the wheel turns pages.
    POINT p = ScreenPoint(page, page->Width() / 2, page->Height() / 2);
    Wheel(p.x, p.y, -120);
    EXPECT_EQ(box->CurrentPage(), 2);
    Wheel(p.x, p.y, 120);
    EXPECT_EQ(box->CurrentPage(), 1);

    // A click zooms to 150 % and keeps the clicked point in view.
    int x = page->Width() / 4, y = page->Height() / 4;
    int oldTop = page->Top(), oldHeight = page->Height();
    p = ScreenPoint(page, x, y);
    Click(p.x, p.y);
    EXPECT_EQ(box->ZoomMode(), 2);
    EXPECT_EQ(box->ZoomPercent(), 150);
    EXPECT_TRUE(form->mni150->Checked());
    int expected = std::clamp(y * page->Height() / oldHeight - oldTop - y + 16, 0,
                              std::max(0, box->VertRange() - box->ClientHeight()));
    EXPECT_EQ(box->VertPos(), expected);
    EXPECT_EQ(page->Top(), 8 - box->VertPos());
    EXPECT_EQ(box->Focused(), true);

    // Zoomed in, the wheel scrolls.
    int before = box->VertPos();
    p = InView();
    Wheel(p.x, p.y, -120);
    EXPECT_EQ(box->CurrentPage(), 1);
    EXPECT_EQ(box->VertPos(), before + 8 * 3 * 150 / 100);

    // Dragging pans the page with the hand.
    before = box->VertPos();
    int left = box->HorzPos();
    p = InView();
    MouseDown(p.x, p.y);
    MoveMouse(p.x - 30, p.y - 50);
    EXPECT_EQ(page->Cursor(), HandCursor());
    EXPECT_EQ(box->VertPos(), before + 50);
    EXPECT_EQ(box->HorzPos(), std::min(left + 30, std::max(0, box->HorzRange() - box->ClientWidth())));
    MouseUp(p.x - 30, p.y - 50);
    EXPECT_EQ(page->Cursor(), MagnifierCursor());
    EXPECT_EQ(box->ZoomMode(), 2); // a pan is no click

    // Another click brings the whole page back.
    p = InView();
    Click(p.x, p.y);
    EXPECT_EQ(box->ZoomMode(), kZoomWholePage);
    EXPECT_EQ(box->VertPos(), 0);
}

TEST_F(PrinterPreviewTest, KeysScrollTheZoomedPage) {
    Job(1);
    box->ChangeZoomMode(1); // 200 %
    box->SetFocus();
    ProcessPendingMessages();
    int page = box->ClientHeight() - box->Increment();
    int bottom = box->VertRange() - box->ClientHeight();
    ASSERT_GT(bottom, page);
    struct Case {
        int key;
        bool ctrl;
        int vert;
    } cases[] = {
        {VK_DOWN, false, 8},       {VK_DOWN, true, 8 + page}, {VK_UP, false, page},
        {VK_NEXT, false, 2 * page}, {VK_PRIOR, true, 0},      {VK_NEXT, true, bottom},
        {VK_PRIOR, false, bottom - page},
    };
    for (const Case& c : cases) {
        PressKey(c.key, false, c.ctrl);
        EXPECT_EQ(box->VertPos(), std::clamp(c.vert, 0, bottom)) << c.key << (c.ctrl ? " with Ctrl" : "");
    }
    PressKey(VK_END, false, true);
    EXPECT_EQ(box->VertPos(), bottom);
    EXPECT_EQ(box->HorzPos(), std::max(0, box->HorzRange() - box->ClientWidth()));
    PressKey(VK_HOME, false, true);
    EXPECT_EQ(box->VertPos(), 0);
    EXPECT_EQ(box->HorzPos(), 0);
}

TEST_F(PrinterPreviewTest, HoldingNextRepeatsAndTheReleaseAddsNothing) {
    Job(6);
    ProcessPendingMessages();
    TToolButton* next = form->tbtNextPage;
    POINT p = ScreenPoint(next, next->Width() / 2, next->Height() / 2);
    MouseDown(p.x, p.y);
    EXPECT_EQ(box->CurrentPage(), 1);
    Advance(399);
    EXPECT_EQ(box->CurrentPage(), 1);
    Advance(1);
    EXPECT_EQ(box->CurrentPage(), 2);
    Advance(100);
    EXPECT_EQ(box->CurrentPage(), 3);
    MouseUp(p.x, p.y);
    EXPECT_EQ(box->CurrentPage(), 3);
    Advance(500);
    EXPECT_EQ(box->CurrentPage(), 3);
    // A short click turns one page, at the release.
    MouseDown(p.x, p.y);
    EXPECT_EQ(box->CurrentPage(), 3);
    MouseUp(p.x, p.y);
    EXPECT_EQ(box->CurrentPage(), 4);
}

TEST_F(PrinterPreviewTest, AFailingRepeatStopsTheTimerAndTheWindowGoesOn) {
    Job(6);
    ProcessPendingMessages();
    auto changed = box->OnPrinterPreviewChanged;
    box->OnPrinterPreviewChanged = [](TObject*) { throw Exception("Falla al cambiar de página"); };
    TToolButton* next = form->tbtNextPage;
    POINT p = ScreenPoint(next, next->Width() / 2, next->Height() / 2);
    MouseDown(p.x, p.y);
    Advance(400);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_TRUE(said.empty()) << said.front();
    box->OnPrinterPreviewChanged = changed;
    int page = box->CurrentPage();
    Advance(300);
    EXPECT_EQ(box->CurrentPage(), page);
    MouseUp(p.x, p.y);
}

TEST_F(PrinterPreviewTest, PrintsTheRecordedPagesOnThePrinter) {
    Job(3);
    TPrinter* global = tv::Printer();
    ScriptStep([] { PressKey(VK_RETURN); }); // all pages
    form->tbtPrintClick(form->tbtPrint);
    EXPECT_EQ(tv::Printer(), global);
    std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Lista de precios"), std::string::npos) << info;
    std::string text = PdfText(pdf);
    size_t one = text.find("Página 1"), two = text.find("Página 2"), three = text.find("Página 3");
    ASSERT_NE(one, std::string::npos) << text;
    ASSERT_NE(two, std::string::npos) << text;
    ASSERT_NE(three, std::string::npos) << text;
    EXPECT_LT(one, two);
    EXPECT_LT(two, three);

    // Pages 2 to 3 only: the first page is typed in the "desde" box.
    ScriptStep([] {
        PressKey(VK_TAB, true); // to "hasta"
        PressKey(VK_TAB, true); // to "desde"
        PressKey(VK_HOME);
        PressKey(VK_END, true);
        TypeText("2");
        PressKey(VK_RETURN);
    });
    box->RunPrintDialog();
    info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    text = PdfText(pdf);
    EXPECT_EQ(text.find("Página 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Página 3"), std::string::npos) << text;

    // Cancelled: nothing is printed.
    std::filesystem::remove(pdf);
    ScriptStep([] { PressKey(VK_ESCAPE); });
    box->RunPrintDialog();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(tv::Printer(), global);
}

TEST_F(PrinterPreviewTest, StopAndCloseDuringAJob) {
    preview->BeginDoc();
    preview->NewPage();
    ProcessPendingMessages();
    ASSERT_TRUE(form->Visible());
    form->tbStopClick(form->tbStop);
    EXPECT_TRUE(preview->GetAborted());
    preview->EndDoc();
    EXPECT_EQ(box->PageCount(), 2); // the pages made so far stay
    EXPECT_TRUE(form->Visible());

    // Esc stops a running job and closes an idle window.
    preview->BeginDoc();
    WORD esc = VK_ESCAPE;
    form->FormKeyDown(form, esc, {});
    EXPECT_TRUE(preview->GetAborted());
    EXPECT_TRUE(form->Visible());
    preview->EndDoc();
    esc = VK_ESCAPE;
    form->FormKeyDown(form, esc, {});
    EXPECT_FALSE(form->Visible());

    // Closing during a job waits for its end.
    preview->BeginDoc();
    preview->NewPage();
    ASSERT_TRUE(form->Visible());
    form->Close();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(preview->GetAborted());
    preview->EndDoc();
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(box->PageCount(), 2);
}

TEST_F(PrinterPreviewTest, PrinterSetupGoesToTheJobsHandler) {
    std::unique_ptr<TComponent> grid(new TComponent(nullptr));
    TObject* sender = nullptr;
    TPrinter* during = nullptr;
    int calls = 0;
    preview->SetPrinterSetupHandler([&](TObject* s) {
        sender = s;
        during = tv::Printer();
        ++calls;
    });
    preview->SetPrintComponent(grid.get());
    Job(1);
    EXPECT_EQ(box->PrintComponent(), grid.get());
    EXPECT_TRUE(form->tbtPrinterSetupDialog->Enabled());
    TPrinter* global = tv::Printer();
    form->tbtPrinterSetupDialogClick(form->tbtPrinterSetupDialog);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sender, box);
    EXPECT_EQ(during, preview->OwnPrinter());
    EXPECT_EQ(tv::Printer(), global);

    // The handler failing: the global printer comes back all the same.
    box->PrinterSetupHandler = [](TObject*) { throw EPrinter("sin papel"); };
    EXPECT_THROW(box->RunPrinterSetup(), EPrinter);
    EXPECT_EQ(tv::Printer(), global);

    // Without a handler the dialog shows; its OK calls the after-set-up handler.
    box->PrinterSetupHandler = nullptr;
    int after = 0;
    box->AfterSetupHandler = [&](TObject*) { ++after; };
    ScriptStep([] { PressKey(VK_RETURN); });
    box->RunPrinterSetup();
    EXPECT_EQ(after, 1);
    ScriptStep([] { PressKey(VK_ESCAPE); });
    box->RunPrinterSetup();
    EXPECT_EQ(after, 1);

    // The component going away leaves the box.
    grid.reset();
    EXPECT_EQ(box->PrintComponent(), nullptr);
}

TEST_F(PrinterPreviewTest, TheSplitterSwitchesTheToolbarsLook) {
    TToolBar* bar = form->tbrMain;
    EXPECT_EQ(form->ToolLook(), TPreviewFormEh::tlCaptions);
    EXPECT_TRUE(bar->ShowCaptions());
    EXPECT_EQ(bar->Images(), nullptr);
    struct Step {
        int size;
        TPreviewFormEh::TToolLook look;
    } steps[] = {
        {40, TPreviewFormEh::tlCaptions},          {41, TPreviewFormEh::tlImages},
        {54, TPreviewFormEh::tlImages},            {55, TPreviewFormEh::tlImagesAndCaptions},
        {42, TPreviewFormEh::tlImagesAndCaptions}, {41, TPreviewFormEh::tlImages},
        {25, TPreviewFormEh::tlImages},            {24, TPreviewFormEh::tlCaptions},
    };
    for (const Step& s : steps) {
        int n = s.size;
        bool accept = true;
        form->SplitterCanResize(form->Splitter, n, accept);
        EXPECT_EQ(form->ToolLook(), s.look) << "size " << s.size;
        if (s.look == TPreviewFormEh::tlImages) {
            EXPECT_EQ(bar->Images(), form->imlMain);
            EXPECT_FALSE(bar->ShowCaptions());
            EXPECT_EQ(bar->ButtonWidth(), 39);
            EXPECT_EQ(bar->ButtonHeight(), 38);
        }
    }
    EXPECT_EQ(form->imlMain->Count(), 9);

    // Dragging the splitter itself: the toolbar takes its new look and keeps
    // the height of its buttons.
    form->Show();
    ProcessPendingMessages();
    int x = form->Splitter->Width() / 2, y = form->Splitter->Height() / 2;
    POINT from = form->Splitter->ClientToScreen({x, y});
    Drag(from.x, from.y, from.x, from.y + 20);
    EXPECT_EQ(form->ToolLook(), TPreviewFormEh::tlImages);
    EXPECT_EQ(bar->Height(), form->imlMain->Height() + 7 + 6); // the tallest button and the edges
    EXPECT_EQ(form->Splitter->Top(), bar->Height());
}

TEST_F(PrinterPreviewTest, EscapeFromTheKeyboardClosesTheIdleWindow) {
    Job(2);
    box->SetFocus();
    ProcessPendingMessages();
    ASSERT_TRUE(form->Visible());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(form->Visible());
    // The next job shows the same window again with its pages.
    Job(1);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(box->PageCount(), 1);
}

} // namespace
} // namespace tvtest
