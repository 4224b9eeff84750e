#include "app/windows/menugrilla.h"

#include "core/datetime.h"
#include "core/strutils.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "grid/dbgrideh.h"
#include "gridservices/exchange/exporthtml.h"
#include "gridservices/exchange/exportrtf.h"
#include "gridservices/exchange/exporttext.h"
#include "gridservices/exchange/exportxls.h"
#include "gridservices/exchange/gridclipboard.h"
#include "gridservices/exchange/gridexport.h"
#include "gridservices/print/printdbgrideh.h"

namespace tv::app {

namespace {

TDBGridEh* GrillaEnfocada(TCustomForm* ventana) { return dynamic_cast<TDBGridEh*>(ventana->ActiveControl()); }

struct TFormato {
    TClass exportador;
    const char* extension;
};

} // namespace

void copie_seleccion(TCustomForm* ventana) {
    TDBGridEh* g = GrillaEnfocada(ventana);
    if (g && g->CanCopySelection() && g->EditActions().Contains(geaCopyEh)) GridCopyToClipboard(g, false);
}

void seleccione_todo(TCustomForm* ventana) {
    TDBGridEh* g = GrillaEnfocada(ventana);
    if (g && g->CanSelectAll() && g->EditActions().Contains(geaSelectAllEh)) g->Selection().SelectAll();
}

void imprima_grilla(TCustomForm* ventana, TPrintDBGridEh* impresion) {
    TDBGridEh* g = GrillaEnfocada(ventana);
    if (!g) return;
    impresion->SetDBGridEh(g);
    impresion->SetSubstitutionPairs({"%[Today]", DateToStr(Date())});
    impresion->OpenPreview();
}

void guarde_seleccion(TCustomForm* ventana, TSaveDialog* dialogo, const std::string& nombre) {
    dialogo->SetFileName(nombre);
    TDBGridEh* g = GrillaEnfocada(ventana);
    if (!g || !dialogo->Execute()) return;
    static const TFormato formatos[] = {
        {TDBGridEhExportAsText::StaticClass(), "txt"}, {TDBGridEhExportAsCSV::StaticClass(), "csv"},
        {TDBGridEhExportAsHTML::StaticClass(), "htm"}, {TDBGridEhExportAsRTF::StaticClass(), "rtf"},
        {TDBGridEhExportAsXLS::StaticClass(), "xls"},
    };
    const int i = dialogo->FilterIndex();
    if (i < 1 || i > int(std::size(formatos))) return;
    const TFormato& f = formatos[i - 1];
    std::string archivo = dialogo->FileName();
    const std::string cola = archivo.size() > 3 ? archivo.substr(archivo.size() - 3) : archivo;
    if (!SameText(cola, f.extension)) archivo += std::string(".") + f.extension;
    ExportGridToFile(f.exportador, g, archivo, false);
}

} // namespace tv::app
