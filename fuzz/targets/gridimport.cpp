#include "fuzz/targets/gridimport.h"

#include <cstdlib>

#include "core/exceptions.h"
#include "core/streams.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "fuzz/fuzzsupport.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridunit.h"
#include "gridservices/exchange/gridimport.h"

namespace tvfuzz {

namespace {

struct Grid {
    tv::TForm* form;
    tv::TClientDataSet* data;
    tv::TDBGridEh* grid;
};

Grid& TheGrid() {
    static Grid g = [] {
        StartHeadlessOnce();
        tv::InitializeGridUnit();
        Grid made;
        made.form = new tv::TForm(nullptr);
        made.form->SetBounds(0, 0, 600, 300);
        made.data = new tv::TClientDataSet(made.form);
        made.data->FieldDefs().Add("CODIGO", tv::ftInteger);
        made.data->FieldDefs().Add("NOMBRE", tv::ftString, 20);
        made.data->FieldDefs().Add("PRECIO", tv::ftFloat);
        made.data->FieldDefs().Add("FECHA", tv::ftDate);
        made.data->FieldDefs().Add("NOTA", tv::ftMemo);
        made.data->FieldDefs().Add("ACTIVO", tv::ftBoolean);
        made.data->CreateDataSet();
        auto* source = new tv::TDataSource(made.form);
        source->SetDataSet(made.data);
        made.grid = new tv::TDBGridEh(made.form);
        made.grid->SetBounds(0, 0, 580, 280);
        made.grid->SetParent(made.form);
        made.grid->SetDataSource(source);
        if (made.grid->Columns()->Count() < 2) return made;
        tv::TColumnEh* name = made.grid->Columns()->Items(1);
        name->PickList()->Add("uno");
        name->PickList()->Add("dos");
        name->KeyList()->Add("1");
        name->KeyList()->Add("2");
        // Not shown: painting the grid after every import is not the importer's work.
        // Torn down before the grid unit's own statics, as a program ends it.
        std::atexit([] {
            delete TheGrid().form;
            tv::FinalizeGridUnit();
            tv::FinalizeUI();
        });
        return made;
    }();
    return g;
}

} // namespace

void ImportIntoGrid(tv::TClass importer, const std::uint8_t* data, std::size_t size, bool text) {
    Grid& g = TheGrid();
    tv::TMemoryStream s;
    s.Write(data, static_cast<std::int64_t>(size));
    const char end = 0;
    if (text) s.Write(&end, 1);
    s.SetPosition(0);
    try {
        tv::ImportGridFromStream(importer, g.grid, s, true);
    } catch (const tv::Exception&) {
    }
    try {
        g.data->Cancel();
        g.data->EmptyDataSet();
    } catch (const tv::Exception&) {
    }
}

} // namespace tvfuzz
