#include "gridfixture.h"

#include <cairo.h>

#include "framework/ui/application.h"
#include "grid/gridunit.h"
#include "gridservices/exchange/gridclipboard.h"
#include "platform/backend/headless.h"
#include "platform/controls/standardclasses.h"
#include "platform/window/desktop.h"
#include "platform/window/paint.h"
#include "support/headless_ui.h"

namespace tvtest {

using namespace tv;
using namespace tv::win;

void DataGridTest::SetUp() {
    clock = StartHeadlessUI();
    InitializeGridUnit();
    // As at the program's start-up: the grid services give the clipboard keys their work.
    RegisterGridClipboardFormats();
    form = new TForm(nullptr);
    form->SetBounds(10, 10, 640, 420);
    data = new TClientDataSet(form);
    data->SetName("Articulos");
    data->FieldDefs().Add("CODIGO", ftInteger);
    data->FieldDefs().Add("NOMBRE", ftString, 20);
    data->FieldDefs().Add("PRECIO", ftFloat);
    data->FieldDefs().Add("ACTIVO", ftBoolean);
    data->CreateDataSet();
    source = new TDataSource(form);
    source->SetName("dsArticulos");
    source->SetDataSet(data);
    grid = new TDBGridEh(form);
    grid->SetName("Rejilla");
    grid->SetBounds(0, 0, 500, 300);
    grid->SetParent(form);
    form->Show();
    Pump();
}

void DataGridTest::TearDown() {
    delete form;
    FinalizeGridUnit();
    StopHeadlessUI();
}

void DataGridTest::Fill(int rows) {
    static const char* names[] = {"Arroz", "Café", "Panela", "Aceite", "Sal", "Azúcar", "Lentejas", "Fríjol"};
    for (int i = 1; i <= rows; ++i) {
        data->Append();
        data->FieldByName("CODIGO")->SetAsInteger(i);
        data->FieldByName("NOMBRE")->SetAsString(names[(i - 1) % 8]);
        data->FieldByName("PRECIO")->SetAsFloat(1000.0 * i + 0.5);
        data->FieldByName("ACTIVO")->SetAsBoolean(i % 2 == 1);
        data->Post();
    }
    data->First();
}

void DataGridTest::Pump() {
    Application->ProcessMessages();
    UpdateAllWindows();
}

COLORREF DataGridTest::PixelAt(int x, int y) {
    UpdateAllWindows();
    POINT p = grid->ClientToScreen({x, y});
    cairo_surface_t* s = GetDesktopSurface();
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    const unsigned char* px = d + p.y * stride + p.x * 4;
    return COLORREF(px[2]) | (COLORREF(px[1]) << 8) | (COLORREF(px[0]) << 16);
}

} // namespace tvtest
