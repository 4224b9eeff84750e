// The document datasets of the business modules.
#include <gtest/gtest.h>

#include <string>

#include "app/data/dmbnc.h"
#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcnt.h"
#include "app/data/dmcmp.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/params.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "tests/business/negocio.h"

using namespace tv;
using namespace tv::app;

namespace {

class Documentos : public negociotest::NegocioTest {};

bool EsEncabezado(TComponent* c) {
    auto* q = dynamic_cast<TSQLQuery*>(c);
    return q && !q->DataSource() && q->SQL().Text().find("= :ID") != std::string::npos;
}

} // namespace

TEST_F(Documentos, EveryModuleOpensItsHeadersAndTheirLines) {
    struct Caso {
        TComponent* modulo;
        int encabezados, lineas;
    } casos[] = {{fdmInv, 8, 8}, {fdmcmp, 5, 5}, {fdmfact, 9, 11}, {fdmcar, 4, 1},
                 {fdmcxp, 4, 1}, {fdmcja, 9, 14}, {fdmbnc, 8, 2}, {fdmcnt, 1, 1}};
    for (const Caso& c : casos) {
        int encabezados = 0, lineas = 0;
        for (int i = 0; i < c.modulo->ComponentCount(); ++i) {
            TComponent* e = c.modulo->Components(i);
            if (!EsEncabezado(e)) continue;
            auto* encabezado = static_cast<TSQLQuery*>(e);
            ++encabezados;
            EXPECT_NO_THROW(encabezado->Open()) << e->Name();
            EXPECT_TRUE(encabezado->IsEmpty()) << e->Name();  // no document has id 0
            for (int j = 0; j < c.modulo->ComponentCount(); ++j) {
                auto* l = dynamic_cast<TSQLQuery*>(c.modulo->Components(j));
                if (!l || !l->DataSource() || l->DataSource()->DataSet() != encabezado) continue;
                ++lineas;
                EXPECT_NO_THROW(l->Open()) << l->Name();
                l->Close();
            }
            encabezado->Close();
        }
        EXPECT_EQ(encabezados, c.encabezados) << c.modulo->Name();
        EXPECT_EQ(lineas, c.lineas) << c.modulo->Name();
    }
}

TEST_F(Documentos, AnInvoiceOpensWithItsLinesAndNewIdsComeFromTheServer) {
    auto* factura = static_cast<TSQLQuery*>(fdmfact->FindComponent("TFactura"));
    auto* detalle = static_cast<TSQLQuery*>(fdmfact->FindComponent("TFactdetalle"));
    ASSERT_TRUE(factura && detalle);
    EXPECT_EQ(factura->Params().ParamByName("ID").AsString(), "0");
    factura->Params().ParamByName("ID").SetAsString("1");
    factura->Open();
    detalle->Open();
    ASSERT_FALSE(factura->IsEmpty());
    EXPECT_EQ(factura->FieldByName("FACT_NUMERO")->AsString(), "000001");
    ASSERT_FALSE(detalle->IsEmpty());
    EXPECT_EQ(detalle->FieldByName("FACT_ID")->AsInteger(), 1);
    EXPECT_EQ(detalle->FieldByName("FADE_ITEM")->AsInteger(), 1);
    detalle->Close();
    factura->Close();

    auto* aplicacion = static_cast<TSQLQuery*>(fdmcxp->FindComponent("TApliprov"));
    ASSERT_TRUE(aplicacion);
    EXPECT_EQ(aplicacion->Params().ParamByName("ID").AsString(), "4");

    auto* nuevo = static_cast<TSQLStoredProc*>(fdmfact->FindComponent("SPIdFactura"));
    ASSERT_TRUE(nuevo);
    nuevo->ExecProc();
    int primero = nuevo->Params().ParamByName("ID").AsInteger();
    nuevo->ExecProc();
    EXPECT_GT(primero, 1);
    EXPECT_EQ(nuevo->Params().ParamByName("ID").AsInteger(), primero + 1);
}

TEST_F(Documentos, TablesReadWholeAndTheBankNumberingUnderItsType) {
    const std::pair<TComponent*, const char*> tablas[] = {
        {fdmInv, "TImportacion"}, {fdmInv, "TMaquinas"},     {fdmInv, "TOperarios"},     {fdmfact, "TAutorizaciones"},
        {fdmfact, "TPresupuesto"}, {fdmfact, "THistorico"}, {fdmfact, "TTrasportadores"}, {fdmfact, "TPuntoequilibrio"},
        {fdmfact, "TRutas"},       {fdmcar, "TGrupocartera"}, {fdmcar, "TComisiones"},   {fdmcja, "TTarjetas"},
        {fdmcja, "TClaseegreso"},  {fdmcja, "TCajas"},        {fdmbnc, "TBancos"},        {fdmbnc, "TOperaciones"},
        {fdmbnc, "TCuentasbanco"}, {fdmcnt, "TEstructura"}, {fdmcnt, "TUsuarios"}, {fdmcnt, "TPlantilla"},
        {fdmcnt, "TPlantilladetalle"}, {fdmcnt, "TAjustesinf"}, {fdmcnt, "TCierterc"}, {fdmcnt, "TCieranual"},
        {fdmcnt, "TImportacion"}, {fdmcnt, "TConceptoconta"}, {fdmcnt, "TPresupuesto"}, {fdmcnt, "TCambiosit"},
        {fdmcnt, "TFlujoefe"}, {fdmcnt, "TCtasexport"}, {fdmcnt, "TPrefexport"}, {fdmcnt, "Tbuscconc"},
        {fdmcnt, "TFtomediosm"}};
    for (const auto& [modulo, nombre] : tablas) {
        auto* q = dynamic_cast<TSQLQuery*>(modulo->FindComponent(nombre));
        ASSERT_TRUE(q) << nombre;
        EXPECT_NO_THROW(q->Open()) << nombre;
        q->Close();
    }
    auto* tipos = static_cast<TSQLQuery*>(fdmbnc->FindComponent("TTipodoc"));
    auto* prefijos = static_cast<TSQLQuery*>(fdmbnc->FindComponent("TPrefbancos"));
    tipos->Open();
    ASSERT_TRUE(tipos->Locate("TIDO_COD", Variant(72), {}));
    prefijos->Open();
    ASSERT_FALSE(prefijos->IsEmpty());
    EXPECT_EQ(prefijos->FieldByName("TIDO_COD")->AsInteger(), 72);
    prefijos->Close();
    tipos->Close();
}

TEST_F(Documentos, SuggestedPurchasesLiveInMemory) {
    auto* sugerido = static_cast<TClientDataSet*>(fdmcmp->FindComponent("Csugerido"));
    ASSERT_TRUE(sugerido);
    sugerido->CreateDataSet();
    sugerido->Append();
    sugerido->FieldByName("Articulo")->SetAsString("000001");
    sugerido->FieldByName("Sugerido")->SetAsCurrency(Currency::FromDouble(12.5));
    sugerido->Post();
    EXPECT_EQ(sugerido->RecordCount(), 1);
    EXPECT_EQ(sugerido->FieldByName("Sugerido")->AsCurrency(), Currency::FromDouble(12.5));
    sugerido->Close();

    auto* consolidado = static_cast<TClientDataSet*>(fdmcja->FindComponent("CConsolfp"));
    ASSERT_TRUE(consolidado);
    consolidado->Open();
    for (const char* campo : {"COFP_ID", "COFP_ITEM", "FOPA_ID", "COFP_BCO", "COFP_CTA", "COFP_NUM"})
        EXPECT_TRUE(consolidado->FindField(campo)) << campo;
    consolidado->Close();
}
