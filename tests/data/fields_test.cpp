// Fields: conversions, texts, validation, calculated and lookup fields,
// persistent fields, and bad input that must leave the data alone.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "core/formatsettings.h"
#include "core/streams.h"
#include "framework/data/fields_blob.h"
#include "framework/data/fields_boolean.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"

using namespace tv;
using namespace tvtest;

namespace {

struct FieldsTest : ::testing::Test {
    ArticleModule m;
    void SetUp() override {
        FormatSettings.ShortDateFormat = "yyyy/mm/dd";
        m.Fill(Articulos());
        m.OpenClient();
    }
    void TearDown() override { ResetFormatSettings(); }
    TField* F(const char* name) { return m.cds->FieldByName(name); }
};

} // namespace

namespace {
// Owned by a dataset beside its fields, or watching one of them.
class TFieldWatcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* watched = nullptr;
    int inserts = 0, removes = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opInsert) ++inserts;
        if (operation == opRemove) {
            ++removes;
            if (component == watched) watched = nullptr;
        }
    }
};
} // namespace

TEST_F(FieldsTest, DefaultFieldsAreMadeAfreshAtEachOpenAndTheOthersHearOfThem) {
    const int n = m.cds->FieldCount();
    auto* sibling = new TFieldWatcher(m.cds);
    TFieldWatcher watcher;
    watcher.watched = F("PRECIO");
    F("PRECIO")->FreeNotification(&watcher);
    F("PRECIO")->SetDisplayFormat("#,##0.00");
    F("PRECIO")->SetDisplayLabel("Precio de venta");
    m.cds->Close();
    EXPECT_EQ(m.cds->FieldCount(), 0);
    EXPECT_EQ(m.cds->ComponentCount(), 1);
    EXPECT_EQ(sibling->removes, n);
    EXPECT_EQ(watcher.watched, nullptr);

    m.cds->Open();
    ASSERT_EQ(m.cds->FieldCount(), n);
    EXPECT_EQ(m.cds->ComponentCount(), n + 1);
    EXPECT_EQ(sibling->inserts, n);
    EXPECT_EQ(F("PRECIO")->Owner(), m.cds);
    EXPECT_EQ(F("PRECIO")->DisplayText(), "1500") << "a change to a default field does not outlive its dataset's close";
    EXPECT_EQ(F("PRECIO")->DisplayLabel(), "PRECIO");
}

TEST_F(FieldsTest, DefaultFieldsHaveTheClassAndTextsOfTheirType) {
    EXPECT_NE(dynamic_cast<TIntegerField*>(F("CODIGO")), nullptr);
    EXPECT_NE(dynamic_cast<TStringField*>(F("NOMBRE")), nullptr);
    EXPECT_NE(dynamic_cast<TFMTBCDField*>(F("PRECIO")), nullptr);
    EXPECT_NE(dynamic_cast<TBooleanField*>(F("ACTIVO")), nullptr);
    EXPECT_EQ(F("NOMBRE")->Size(), 30);
    EXPECT_EQ(F("PRECIO")->Alignment(), taRightJustify);
    EXPECT_EQ(F("NOMBRE")->Alignment(), taLeftJustify);

    EXPECT_EQ(F("CODIGO")->AsString(), "7");
    EXPECT_EQ(F("FECHA")->AsString(), "2026/01/15");
    EXPECT_EQ(F("FECHA")->Text(), "2026/01/15");
    EXPECT_EQ(F("ACTIVO")->Text(), "True");
    EXPECT_EQ(F("PRECIO")->AsString(), "1500");
    EXPECT_DOUBLE_EQ(F("PRECIO")->AsFloat(), 1500.0);
    EXPECT_EQ(F("PRECIO")->AsCurrency(), Currency(1500));

    F("PRECIO")->SetDisplayFormat("#,##0.00");
    EXPECT_EQ(F("PRECIO")->DisplayText(), "1.500,00");
    dynamic_cast<TBooleanField*>(F("ACTIVO"))->SetDisplayValues("Sí;No");
    EXPECT_EQ(F("ACTIVO")->DisplayText(), "Sí");
    F("FECHA")->SetDisplayFormat("dd/mm/yyyy");
    EXPECT_EQ(F("FECHA")->DisplayText(), "15/01/2026");

    m.cds->Edit();
    F("ACTIVO")->SetText("No");
    EXPECT_FALSE(F("ACTIVO")->AsBoolean());
    F("PRECIO")->SetAsString("1234,567");
    EXPECT_EQ(F("PRECIO")->AsString(), "1234,57") << "rounded to the field's two decimals";
    F("NOMBRE")->SetAsString(std::string(40, 'x'));
    EXPECT_EQ(F("NOMBRE")->AsString().size(), 30u) << "texts are cut to the field's size";
    F("FECHA")->SetText("");
    EXPECT_TRUE(F("FECHA")->IsNull());
    m.cds->Cancel();
}

