// The accounting-interface dialog as the document modules open it: two
// payables interfaces for one document type and prefix, chosen with the keys,
// the mouse or not at all.
#include "estacion.h"

#include <cairo.h>

#include <algorithm>
#include <functional>

#include "app/data/dm.h"
#include "app/data/dmcxp.h"
#include "app/data/dminv.h"
#include "app/windows/preginterfaz.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "platform/backend/headless.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/paint.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/shapes.h"
#include "skin/commondata.h"
#include "skin/scrollwnd.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"

using namespace tv;
using namespace tv::app;
using namespace tv::win;

namespace {

class PreguntaInterfaz : public estacion::EstacionTest {
protected:
    void SetUp() override {
        EstacionTest::SetUp();
        fdm->conecte_general(servidor, "SYSDBA", "x");
        fdm->conecte_compania(servidor, "001", "SYSDBA", "x");
        Sql("insert into interfaz_cxpagar values (901, 'Nota débito proveedores', 51, 'N''D')");
        Sql("insert into interfaz_cxpagar values (902, 'Nota débito servicios', 51, 'N''D')");
    }

    // Runs `persona` inside the dialog the payables module opens; the
    // interface the module answers.
    int Escoja(std::function<void(Tfpreginterfaz*)> persona) {
        abiertos = 0;
        ScriptStep([this, persona] {
            ++abiertos;
            ASSERT_NE(fpreginterfaz, nullptr);
            persona(fpreginterfaz);
        });
        int id = fdmcxp->abre_interfaz(51, "N'D", true);
        Application->ProcessMessages();
        return id;
    }

    static TDataSet* Lista(Tfpreginterfaz* f) { return f->DBGridEh1->DataSource()->DataSet(); }
    static int Actual(Tfpreginterfaz* f) { return Lista(f)->FieldByName("ID")->AsInteger(); }

    COLORREF Pixel(TDBGridEh* g, int x, int y) {
        UpdateAllWindows();
        POINT p = g->ClientToScreen({x, y});
        cairo_surface_t* s = GetDesktopSurface();
        cairo_surface_flush(s);
        const unsigned char* px =
            cairo_image_surface_get_data(s) + p.y * cairo_image_surface_get_stride(s) + p.x * 4;
        return COLORREF(px[2]) | (COLORREF(px[1]) << 8) | (COLORREF(px[0]) << 16);
    }

