// The skin of the central data module: its manager with the internal skins
// and the skin it selects, the skin's global colours, the tint of each
// business module and the status bar's colour while rows are fetched.
#include <gtest/gtest.h>

#include "app/data/dm.h"
#include "app/windows/principal.h"
#include "app/windows/ventanas.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/graphics.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"
#include "tests/support/app/modulos.h"

using namespace tv;
using namespace tv::app;

namespace {

class PielModulo : public apptest::ModulosTest {
protected:
    TsSkinManager& sm() { return *fdm->sSkinManager1; }
};

TEST_F(PielModulo, TheManagerHoldsTheInternalSkinsAndSelectsSereno) {
    ASSERT_NE(fdm->sSkinManager1, nullptr);
    EXPECT_EQ(sm().InternalSkins()->Count(), 4);
    EXPECT_TRUE(sm().Active());
    EXPECT_TRUE(sm().SkinData.Active);
    EXPECT_EQ(sm().SkinName(), DefaultInternalSkin);
    EXPECT_EQ(sm().SkinInfo(), "5");
    EXPECT_EQ(sm().SkinDirectory(), "..\\Skins");
    EXPECT_EQ(sm().MenuSupport()->IcoLineSkin(), "ICOLINE");
    EXPECT_EQ(sm().MenuSupport()->ExtraLineFont()->Height(), -11);
    EXPECT_EQ(sm().MenuSupport()->ExtraLineFont()->Name(), "MS Sans Serif");
    TacAnimEffects* a = sm().AnimEffects();
    EXPECT_FALSE(a->FormShow()->Active());
    EXPECT_EQ(a->FormShow()->Time(), 200);
    EXPECT_FALSE(a->PageChange()->Active());
    EXPECT_FALSE(a->SkinChanging()->Active());
    EXPECT_EQ(a->SkinChanging()->Time(), 200);
    EXPECT_TRUE(a->DialogShow()->Active());
    EXPECT_EQ(a->DialogShow()->Time(), 100);
    EXPECT_EQ(sm().HueOffset(), 0);
    EXPECT_EQ(sm().Saturation(), 0);
}

TEST_F(PielModulo, GlobalColoursComeFromTheLoadedSkin) {
    int global = sm().GetSectionIndex("GLOBALINFO");
    ASSERT_GE(global, 0);
    const TsGeneralData& g = sm().gd[std::size_t(global)];
    EXPECT_EQ(sm().GetGlobalColor(), TColor(ColorToRGB(g.Color)));
    EXPECT_EQ(sm().GetGlobalFontColor(), TColor(ColorToRGB(g.FontColor[0])));
    EXPECT_NE(sm().GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));

    sm().SetActive(false);
    EXPECT_EQ(sm().GetGlobalColor(), TColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(sm().GetGlobalFontColor(), clSkinKey);
}

TEST_F(PielModulo, EachBusinessModuleTintsTheSkin) {
    // At creation the module is not known yet, so the skin keeps its own tint.
    EXPECT_EQ(fdm->modulo, "");
    EXPECT_EQ(sm().HueOffset(), 0);
    TColor sinTono = sm().GetGlobalColor();
    struct Caso {
        const char* modulo;
        int matiz, saturacion;
    } casos[] = {{"INVENTARIO", 220, 50}, {"COMPRAS", 80, 0},      {"CARTERA", 200, 40},
                 {"C. X PAGAR", 160, 0},  {"CONTABILIDAD", 40, 0}, {"TESORERIA", 250, 0},
                 {"FACTURACION", 0, 0}};
    for (const Caso& c : casos) {
        fdm->modulo = c.modulo;
        fdm->tono_modulo();
        EXPECT_EQ(sm().HueOffset(), c.matiz) << c.modulo;
        EXPECT_EQ(sm().Saturation(), c.saturacion) << c.modulo;
        EXPECT_TRUE(sm().SkinData.Active) << c.modulo;
    }
    EXPECT_EQ(sm().GetGlobalColor(), sinTono);  // back to no tint
    fdm->modulo = "INVENTARIO";
    fdm->tono_modulo();
    EXPECT_NE(sm().GetGlobalColor(), sinTono);
    fdm->modulo = "OTRO";
    fdm->tono_modulo();  // no entry: left as it is
    EXPECT_EQ(sm().HueOffset(), 220);
}

TEST_F(PielModulo, FetchingShowsTheSkinsGlobalColourOnTheStatusBar) {
    EXPECT_EQ(fdm->color_solicitando(), sm().GetGlobalColor());
    registre_ventanas();
    InitializeUI();  // the window's controls by class; the application stays the fixture's
    auto* principal = NewForm<Tfprincipal>(&aplicacion_);
    ASSERT_NE(principal->StatusBar1, nullptr);
    Variant nada;
    fdm->mostrar_mensaje(nullptr, nada);
    EXPECT_EQ(principal->AvisoBarra(), TAvisoBarra::abSolicitando);
    EXPECT_EQ(principal->StatusBar1->Color(), sm().GetGlobalColor());
    fdm->quitar_mensaje(nullptr, nada);
    EXPECT_EQ(principal->StatusBar1->Color(), clBtnFace);
    delete principal;
}

} // namespace
