// Shows a rich edit with formatted paragraphs on the desktop backend, to be
// typed into and looked at; saves the screen as a PNG when it ends.
//   richedit_sample [--out file.png] [--seconds N]
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "core/exceptions.h"
#include "core/streams.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/richedit.h"
#include "platform/backend/sdlbackend.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"

using namespace tv;

int main(int argc, char** argv) {
    std::string out = "richedit-sample.png";
    double seconds = 10;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
    }
    try {
        win::SdlOptions o;
        o.title = "Tallyvo POS - texto con formato";
        win::SetBackend(std::make_unique<win::SdlBackend>(o));
        InitializeUI();
        TForm* form = nullptr;
        Application->CreateForm(form);
        form->SetCaption("Texto con formato");
        form->SetBounds(40, 40, 560, 360);
        auto* edit = new TRichEdit(form);
        edit->SetParent(form);
        edit->SetAlign(alClient);
        edit->SetScrollBars(ssVertical);
        TStringStream rtf(
            "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
            "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green96\\blue0;}"
            "\\pard\\qc\\f0\\fs32\\b Plan de cuentas\\b0\\par"
            "\\pard\\qr\\f1\\fs20\\i Corte al 31 de diciembre\\i0\\par"
            "\\pard\\f0\\fs22 Cuentas del \\cf1 activo\\cf0 , del \\cf2 pasivo\\cf0  y del \\ul patrimonio\\ulnone , "
            "con sus saldos y movimientos del per\\'edodo, en pesos colombianos (\\u8364? no aplica).\\par"
            "\\pard\\qj Un p\\'e1rrafo justificado que ocupa varias l\\'edneas para ver c\\'f3mo se reparte el "
            "espacio entre las palabras cuando el texto llega al borde derecho de la ventana.\\par}");
        edit->Lines()->LoadFromStream(rtf);
        form->Show();
        edit->SetFocus();
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
        while (std::chrono::steady_clock::now() < end && !Application->Terminated()) {
            Application->ProcessMessages();
            win::UpdateAllWindows();
            win::CurrentBackend().Present();
            win::CurrentBackend().WaitForInput(30); // takes the keyboard and the mouse in
        }
        bool saved = win::SaveDesktopPng(out);
        FinalizeUI();
        if (!saved) return 1;
        std::printf("Captura: %s\n", out.c_str());
    } catch (Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
