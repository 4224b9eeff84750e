#pragma once
// TListaBusqueda, what the station's searchable grid lists share (the article
// list, the chart of accounts): the components both definitions create (the
// search panel, the grid with its navigator and buttons, the pop-up menu of
// the grid windows and its dialogs), the menu's commands and the skinned
// cells; beside it the routines of the search panel: its statement, running
// it without losing the list when it fails, Shift+F12 into the search edit,
// and the set-up of the window and its grid.
#include <string>

#include "framework/ui/forms.h"
#include "grid/gridtypes.h"

namespace tv {
class TClientDataSet;
class TColumnEh;
class TDataSetProvider;
class TDBGridEh;
class TDBNavigator;
class TEdit;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TPrintDBGridEh;
class TRadioGroup;
class TSaveDialog;
class TSpeedButton;
class TsSkinProvider;
class TWinControl;
} // namespace tv

namespace tv::app {

class TListaBusqueda : public TForm {
    TV_CLASS(TListaBusqueda, TForm)
public:
    static void Publish(TPublisher& p);

    TPanel *Panel1 = nullptr, *Panel2 = nullptr;
    TRadioGroup* RBuscar = nullptr;
    TEdit* EBuscar = nullptr;
    TDBGridEh* DBGridEh1 = nullptr;
    TDBNavigator* DBNavigator1 = nullptr;
    TSpeedButton *SBSelec = nullptr, *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    TDataSetProvider* PBorrar = nullptr;
    TClientDataSet* CBorrar = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem *ppmCopy = nullptr, *ppmSelectAll = nullptr, *N1 = nullptr, *ppmPreview = nullptr,
              *ppmSaveSelection = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TPrintDBGridEh* PrintDBGridEh1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;

    void ppmCopyClick(TObject* sender);
    void ppmSelectAllClick(TObject* sender);
    void ppmPreviewClick(TObject* sender);
    void ppmSaveSelectionClick(TObject* sender);
    void DBGridEh1DrawColumnCell(TObject* sender, const win::RECT& rect, int dataCol, TColumnEh* column,
                                 TGridDrawState state);

protected:
    // `seleccion` names the file the saved selection is offered under.
    TListaBusqueda(TComponent* owner, std::string seleccion);

private:
    std::string seleccion_;
};

// `sql` followed by `enlace` (" where ", " and ") and the search condition on
// `columna` when there is a text (anywhere in the column with
// `en_cualquier_parte`, else from the text on), then " order by " `orden`.
std::string consulta_busqueda(const std::string& sql, const std::string& enlace, const std::string& columna,
                              const std::string& texto, bool en_cualquier_parte, const std::string& orden);
// Opens `sql` on the list; when that fails the list shows `anterior` again
// and the error goes on to the central handler.
void abra_busqueda(TClientDataSet* lista, const std::string& sql, const std::string& anterior);
// Shift+F12 puts the focus into the search edit; true when it took the key.
bool foco_busqueda(TWinControl* buscar, win::WORD& key, TShiftState shift);
// Hooks the window's providers to the central handling, gives the grids'
// incremental search the context's pause, places the window and sizes it.
void prepare_lista(TCustomForm* ventana, int alto, int ancho);

} // namespace tv::app
