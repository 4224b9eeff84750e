// A data module read from its stored definition, as the station's modules are:
// persistent fields belong to the module and sit inside their dataset.
#include <gtest/gtest.h>

#include "data/fixture.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/unitinit.h"

using namespace tv;
using namespace tvtest;

namespace {

const char* kModule = R"(object fdmPrueba: TComponent
  object PCopia: TDataSetProvider
    DataSet = TArticulos
    Options = [poAllowCommandText]
    UpdateMode = upWhereKeyOnly
  end
  object CCopia: TClientDataSet
    Active = True
    ProviderName = 'PCopia'
    PacketRecords = 4
    object CCopiaCODIGO: TIntegerField
      FieldName = 'CODIGO'
      Required = True
    end
    object CCopiaNOMBRE: TStringField
      DisplayLabel = 'Nombre del artículo'
      FieldName = 'NOMBRE'
      Size = 30
    end
  end
end
)";

} // namespace

TEST(StoredDefinition, ReadsProvidersClientDatasetsAndTheirFields) {
    InitializeUnits();
    ArticleModule m;
    m.Fill(Articulos());
    ReadComponentText(kModule, &m);

    auto* copia = dynamic_cast<TClientDataSet*>(m.FindComponent("CCopia"));
    auto* provider = dynamic_cast<TDataSetProvider*>(m.FindComponent("PCopia"));
    ASSERT_NE(copia, nullptr);
    ASSERT_NE(provider, nullptr);
    EXPECT_EQ(provider->DataSet(), m.tabla);
    EXPECT_TRUE(provider->Options().Contains(poAllowCommandText));
    EXPECT_EQ(provider->UpdateMode(), upWhereKeyOnly);
    EXPECT_TRUE(copia->Active()) << "opened once the whole module was read";
    EXPECT_EQ(copia->PacketRecords(), 4);
    EXPECT_EQ(copia->RecordCount(), 4);
    EXPECT_FALSE(copia->DefaultFields());
    ASSERT_EQ(copia->FieldCount(), 2);
    TField* nombre = copia->FieldByName("NOMBRE");
    EXPECT_EQ(nombre->Owner(), &m) << "the module owns its fields";
    EXPECT_EQ(nombre->Name(), "CCopiaNOMBRE");
    EXPECT_EQ(nombre->DisplayLabel(), "Nombre del artículo");
    EXPECT_EQ(nombre->AsString(), "Zanahoria");

    const std::string written = WriteComponentText(&m);
    const auto dataset = written.find("object CCopia: TClientDataSet");
    const auto field = written.find("object CCopiaNOMBRE: TStringField");
    ASSERT_NE(dataset, std::string::npos);
    ASSERT_NE(field, std::string::npos);
    EXPECT_LT(dataset, field) << "fields are written inside their dataset";
    EXPECT_NE(written.find("DisplayLabel = 'Nombre del art"), std::string::npos);
}
