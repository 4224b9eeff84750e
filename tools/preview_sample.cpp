// Prints a three-page price list into the print preview on the headless
// desktop and writes the preview window to a PNG file.
//   preview_sample [file.png] [zoom mode 0..9] [toolbar: captions|images|both]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/screen.h"
#include "gridservices/preview/previewform.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/queue.h"

using namespace tv;

namespace {

void PrintPriceList(TPrinterPreview* p) {
    p->SetTitle("Lista de precios");
    p->BeginDoc();
    int width = p->GetPageWidth(), height = p->GetPageHeight();
    int line = p->GetPixelsPerInchY() / 4, item = 1;
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) p->NewPage();
        TCanvas* c = p->GetCanvas();
        c->Font()->SetName("DejaVu Sans");
        c->Font()->SetSize(16);
        c->Font()->SetStyle(TFontStyles{fsBold});
        c->TextOut(0, 0, "Lista de precios");
        c->Font()->SetSize(10);
        c->Font()->SetStyle({});
        c->Pen()->SetWidth(p->GetPixelsPerInchX() / 100);
        int y = line * 2;
        c->MoveTo(0, y);
        c->LineTo(width, y);
        for (y += line / 2; y < height - 2 * line; y += line, ++item) {
            char code[16], price[32];
            std::snprintf(code, sizeof code, "%06d", item);
            std::snprintf(price, sizeof price, "$ %d.%03d", 1 + item * 7 % 90, item * 37 % 1000);
            c->TextOut(0, y, code);
            c->TextOut(width / 6, y, "Artículo de prueba número " + std::to_string(item));
            c->TextOut(width * 4 / 5, y, price);
        }
        c->TextOut(width / 2 - line, height - line, "Página " + std::to_string(page));
    }
    p->EndDoc();
}

} // namespace

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "preview.png";
    int zoom = argc > 2 ? std::atoi(argv[2]) : kZoomWholePage;
    win::SetScreenSize(1024, 768);
    win::RegisterStandardClasses();
    InitializeUI();
    TPrinterPreview* preview = PrinterPreviewInstance();
    preview->OwnPrinter()->SetPrinterIndex(preview->OwnPrinter()->Printers()->IndexOf(win::kPdfPrinterName));
    PrintPriceList(preview);
    TPreviewFormEh* form = PreviewForm();
    form->PreviewEh1->ChangeZoomMode(zoom);
    std::string look = argc > 3 ? argv[3] : "captions";
    for (int size : look == "images" ? std::vector<int>{41} : look == "both" ? std::vector<int>{41, 55} : std::vector<int>{}) {
        bool accept = true;
        form->SplitterCanResize(form->Splitter, size, accept);
    }
    win::ProcessPendingMessages();
    bool ok = win::SaveWindowPng(form->WindowHandle(), out);
    FinalizeUI();
    if (!ok) {
        std::fprintf(stderr, "No se pudo escribir %s\n", out.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
