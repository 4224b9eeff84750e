#pragma once
// TfdmInv, the inventory module: the inventory interfaces and the posting of
// inventory documents.
#include <string>

#include "app/data/contabilizacion.h"
#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TSQLQuery;
class TSQLStoredProc;
} // namespace tv

namespace tv::app {

class TfdmInv : public TDataModule {
    TV_CLASS(TfdmInv, TDataModule)
public:
    explicit TfdmInv(TComponent* owner = nullptr);
    ~TfdmInv() override;
    static void Publish(TPublisher& p);

    // Ids of documents the numbering services found (Tfdm::existe_numero).
    std::string id_entr, id_sali, id_tran, id_ajus, id_ensa, id_dese, id_rese, id_orin;

    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_entrada(int id, int interfaz);
    int contabilice_salida(int id, int interfaz);
    int contabilice_traslado(int id, int interfaz);
    int contabilice_ajuste(int id, int interfaz);
    int contabilice_ensamble(int id, int interfaz);
    int contabilice_desensamble(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TClientDataSet* CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QInterfaz = nullptr, *SContainv = nullptr, *TEntrada = nullptr, *TEntdetalle = nullptr,
              *TSalida = nullptr, *TSaldetalle = nullptr, *TTraslado = nullptr, *TTrasdetalle = nullptr,
              *TEnsamble = nullptr, *TEnsdetalle = nullptr, *TDesensamble = nullptr, *TDesdetalle = nullptr,
              *TAjuste = nullptr, *TAjudetalle = nullptr, *TReserva = nullptr, *TResdetalle = nullptr,
              *TOrdeninv = nullptr, *TOrdinvdetalle = nullptr, *TImportacion = nullptr, *TMaquinas = nullptr,
              *TOperarios = nullptr;
    TDataSetProvider *PInterfaces = nullptr, *PContainv = nullptr;
    TClientDataSet* CContainv = nullptr;
    TDataSource *DEntrada = nullptr, *DSalida = nullptr, *DTraslado = nullptr, *DEnsamble = nullptr,
                *DDesensamble = nullptr, *DAjuste = nullptr, *DReserva = nullptr, *DOrdeninv = nullptr;
    TSQLStoredProc *SPIdEntrada = nullptr, *SPIdSalida = nullptr, *SPIdTraslado = nullptr, *SPIdEnsamble = nullptr,
                   *SPIdDesensamble = nullptr, *SPIdAjuste = nullptr, *SPIdReserva = nullptr, *SPIdOrdeninv = nullptr,
                   *SActualicecosto = nullptr;
    TCadenaContable containv;
};

extern TfdmInv* fdmInv;

} // namespace tv::app