    int abiertos = 0;
};

TEST_F(PreguntaInterfaz, TheUserPicksTheSecondInterfaceWithTheKeys) {
    int primera = 0, segunda = 0;
    int id = Escoja([&](Tfpreginterfaz* f) {
        EXPECT_EQ(f->Caption(), "Interfaz contable");
        EXPECT_EQ(f->Owner(), fdmcxp);
        EXPECT_EQ(f->Height(), 172);
        EXPECT_EQ(f->Width(), 271);
        EXPECT_EQ(f->BitBtn1->Caption(), "F2:Grabar");
        EXPECT_EQ(f->BitBtn2->Caption(), "Esc:Cancelar");
        ASSERT_EQ(f->DBGridEh1->Columns()->Count(), 1);
        EXPECT_EQ(f->DBGridEh1->Columns()->Items(0)->Title()->Caption(), "Interfaz a aplicar");
        EXPECT_EQ(Lista(f)->RecordCount(), 2);
        primera = Actual(f);
        PressKey(VK_DOWN);
        segunda = Actual(f);
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(abiertos, 1);
    EXPECT_NE(primera, segunda);
    EXPECT_EQ(id, segunda);
    EXPECT_TRUE(id == 901 || id == 902) << id;
    EXPECT_TRUE(Dichos().empty());
    // The dialog freed itself and left nothing behind to reach it by.
    EXPECT_EQ(fpreginterfaz, nullptr);
}

struct CasoRespuesta {
    const char* como;
    std::function<void(Tfpreginterfaz*)> persona;
    bool escoge;
};

TEST_F(PreguntaInterfaz, WaysToConfirmOrCancel) {
    const auto dentro = [](Tfpreginterfaz* f, int x, int y) {
        POINT p = ClientPointToScreen(f->DBGridEh1->Handle(), x, y);
        return p;
    };
    const CasoRespuesta casos[] = {
        {"F2", [](Tfpreginterfaz*) { PressKey(VK_F2); }, true},
        {"Esc", [](Tfpreginterfaz*) { PressKey(VK_ESCAPE); }, false},
        {"Esc:Cancelar", [](Tfpreginterfaz* f) { f->BitBtn2->Click(); }, false},
        {"F2:Grabar", [](Tfpreginterfaz* f) { f->BitBtn1->Click(); }, true},
        {"closing the window", [](Tfpreginterfaz* f) { f->Close(); }, false},
        // With a modifier held the keys do nothing; the dialog stays until Esc.
        {"Ctrl+Enter, Shift+F2, Alt+Enter",
         [](Tfpreginterfaz* f) {
             PressKey(VK_RETURN, false, true);
             PressKey(VK_F2, true);
             PressKey(VK_RETURN, false, false, true);
             EXPECT_EQ(f->ModalResult(), mrNone);
             PressKey(VK_ESCAPE);
         },
         false},
        // On the second row: a click on the current cell starts the cell editor.
        {"double-click on a row",
         [&](Tfpreginterfaz* f) {
             RECT r = f->DBGridEh1->CellRect(1, 2);
             POINT p = dentro(f, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
             DoubleClick(p.x, p.y);
         },
         true},
    };
    for (const CasoRespuesta& c : casos) {
        SCOPED_TRACE(c.como);
        dichos.clear();
        int vista = -1;
        int id = Escoja([&](Tfpreginterfaz* f) {
            c.persona(f);
            vista = Actual(f);
        });
        EXPECT_EQ(abiertos, 1);
        EXPECT_EQ(id, c.escoge ? vista : 0);
        // Cancelling is silent.
        EXPECT_TRUE(Dichos().empty());
        EXPECT_EQ(fpreginterfaz, nullptr);
    }
}

TEST_F(PreguntaInterfaz, OneInterfaceIsTakenWithoutTheDialog) {
    Sql("delete from interfaz_cxpagar where incp_id = 902");
    ScriptStep([this] {
        ++abiertos;
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(fdmcxp->abre_interfaz(51, "N'D", true), 901);
    EXPECT_EQ(abiertos, 0);
    ClearScript();
    // Not asked: nothing is taken and nothing is shown.
    EXPECT_EQ(fdmcxp->abre_interfaz(51, "N'D", false), 0);
    EXPECT_EQ(fpreginterfaz, nullptr);
}

TEST_F(PreguntaInterfaz, TheDialogIsFramedInTheSkin) {
    TsSkinManager* piel = fdm->sSkinManager1;
    Escoja([&](Tfpreginterfaz* f) {
        TsSkinProvider* p = f->sSkinProvider1;
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->SkinData()->SkinSection(), "FORM");
        EXPECT_TRUE(p->ScreenSnap());
        EXPECT_TRUE(p->SkinData()->Skinned(true));
        EXPECT_TRUE(ControlIsSkinned(f->DBGridEh1)) << "the grid's frame and bars follow the skin";
        EXPECT_EQ(GetWindowLong(f->Handle(), GWL_STYLE) & WS_SYSMENU, 0) << "the title buttons are the skin's";
        // The frame's left edge is the first column of the border image, active.
        const TsMaskData& md = piel->ma[std::size_t(p->SkinData()->BorderIndex)];
        COLORREF borde = GetPixel(piel->MasterBitmap->Canvas()->Handle(),
                                  md.R.left + md.R.Width() / md.ImageCount, md.R.top + 5);
        UpdateAllWindows();
        HDC dc = GetDC(nullptr);
        COLORREF visto = GetPixel(dc, f->Left(), f->Top() + f->Height() / 2);
        ReleaseDC(nullptr, dc);
        EXPECT_EQ(visto, borde);
        PressKey(VK_ESCAPE);
    });
}

TEST_F(PreguntaInterfaz, TheSelectedCellTakesTheSkinsColours) {
    TsSkinManager* piel = fdm->sSkinManager1;
    ASSERT_NE(piel, nullptr);
    COLORREF enfocada = 0, sin_foco = 0;
    Escoja([&](Tfpreginterfaz* f) {
        TDBGridEh* g = f->DBGridEh1;
        RECT r = g->CellRect(g->Col(), g->Row());
        enfocada = Pixel(g, r.right - 3, r.bottom - 3);
        f->BitBtn1->SetFocus();
        g->Invalidate();
        sin_foco = Pixel(g, r.right - 3, r.bottom - 3);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(enfocada, ColorToRGB(piel->GetGlobalFontColor()));
    EXPECT_EQ(sin_foco, ColorToRGB(TColor(piel->SkinData.Shadow1Color)));
}

// Where the grid's vertical bar runs and where its thumb stands, in screen
// points: the skin's own bar when the skin has the grid, else the window's.
struct Barra {
    int x, top, bottom, thumb;
};
Barra BarraVertical(TDBGridEh* g) {
    if (TacScrollWnd* sw = ScrollWndOf(g->Handle())) {
        RECT r = sw->GetVScrollRect();
        int length = 0, offset = 0;
        ThumbGeometry(*sw->VBar, r.bottom - r.top, length, offset);
        length = std::max(length, sw->VBar->MinThumb);
        int start = r.top + GetScrollBarSize(*sw->VBar, 0, false) + offset;
        return {(r.left + r.right) / 2, int(r.top), int(r.bottom), start + length / 2};
    }
    SCROLLBARINFO info;
    GetScrollBarInfo(g->Handle(), OBJID_VSCROLL, &info);
    const RECT& r = info.rcScrollBar;
    return {(r.left + r.right) / 2, int(r.top), int(r.bottom), int(r.top) + (info.xyThumbTop + info.xyThumbBottom) / 2};
}

// Thirty interfaces: the thumb dragged to the bottom reaches the last, to
// the top the first, to the middle one about halfway, and a click on it
// moves nothing, with the skin's bar as with the window's own; the mouse is
// pressed on the thumb, moved and let go.
TEST_F(PreguntaInterfaz, DraggingTheThumbReachesTheRecordItPointsAt) {
    for (int id = 903; id <= 930; ++id)
        Sql("insert into interfaz_cxpagar values (" + std::to_string(id) + ", 'Interfaz " + std::to_string(id) +
            "', 51, 'N''D')");
    for (bool piel : {true, false}) {
        SCOPED_TRACE(piel ? "skinned" : "without the skin");
        fdm->sSkinManager1->SetActive(piel);
        Escoja([&](Tfpreginterfaz* f) {
            TDBGridEh* g = f->DBGridEh1;
            ASSERT_EQ(Lista(f)->RecordCount(), 30);
            EXPECT_EQ(ScrollWndOf(g->Handle()) != nullptr, piel);
            auto arrastre = [&](int hasta) {
                Barra b = BarraVertical(g);
                QueueDrag(b.x, b.thumb, b.x, hasta, 8);
                Application->ProcessMessages();
                return Lista(f)->RecNo();
            };
            Barra b = BarraVertical(g);
            EXPECT_EQ(arrastre(b.bottom + 40), 30) << "to the bottom";
            EXPECT_EQ(arrastre(b.top - 40), 1) << "to the top";
            int mitad = arrastre((b.top + b.bottom) / 2);
            EXPECT_GE(mitad, 12) << "to the middle";
            EXPECT_LE(mitad, 19) << "to the middle";
            b = BarraVertical(g);
            QueueClick(b.x, b.thumb);
            Application->ProcessMessages();
            EXPECT_EQ(Lista(f)->RecNo(), mitad) << "pressed and let go where it stands";
            PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(abiertos, 1);
    }
}

} // namespace
