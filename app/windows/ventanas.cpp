#include "app/windows/ventanas.h"

#include "app/data/avisos.h"
#include "app/data/contabilizacion.h"
#include "app/data/dm.h"
#include "app/data/dmcnt.h"
#include "app/windows/nvacuenta.h"
#include "app/windows/preginterfaz.h"
#include "core/object.h"
#include "framework/data/fields_blob.h"
#include "framework/data/fields_datetime.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "framework/ui/application.h"
#include "framework/ui/dialogs.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/forms.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "framework/ui/stdctrls/memo.h"
#include "editors/dbdatetimeedit.h"
#include "editors/dblookupcombobox.h"
#include "grid/dbgrideh.h"
#include "gridservices/print/printdbgrideh.h"
#include "serial/comport.h"
#include "skin/skinpanel.h"
#include "skin/skinprovider.h"

namespace tv::app {

void registre_ventanas() {
    RegisterClasses({TComPort::StaticClass(), TEdit::StaticClass(), TMaskEdit::StaticClass(), TMemo::StaticClass(),
                     TBitBtn::StaticClass()});
    // The price query keeps the procedure's columns as stored fields.
    RegisterClasses({TStringField::StaticClass(), TFMTBCDField::StaticClass(), TMemoField::StaticClass(),
                     TBlobField::StaticClass()});
    RegisterClasses({TDBGridEh::StaticClass()});
    // The skinned panels of the login and the main window, the interface dialog's skin provider.
    RegisterClasses({TsPanel::StaticClass(), TsSkinProvider::StaticClass()});
    // The login's price list and work date.
    RegisterClasses({TDBLookupComboboxEh::StaticClass(), TDBDateTimeEditEh::StaticClass()});
    // The article and account windows' stored fields and the lists' print component.
    RegisterClasses({TIntegerField::StaticClass(), TDateField::StaticClass(), TPrintDBGridEh::StaticClass()});
    // The document modules ask the user for the interface through this dialog.
    instale_pregunta_interfaz(pregunte_interfaz);
    // The accounting module offers to create a missing account in this window.
    instale_ventana_cuenta_nueva(abra_cuenta_nueva);
}

void conecte_aplicacion() {
    instale_presentador_avisos([](TTipoAviso tipo, const std::string& texto) {
        switch (tipo) {
        case TTipoAviso::taError: MessageDlg(texto, mtError, {mbOK}); return true;
        case TTipoAviso::taInformacion: ShowMessage(texto); return true;
        case TTipoAviso::taConfirmacion: return MessageDlg(texto, mtConfirmation, {mbYes, mbNo}) == mrYes;
        }
        return false;
    });
    Application->OnException = [](TObject* sender, Exception& e) {
        if (fdm) fdm->ENoManejada(sender, e);
        else Application->ShowException(e);
    };
}

namespace {
int MitadArriba(int n) { return n >= 0 ? (n + 1) / 2 : -((-n) / 2); }
} // namespace

void cierre_al_crear(TCustomForm* ventana) {
    // Without a window the release would free it under its own creation.
    ventana->HandleNeeded();
    ventana->Close();
}

void enter_a_tab(TCustomForm* ventana, TObject* sender, char32_t& key) {
    if (key != U'\r') return;
    key = 0;
    ventana->SelectNext(dynamic_cast<TWinControl*>(sender), true, true);
}

void ubique_ventana(TCustomForm* ventana, int alto, int ancho) {
    TCustomForm* principal = Application->MainForm();
    if (!principal) return;
    ventana->SetTop(MitadArriba(principal->ClientHeight() - alto - 120));
    ventana->SetLeft(MitadArriba(principal->ClientWidth() - ancho - 125));
}

} // namespace tv::app
