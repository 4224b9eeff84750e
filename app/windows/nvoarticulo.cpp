#include "app/windows/nvoarticulo.h"

#include "app/data/dm.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

namespace tv::app {

void Tfnvoarticulo::Publish(TPublisher& p) { p.Method("CArticuloAfterInsert", &Tfnvoarticulo::CArticuloAfterInsert); }

bool Tfnvoarticulo::Prepare() {
    CArticulo->Open();
    CArticulo->Insert();
    return true;
}

void Tfnvoarticulo::Reinicie() { CArticulo->Insert(); }

void Tfnvoarticulo::CArticuloAfterInsert(TDataSet*) {
    CArticulo->FieldByName("ARTI_DESVAR")->SetAsString("S");
    CArticulo->FieldByName("ARTI_TIPO")->SetAsString("A");
    CArticulo->FieldByName("ARTI_EXIST")->SetAsString("B");
    CArticulo->FieldByName("ARTI_UNIDAD")->SetAsString("UNIDAD");
    CArticulo->FieldByName("ARTI_USUARIO")->SetAsString(fdm->usuario);
    CArticulo->FieldByName("TAIV_COD")->SetAsInteger(0);
}

} // namespace tv::app
