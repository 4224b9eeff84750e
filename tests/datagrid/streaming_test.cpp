// Columns in stored form definitions, and the column interceptors.
#include "gridfixture.h"

#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/propertyinterceptor.h"
#include "grid/columndropdownbox.h"
#include "grid/columninterceptors.h"

namespace tvtest {

using namespace tv;

TEST_F(DataGridTest, ColumnsAreStoredOnlyWhenCustomised) {
    Fill(2);
    grid->SetDataSource(source);
    Pump();
    std::string plain = WriteComponentText(form);
    EXPECT_EQ(plain.find("Columns"), std::string::npos) << plain;
    EXPECT_NE(plain.find("DataSource = dsArticulos"), std::string::npos) << plain;


    // A form of its own holding a grid with one customised column.
    auto* own = new TForm(nullptr);
    auto* g = new TDBGridEh(own);
    g->SetName("Rejilla");
    g->SetParent(own);
    TColumnEh* c = g->Columns()->Add();
    c->SetFieldName("NOMBRE");
    c->SetWidth(120);
    c->Title()->SetCaption("Artículo|Nombre");
    c->SetColor(clYellow);
    std::string custom = WriteComponentText(own);
    delete own;
    EXPECT_NE(custom.find("Columns = <"), std::string::npos) << custom;
    EXPECT_NE(custom.find("FieldName = 'NOMBRE'"), std::string::npos) << custom;
    EXPECT_NE(custom.find("Width = 120"), std::string::npos) << custom;
    EXPECT_EQ(custom.find("AutoFitColWidth"), std::string::npos) << custom;

    // Read back into a fresh form, then bound to the data.
    auto* copy = new TForm(nullptr);
    TReader reader(custom);
    reader.ReadRootComponent(copy);
    auto* g2 = dynamic_cast<TDBGridEh*>(copy->FindComponent("Rejilla"));
    ASSERT_NE(g2, nullptr);
    ASSERT_EQ(g2->Columns()->Count(), 1);
    TColumnEh* c2 = g2->Columns()->Items(0);
    EXPECT_EQ(g2->Columns()->GetState(), csCustomized);
    EXPECT_EQ(c2->FieldName(), "NOMBRE");
    EXPECT_EQ(c2->Width(), 120);
    EXPECT_EQ(c2->Color(), clYellow);
    EXPECT_EQ(c2->Title()->Caption(), "Artículo|Nombre");
    g2->SetDataSource(source);
    EXPECT_EQ(c2->Field(), data->FindField("NOMBRE"));
    EXPECT_EQ(g2->Columns()->Count(), 1);
    delete copy;
}

TEST_F(DataGridTest, ADropDownBoxIsStoredWithItsListSourceColumnsAndOptions) {
    // A form of its own: a list source and a grid whose second column has a box.
    RegisterClasses({TDataSource::StaticClass()});
    auto* own = new TForm(nullptr);
    auto* lists = new TDataSource(own);
    lists->SetName("dsListas");
    auto* g = new TDBGridEh(own);
    g->SetName("Rejilla");
    g->SetParent(own);
    TColumnEh* plain = g->Columns()->Add();
    plain->SetFieldName("CODIGO");
    TColumnEh* c = g->Columns()->Add();
    c->SetFieldName("LISTA");
    TColumnDropDownBoxEh* box = c->DropDownBox();
    box->SetListSource(lists);
    for (const char* f : {"LIPR_NOM", "LIPR_COD"}) box->Columns()->Add()->SetFieldName(f);
    box->SetOptions({dlgColLinesEh, dlgRowLinesEh});
    std::string text = WriteComponentText(own);
    delete own;
    EXPECT_NE(text.find("DropDownBox.ListSource = dsListas"), std::string::npos) << text;
    EXPECT_NE(text.find("DropDownBox.Columns = <"), std::string::npos) << text;
    // A column whose box was never touched stores nothing of it, nor makes its grid to tell.
    EXPECT_GT(text.find("DropDownBox"), text.find("FieldName = 'CODIGO'")) << text;

    auto* copy = new TForm(nullptr);
    TReader reader(text);
    reader.ReadRootComponent(copy);
    auto* g2 = dynamic_cast<TDBGridEh*>(copy->FindComponent("Rejilla"));
    ASSERT_NE(g2, nullptr);
    ASSERT_EQ(g2->Columns()->Count(), 2);
    EXPECT_FALSE(g2->Columns()->Items(0)->DropDownGridCreated());
    TColumnDropDownBoxEh* read = g2->Columns()->Items(1)->DropDownBox();
    EXPECT_EQ(read->ListSource(), copy->FindComponent("dsListas"));
    ASSERT_EQ(read->Columns()->Count(), 2);
    EXPECT_EQ(read->Columns()->Items(1)->FieldName(), "LIPR_COD");
    EXPECT_EQ(read->Options(), (TDBLookupGridEhOptions{dlgColLinesEh, dlgRowLinesEh}));
    delete copy;
}

TEST_F(DataGridTest, InterceptorsReorderColumnsAndTakeWidths) {
    for (const char* f : {"CODIGO", "NOMBRE", "PRECIO"}) grid->Columns()->Add()->SetFieldName(f);
    TColumnsEhPropertyInterceptor cols;
    cols.Create(grid->Columns());
    EXPECT_EQ(cols.ColumnsIndex(), "\"CODIGO\",\"NOMBRE\",\"PRECIO\"");
    SetStrProp(&cols, "ColumnsIndex", "\"PRECIO\",\"NADA\",\"CODIGO\"");
    EXPECT_EQ(Col(0)->FieldName(), "PRECIO");
    EXPECT_EQ(Col(1)->FieldName(), "CODIGO");
    EXPECT_EQ(Col(2)->FieldName(), "NOMBRE");
    EXPECT_EQ(cols.LastColumnsIndex(), "\"PRECIO\",\"NADA\",\"CODIGO\"");

    TColumnEhPropertyInterceptor w;
    w.Create(Col(2));
    SetOrdProp(&w, "Width", 120);
    EXPECT_EQ(Col(2)->Width(), 120);
    grid->SetAutoFitColWidths(true);
    int width = Col(2)->Width();
    SetOrdProp(&w, "Width", 77);
    EXPECT_EQ(Col(2)->InitWidth(), 77);
    EXPECT_EQ(Col(2)->Width(), width);
    EXPECT_EQ(VariantToQuotedList(VarArrayOf({Variant(1), Variant("a'b")})), "'1','a'b'");
    EXPECT_EQ(VariantToQuotedList(Variant("x")), "x");
}

TEST(ReadPropertyInterceptors, RegistryReplacesAndRemovesPairs) {
    TClass target = TDBGridColumnsEh::StaticClass();
    AddReadPropertyInterceptor(target, TStoragePropertyInterceptor::StaticClass());
    AddReadPropertyInterceptor(target, TColumnsEhPropertyInterceptor::StaticClass());
    int count = 0;
    for (std::size_t i = 0; i < ReadPropertyInterceptorTargets().size(); ++i)
        if (ReadPropertyInterceptorTargets()[i] == target) {
            ++count;
            EXPECT_EQ(ReadPropertyInterceptorClasses()[i], TColumnsEhPropertyInterceptor::StaticClass());
        }
    EXPECT_EQ(count, 1);
    std::size_t before = ReadPropertyInterceptorTargets().size();
    RemoveReadPropertyInterceptor(target, TStoragePropertyInterceptor::StaticClass());
    EXPECT_EQ(ReadPropertyInterceptorTargets().size(), before);
    RemoveReadPropertyInterceptor(target, TColumnsEhPropertyInterceptor::StaticClass());
    EXPECT_EQ(ReadPropertyInterceptorTargets().size(), before - 1);
}

} // namespace tvtest

