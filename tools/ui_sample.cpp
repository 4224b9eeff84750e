// Shows a form read from its stored definition on the desktop backend and
// saves the screen as a PNG: panels, labels, buttons with pictures, a status
// bar and a menu.
//   ui_sample [--out file.png] [--seconds N] [--form file.dfm] [--headless]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "core/exceptions.h"
#include "core/resources.h"
#include "framework/ui/application.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/forms.h"
#include "platform/backend/sdlbackend.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"

using namespace tv;

namespace {

class TSampleForm : public TForm {
    TV_CLASS(TSampleForm, TForm)
public:
    using TForm::TForm;
    static void Publish(TPublisher& p) {
        p.Method("SalirClick", &TSampleForm::SalirClick);
        p.Method("FormKeyDown", &TSampleForm::FormKeyDown);
    }
    void SalirClick(TObject*) { Close(); }
    void FormKeyDown(TObject*, win::WORD& key, TShiftState shift) {
        if (key == win::VK_ESCAPE && shift.Empty()) Close();
    }
};

// A small picture drawn on the spot: a tick, a cross or a cog.
void DrawGlyph(TBitmap* b, int kind) {
    b->SetPixelFormat(pf24bit);
    b->SetSize(20, 20);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(clFuchsia); // the transparent colour (bottom-left pixel)
    c->FillRect({0, 0, 20, 20});
    c->Pen()->SetWidth(3);
    if (kind == 0) {
        c->Pen()->SetColor(clGreen);
        c->Polyline({{3, 10}, {8, 15}, {17, 4}});
    } else if (kind == 1) {
        c->Pen()->SetColor(clRed);
        c->MoveTo(4, 4);
        c->LineTo(16, 16);
        c->MoveTo(16, 4);
        c->LineTo(4, 16);
    } else {
        c->Pen()->SetColor(clNavy);
        c->Brush()->SetColor(clSkyBlue);
        c->Ellipse(3, 3, 17, 17);
        c->Brush()->SetColor(clFuchsia);
        c->Pen()->SetWidth(1);
        c->Ellipse(7, 7, 13, 13);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string out = "ui-sample.png", formFile = "resources/forms/TSampleForm.dfm";
    double seconds = 2;
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--form" && i + 1 < argc) formFile = argv[++i];
        else if (a == "--headless") headless = true;
    }
    static std::string definition;
    if (!FindResource("TSampleForm")) {
        std::ifstream in(formFile, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "No se encuentra la definición del formulario: %s\n", formFile.c_str());
            return 1;
        }
        std::stringstream ss;
        ss << in.rdbuf();
        definition = ss.str();
        RegisterResource("TSampleForm.dfm", definition.data(), definition.size());
    }
    try {
        if (!headless) {
            win::SdlOptions o;
            o.title = "Tallyvo POS - muestra";
            win::SetBackend(std::make_unique<win::SdlBackend>(o));
        }
        InitializeUI();
        RegisterClass(TSampleForm::StaticClass());
        Application->SetTitle("POS - Tallyvo 2009");
        TSampleForm* form = nullptr;
        Application->CreateForm(form);
        int kind = 0;
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3"})
            if (auto* b = dynamic_cast<TBitBtn*>(form->FindComponent(name))) DrawGlyph(b->Glyph(), kind++);
        form->Show();
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        while (std::chrono::steady_clock::now() < end && !Application->Terminated()) {
            Application->ProcessMessages();
            win::UpdateAllWindows();
            win::CurrentBackend().Present();
            // The desktop's keys, mouse and stop request (SIGTERM) come in while waiting.
            win::CurrentBackend().WaitForInput(30);
        }
        bool saved = win::SaveDesktopPng(out);
        FinalizeUI();
        if (!saved) {
            std::fprintf(stderr, "No se pudo escribir %s\n", out.c_str());
            return 1;
        }
        std::printf("Captura: %s\n", out.c_str());
    } catch (Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
