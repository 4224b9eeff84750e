// The filter text of a client dataset, parsed against a few typed fields and
// applied to its rows.
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "framework/data/clientdataset.h"
#include "framework/data/field.h"

namespace {

tv::TClientDataSet* Rows() {
    static tv::TClientDataSet* ds = [] {
        auto* d = new tv::TClientDataSet(nullptr);
        d->FieldDefs().Add("CODIGO", tv::ftInteger);
        d->FieldDefs().Add("NOMBRE", tv::ftString, 20);
        d->FieldDefs().Add("PRECIO", tv::ftFloat);
        d->FieldDefs().Add("FECHA", tv::ftDate);
        d->FieldDefs().Add("ACTIVO", tv::ftBoolean);
        d->CreateDataSet();
        const char* names[] = {"Café", "O'Neil", "", "arroz"};
        for (int i = 0; i < 4; ++i) {
            d->Append();
            d->FieldByName("CODIGO")->SetAsInteger(i);
            if (i != 2) d->FieldByName("NOMBRE")->SetAsString(names[i]);
            d->FieldByName("PRECIO")->SetAsFloat(i * 1.5);
            d->FieldByName("FECHA")->SetAsFloat(46000 + i);
            d->FieldByName("ACTIVO")->SetAsBoolean(i % 2);
            d->Post();
        }
        return d;
    }();
    return ds;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tv::TClientDataSet* ds = Rows();
    try {
        ds->SetFiltered(false);
        ds->SetFilter(std::string(reinterpret_cast<const char*>(data), size));
        ds->SetFiltered(true);
        for (ds->First(); !ds->Eof(); ds->Next()) {
        }
    } catch (const tv::Exception&) {
    }
    try {
        ds->SetFiltered(false);
        ds->SetFilter("");
    } catch (const tv::Exception&) {
    }
    return 0;
}
