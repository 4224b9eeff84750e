#pragma once
// Tfdmcmp, the purchases module: the purchases interfaces and the posting of
// purchase invoices and returns to suppliers.
#include <string>

#include "app/data/contabilizacion.h"
#include "framework/ui/forms.h"

namespace tv {
class TClientDataSet;
class TDataSource;
} // namespace tv

namespace tv::app {

class Tfdmcmp : public TDataModule {
    TV_CLASS(Tfdmcmp, TDataModule)
public:
    explicit Tfdmcmp(TComponent* owner = nullptr);
    ~Tfdmcmp() override;

    // An interface chosen with id 0 is refused.
    int abre_interfaz(int tipo, const std::string& prefijo, bool preguntar);
    int contabilice_facturac(int id, int interfaz);
    int contabilice_devolucionc(int id, int interfaz);

protected:
    void Loaded() override;

private:
    TClientDataSet* CInterfaces = nullptr;
    TDataSource* DInterfaces = nullptr;
    TCadenaContable contacmp;
};

extern Tfdmcmp* fdmcmp;

} // namespace tv::app
