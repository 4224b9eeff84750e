// Tfdm: the central error handler, the error log and the status-bar messages.
#include "app/data/archivos.h"
#include "app/data/avisos.h"
#include "app/data/dm.h"
#include "app/data/textoserror.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "framework/data/clientdataset.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/data/provider.h"

namespace tv::app {

void Tfdm::ENoManejada(TObject* sender, Exception& e) {
    TResolverResponse response = rrSkip;
    ManejarError(sender, nullptr, e, ukModify, response);
}

void Tfdm::ManejarError(TObject* sender, TDataSet* dataset, Exception& e, TUpdateKind, TResolverResponse& response) {
    response = rrAbort;
    const std::string mensaje = e.Message();
    // A log that cannot be written must not hide the error itself; the user
    // is told beside it that it was not kept.
    std::string sin_anotar;
    try {
        anote_error(archivo_aplicacion("ERRORES.TXT"), usuario, mensaje);
    } catch (const Exception& fallo) {
        sin_anotar = fallo.Message();
    }
    if (principal) principal->SetTextoBarra(mensaje);

    std::string texto = mensaje;
    if (sender && dataset) {
        TDataSet* origen = dataset;
        if (auto* p = dynamic_cast<TDataSetProvider*>(sender); p && p->DataSet()) origen = p->DataSet();
        texto = texto_error_proveedor(mensaje, origen->Name());
    } else if (dataset) {
        texto = TextoErrorCliente(dataset, mensaje);
    } else {
        texto = texto_error_general(mensaje);
    }
    if (!sin_anotar.empty()) texto += "\n\n" + sin_anotar;
    pite();
    muestre_error(texto);
}

std::string Tfdm::TextoErrorCliente(TDataSet* dataset, const std::string& mensaje) {
    mostrar_advertencia(dataset->Name() + ": " + mensaje);
    std::string texto = mensaje;
    if (Copy(mensaje, 1, 30) == "Cannot delete master record wi")
        texto = "Error. Borre antes los detalles dependientes del registro.";
    if (mensaje.rfind("Fie", 0) == 0) {
        std::string lista;
        for (int i = 0; i < dataset->FieldCount(); ++i) {
            TField* f = dataset->Fields()[i];
            if (!f->Required() || !f->IsNull()) continue;
            std::string nombre;
            nombre_campo(f->FieldName(), nombre);
            lista += nombre + ", ";
        }
        texto = "Los campos " + lista + " son obligatorios.";
    } else if (mensaje.rfind("key", 0) == 0) {
        std::string lista;
        for (int i = 0; i < dataset->FieldCount(); ++i) {
            TField* f = dataset->Fields()[i];
            if (!dataset->FieldIsIndexed(f)) continue;
            std::string nombre;
            nombre_campo(f->FieldName(), nombre);
            lista += nombre + " ";
        }
        texto = "Ya existe un registro con el mismo " + lista;
    }
    return texto;
}

void Tfdm::ManejarClientError(TDataSet* dataset, EDatabaseError& e, TDataAction& action) {
    action = daAbort;
    TResolverResponse response = rrAbort;
    ManejarError(nullptr, dataset, e, ukModify, response);
}

// --- status bar ------------------------------------------------------------------------

void Tfdm::MuestreAviso(TAvisoBarra aviso, const std::string& texto) {
    if (!principal) return;
    // Tenths of a second; without a usable setting the stored form's 2500 ms stand.
    std::string valor;
    int decimas = 25;
    if (BusqueConfiguracion("GENERAL", "GENERAL", "DURACION DE LAS ADVERTENCIAS", valor))
        decimas = StrToIntDef(valor, 25);
    principal->SetTextoBarra(texto);
    principal->SetAvisoBarra(aviso);
    principal->ArranqueTemporizador(decimas * 100);
}

void Tfdm::mostrar_advertencia(const std::string& texto) {
    pite();
    MuestreAviso(TAvisoBarra::abAdvertencia, "Advertencia: " + texto);
}

void Tfdm::mostrar_alerta(const std::string& texto) {
    pite();
    if (!principal || principal->AvisoBarra() != TAvisoBarra::abNinguno) return;
    MuestreAviso(TAvisoBarra::abRecordatorio, "RECORDAR: " + texto);
}

void Tfdm::mostrar_mensaje(TObject*, Variant&) {
    if (!principal || principal->AvisoBarra() != TAvisoBarra::abNinguno) return;
    principal->SetTextoBarra("Solicitando información. Espere un momento...");
    principal->SetAvisoBarra(TAvisoBarra::abSolicitando);
    principal->Repinte();
}

void Tfdm::quitar_mensaje(TObject*, Variant&) {
    if (!principal || principal->AvisoBarra() != TAvisoBarra::abSolicitando) return;
    principal->SetAvisoBarra(TAvisoBarra::abNinguno);
    principal->SetTextoBarra("");
    principal->Repinte();
}

} // namespace tv::app