TEST_F(FieldsTest, ValuesThatDoNotConvertRaiseAndChangeNothing) {
    m.cds->Edit();
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"CODIGO", "doce", "'doce' is not a valid integer value for field 'CODIGO'"},
        {"PRECIO", "mucho", "'mucho' is not a valid floating point value for field 'PRECIO'"},
        {"FECHA", "2026/13/45", "'2026/13/45' is not a valid date and time value for field 'FECHA'"},
        {"ACTIVO", "quizá", "'quizá' is not a valid boolean value for field 'ACTIVO'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const Variant before = F(c.field)->AsVariant();
        try {
            F(c.field)->SetAsString(c.text);
            FAIL();
        } catch (const EDatabaseError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_TRUE(VarSameValue(F(c.field)->AsVariant(), before));
    }
    EXPECT_FALSE(m.cds->Modified());
    EXPECT_EQ(m.cds->State(), dsEdit);
    m.cds->Cancel();

    TSmallintField small(nullptr);
    small.SetFieldName("S");
    EXPECT_THROW(small.Normalize(Variant(40000)), EDatabaseError);
}

TEST_F(FieldsTest, UnknownNamesAndWritesOutsideEditingAreClearErrors) {
    try {
        m.cds->FieldByName("PRECIOS");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "CArticulos: Field 'PRECIOS' not found");
    }
    EXPECT_EQ(m.cds->FindField("precio"), F("PRECIO"));
    EXPECT_THROW(F("NOMBRE")->SetAsString("x"), EDatabaseError);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Zanahoria");
    EXPECT_EQ(m.cds->State(), dsBrowse);

    const Variant values = m.cds->FieldValues("CODIGO;NOMBRE");
    ASSERT_TRUE(values.IsArray());
    EXPECT_EQ(values[0].AsInteger(), 7);
    m.cds->Edit();
    m.cds->SetFieldValues("CODIGO;NOMBRE", VarArrayOf({70, "Zanahoria roja"}));
    EXPECT_THROW(m.cds->SetFieldValues("CODIGO;NOMBRE", 1), EDatabaseError);
    m.cds->Post();
    EXPECT_EQ(F("CODIGO")->AsInteger(), 70);
}

TEST_F(FieldsTest, OnValidateCanRefuseAValueAndOnChangeFollowsAcceptedOnes) {
    int changes = 0;
    std::string seen;
    F("NOMBRE")->OnValidate = [&](TField* f) {
        seen = f->AsString();
        if (f->AsString().empty()) throw EDatabaseError("Escriba un nombre");
    };
    F("NOMBRE")->OnChange = [&](TField*) { ++changes; };
    m.cds->Edit();
    F("NOMBRE")->SetAsString("Zanahorias");
    EXPECT_EQ(seen, "Zanahorias") << "the handler reads the value being written";
    EXPECT_THROW(F("NOMBRE")->SetAsString(""), EDatabaseError);
    EXPECT_EQ(F("NOMBRE")->AsString(), "Zanahorias");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(VarToStr(F("NOMBRE")->OldValue()), "Zanahoria");
    m.cds->Post();
}

