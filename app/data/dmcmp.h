#pragma once
// Tfdmcmp, the purchases module: the purchases interfaces and the posting of
// purchase invoices and returns to suppliers.
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

class Tfdmcmp : public TDataModule {
    TV_CLASS(Tfdmcmp, TDataModule)
public:
    explicit Tfdmcmp(TComponent* owner = nullptr);
    ~Tfdmcmp() override;
    static void Publish(TPublisher& p);

    // An interface chosen with id 0 is refused.
    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_facturac(int id, int interfaz);
    int contabilice_devolucionc(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TClientDataSet* CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    // The rest of the stored definition's components.
    TSQLQuery *QInterfaces = nullptr, *SContacmp = nullptr, *TFactcomp = nullptr, *TFactcompdet = nullptr,
              *TRemiprov = nullptr, *TRemiprovdet = nullptr, *TOrdencomp = nullptr, *TOrdencompdet = nullptr,
              *TDevolprov = nullptr, *TDevolprovdet = nullptr, *TCoticomp = nullptr, *TCoticompdet = nullptr;
    TDataSetProvider *PInterfaces = nullptr, *PContacmp = nullptr;
    TClientDataSet *CContacmp = nullptr, *Csugerido = nullptr;
    TDataSource *DFactcomp = nullptr, *DRemiprov = nullptr, *DOrdencomp = nullptr, *DDevolprov = nullptr,
                *DCoticomp = nullptr;
    TSQLStoredProc *SPIdFactcomp = nullptr, *SPIdRemiprov = nullptr, *SPIdOrdencomp = nullptr, *SPIdDevolprov = nullptr,
                   *SPIdCoticomp = nullptr;
    TCadenaContable contacmp;
};

extern Tfdmcmp* fdmcmp;

} // namespace tv::app