namespace tvtest {

using namespace tv;

// The framework members the grid publishes: stored when they differ from
// their defaults, and read back; a column's input method follows the grid's.
TEST_F(DataGridTest, TheGridStoresTheFrameworkMembersItPublishes) {
    auto* own = new TForm(nullptr);
    auto* g = new TDBGridEh(own);
    g->SetName("Rejilla");
    g->SetParent(own);
    TColumnEh* c = g->Columns()->Add();
    c->SetFieldName("NOMBRE");
    std::string plain = WriteComponentText(own);
    for (const char* name : {"BiDiMode", "ImeMode", "ImeName", "DragMode", "DragKind", "DragCursor", "Constraints"})
        EXPECT_EQ(plain.find(name), std::string::npos) << name << "\n" << plain;

    g->SetBiDiMode(bdRightToLeft);
    g->SetImeMode(imOpen);
    g->SetImeName("Pinyin");
    g->SetDragMode(dmAutomatic);
    g->SetDragKind(dkDock);
    g->Constraints()->SetMinWidth(200);
    EXPECT_EQ(c->ImeMode(), imOpen);
    EXPECT_EQ(c->BiDiMode(), bdRightToLeft);
    std::string text = WriteComponentText(own);
    delete own;
    for (const char* line : {"BiDiMode = bdRightToLeft", "ImeMode = imOpen", "ImeName = 'Pinyin'",
                             "DragMode = dmAutomatic", "DragKind = dkDock", "Constraints.MinWidth = 200"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // The column takes the grid's: nothing of its own to store.
    EXPECT_EQ(text.find("ImeMode"), text.rfind("ImeMode")) << text;

    auto* copy = new TForm(nullptr);
    TReader reader(text);
    reader.ReadRootComponent(copy);
    auto* g2 = dynamic_cast<TDBGridEh*>(copy->FindComponent("Rejilla"));
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(g2->ImeMode(), imOpen);
    EXPECT_EQ(g2->ImeName(), "Pinyin");
    EXPECT_EQ(g2->DragMode(), dmAutomatic);
    EXPECT_EQ(g2->DragKind(), dkDock);
    EXPECT_EQ(g2->Constraints()->MinWidth(), 200);
    EXPECT_GE(g2->Width(), 200);
    EXPECT_EQ(g2->Columns()->Items(0)->ImeMode(), imOpen);
    delete copy;
}

} // namespace tvtest