TEST_F(FieldsTest, PersistentCalculatedAndLookupFieldsBelongToTheirModule) {
    m.cds->Close();
    // Fields declared by the module, as a stored form creates them.
    auto* codigo = new TIntegerField(&m);
    codigo->SetFieldName("CODIGO");
    codigo->SetDataSet(m.cds);
    auto* nombre = new TStringField(&m);
    nombre->SetFieldName("NOMBRE");
    nombre->SetSize(30);
    nombre->SetDataSet(m.cds);
    auto* total = new TFloatField(&m);
    total->SetFieldName("CON_IVA");
    total->SetFieldKind(fkCalculated);
    total->SetDataSet(m.cds);
    auto* precio = new TFMTBCDField(&m);
    precio->SetFieldName("PRECIO");
    precio->SetSize(2);
    precio->SetDataSet(m.cds);

    // A lookup into a second list: the name of the article with the code after this one.
    TClientDataSet lista(&m);
    lista.FieldDefs().Add("ID", ftInteger);
    lista.FieldDefs().Add("TEXTO", ftString, 20);
    lista.CreateDataSet();
    for (int i = 1; i <= 10; ++i) {
        lista.Append();
        lista.FieldByName("ID")->SetAsInteger(i);
        lista.FieldByName("TEXTO")->SetAsString("texto " + std::to_string(i));
        lista.Post();
    }
    auto* texto = new TStringField(&m);
    texto->SetFieldName("TEXTO");
    texto->SetFieldKind(fkLookup);
    texto->SetKeyFields("CODIGO");
    texto->SetLookupDataSet(&lista);
    texto->SetLookupKeyFields("ID");
    texto->SetLookupResultField("TEXTO");
    texto->SetDataSet(m.cds);

    m.cds->OnCalcFields = [](TDataSet* ds) {
        ds->FieldByName("CON_IVA")->SetAsFloat(ds->FieldByName("PRECIO")->AsFloat() * 1.19);
    };
    m.cds->Open();
    EXPECT_FALSE(m.cds->DefaultFields());
    EXPECT_EQ(m.cds->FieldCount(), 5);
    EXPECT_EQ(m.cds->FindField("FECHA"), nullptr) << "only the declared fields";
    EXPECT_NEAR(total->AsFloat(), 1785.0, 1e-9);
    EXPECT_EQ(texto->AsString(), "texto 7");
    EXPECT_FALSE(total->CanModify());
    m.cds->Edit();
    EXPECT_THROW(total->SetAsFloat(1), EDatabaseError);
    precio->SetAsFloat(100);
    EXPECT_NEAR(total->AsFloat(), 119.0, 1e-9) << "recalculated as the record changes";
    codigo->SetAsInteger(3);
    EXPECT_EQ(texto->AsString(), "texto 3");
    m.cds->Cancel();

    m.cds->Close();
    EXPECT_EQ(m.cds->FieldCount(), 5) << "closing keeps the module's fields";
    EXPECT_EQ(codigo->DataSet(), m.cds);
}

TEST_F(FieldsTest, MemoAndBlobValuesGoThroughStreams) {
    TClientDataSet notas(&m);
    notas.FieldDefs().Add("TEXTO", ftMemo);
    notas.FieldDefs().Add("FOTO", ftGraphic);
    notas.CreateDataSet();
    notas.Append();
    TStringStream in(std::string("línea 1\r\nlínea 2"));
    dynamic_cast<TBlobField*>(notas.FieldByName("TEXTO"))->LoadFromStream(in);
    notas.FieldByName("FOTO")->SetAsString(std::string("\x89PNG\0\1", 6));
    notas.Post();
    TStringStream out;
    dynamic_cast<TBlobField*>(notas.FieldByName("TEXTO"))->SaveToStream(out);
    EXPECT_EQ(out.DataString(), "línea 1\r\nlínea 2");
    EXPECT_EQ(notas.FieldByName("FOTO")->AsString().size(), 6u);
    EXPECT_EQ(notas.FieldByName("TEXTO")->DisplayText(), "(MEMO)");
    EXPECT_EQ(notas.FieldByName("FOTO")->DisplayText(), "(GRAPHIC)");
    EXPECT_TRUE(notas.FieldByName("TEXTO")->IsValidChar('\n'));
    EXPECT_FALSE(F("CODIGO")->IsValidChar('x'));
}
