#include "exchange_fixture.h"

#include <cstdio>
#include <fstream>

#include "core/datetime.h"
#include "core/streams.h"
#include "framework/ui/application.h"
#include "grid/gridunit.h"
#include "gridservices/exchange/gridclipboard.h"
#include "gridservices/exchange/gridexport.h"
#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"
#include "support/headless_ui.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

void ExchangeTest::SetUp() {
    clock = StartHeadlessUI();
    InitializeGridUnit();
    // The grid services' start-up gives the grid's clipboard keys their work.
    RegisterGridClipboardFormats();
    SetMessageHook([this](const TMessageRequest& r) {
        said.push_back(r.text);
        if (answers.empty()) return r.buttons.Contains(mbOK) ? mrOk : mrYes;
        TModalResult a = answers.front();
        answers.pop_front();
        return a;
    });
    form = new TForm(nullptr);
    form->SetBounds(10, 10, 700, 500);
    data = NewArticles("Articulos");
    FillSample(data);
    grid = NewGrid("DBGridEh1", data, 0);
    form->Show();
    Pump();
}

void ExchangeTest::TearDown() {
    delete form;
    SetMessageHook({});
    FinalizeGridUnit();
    StopHeadlessUI();
}

TClientDataSet* ExchangeTest::NewArticles(const std::string& name) {
    auto* ds = new TClientDataSet(form);
    ds->SetName(name);
    ds->FieldDefs().Add("CODIGO", ftInteger);
    ds->FieldDefs().Add("NOMBRE", ftString, 40);
    ds->FieldDefs().Add("PRECIO", ftFloat);
    ds->FieldDefs().Add("FECHA", ftDate);
    ds->FieldDefs().Add("NOTA", ftString, 60);
    ds->CreateDataSet();
    return ds;
}

TDBGridEh* ExchangeTest::NewGrid(const std::string& name, TClientDataSet* ds, int top) {
    auto* source = new TDataSource(form);
    source->SetDataSet(ds);
    auto* g = new TDBGridEh(form);
    g->SetName(name);
    g->SetBounds(0, top, 680, 220);
    g->SetParent(form);
    g->SetDataSource(source);
    return g;
}

void ExchangeTest::Append(TClientDataSet* ds, int code, const char* name, double price, double date, const char* note) {
    ds->Append();
    ds->FieldByName("CODIGO")->SetAsInteger(code);
    if (name) ds->FieldByName("NOMBRE")->SetAsString(name);
    if (price == price) ds->FieldByName("PRECIO")->SetAsFloat(price);
    if (date > 0) ds->FieldByName("FECHA")->SetAsFloat(date);
    if (note) ds->FieldByName("NOTA")->SetAsString(note);
    ds->Post();
}

void ExchangeTest::FillSample(TClientDataSet* ds) {
    const double nan = 0.0 / 0.0;
    Append(ds, 1, "Café Ñandú", 1.5, EncodeDate(2026, 12, 1), "dice \"hola\"; adiós");
    Append(ds, 2, "Azúcar, morena", nan, 0, "línea uno\r\nlínea dos");
    Append(ds, 3, nullptr, 2.25, EncodeDate(2026, 1, 31), nullptr);
    ds->First();
}

std::string ExchangeTest::Export(TClass exporter, TDBGridEh* g, bool all) {
    TStringStream s;
    ExportGridToStream(exporter, g, s, all);
    return s.DataString();
}

void ExchangeTest::Pump() {
    Application->ProcessMessages();
    UpdateAllWindows();
}

TBookmark ExchangeTest::MarkOf(TClientDataSet* ds, int code) {
    EXPECT_TRUE(ds->Locate("CODIGO", code, {}));
    return ds->Bookmark();
}

std::string ExchangeTest::Field(TClientDataSet* ds, int code, const char* field) {
    if (!ds->Locate("CODIGO", code, {})) return "<no record>";
    TField* f = ds->FieldByName(field);
    return f->IsNull() ? "<null>" : f->AsString();
}

std::string Sh(const std::string& command, int* rc) {
    std::string out;
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int status = ::pclose(p);
    if (rc) *rc = status;
    return out;
}

std::string Save(const TempDir& dir, const std::string& name, const std::string& bytes) {
    std::string path = dir.file(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace tvtest
