#include "tests/support/pricelists.h"

#include "framework/data/clientdataset.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"

namespace tvtest {

using namespace tv;

PriceLists MakePriceLists(TComponent* owner) {
    PriceLists p;
    p.lists = new TClientDataSet(owner);
    p.lists->FieldDefs().Add("LIPR_COD", ftInteger);
    p.lists->FieldDefs().Add("LIPR_NOM", ftString, 30);
    p.lists->CreateDataSet();
    int code = 1;
    for (const char* name : {"General", "Mayoristas", "Empleados"}) {
        p.lists->Append();
        p.lists->FieldByName("LIPR_COD")->SetAsInteger(code++);
        p.lists->FieldByName("LIPR_NOM")->SetAsString(name);
        p.lists->Post();
    }
    p.docs = new TClientDataSet(owner);
    for (const char* n : {"NUMERO", "LISTA"}) {
        auto* f = new TIntegerField(owner);
        f->SetFieldName(n);
        f->SetDataSet(p.docs);
    }
    auto* name = new TStringField(owner);
    name->SetFieldName("NOMBRE_LISTA");
    name->SetSize(30);
    name->SetFieldKind(fkLookup);
    name->SetKeyFields("LISTA");
    name->SetLookupDataSet(p.lists);
    name->SetLookupKeyFields("LIPR_COD");
    name->SetLookupResultField("LIPR_NOM");
    name->SetDataSet(p.docs);
    p.docs->CreateDataSet();
    return p;
}

} // namespace tvtest
