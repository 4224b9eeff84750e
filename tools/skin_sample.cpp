// Paints a few elements of each internal skin into a PNG file, to look at:
//   skin_sample [out.png]
#include <cairo.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/ui/picture.h"
#include "platform/gdi/text.h"
#include "platform/picture/bitmapobject.h"
#include "skin/blending.h"
#include "skin/elementpaint.h"
#include "skin/imagepaint.h"
#include "skin/internalskins.h"
#include "skin/skinmanager.h"

using namespace tv;

namespace {

void Label(TBitmap* bmp, TsSkinManager& sm, const char* section, const std::string& text, win::RECT r, bool hot) {
    int i = sm.GetSectionIndex(section);
    WriteSkinnedText(bmp->Canvas(), text, true, &sm, hot, i, win::DT_CENTER | win::DT_SINGLELINE, r);
}

void Element(TBitmap* bmp, TsSkinManager& sm, const char* section, win::RECT r, int state, const TCacheInfo& ci) {
    PaintSkinItem(sm.GetSectionIndex(section), section, ci, -1, -1, &sm, bmp, {r.left, r.top}, r, state, true);
}

void Glyph(TBitmap* bmp, TsSkinManager& sm, const char* key, int x, int y, int state) {
    int i = sm.GetMaskIndexByName("GLOBALINFO", key);
    if (i >= 0) PaintMaskedGlyph(bmp, {x, y}, state, sm.ma[std::size_t(i)], 1);
}

// One skin in a band 120 pixels high, starting at row `top`.
void Band(TBitmap* page, TsSkinManager& sm, int top) {
    TCacheInfo ci = FillCacheInfo(page, 0, 0);
    Element(page, sm, "FORM", {0, top, 560, top + 120}, 0, ci);
    Element(page, sm, "FORMTITLE", {0, top, 560, top + 22}, 0, ci);
    Label(page, sm, "FORMTITLE", "Consulta de precios - " + sm.SkinName(), {0, top, 560, top + 22}, false);
    const char* states[] = {"Normal", "Encima", "Pulsado"};
    for (int s = 0; s < 3; ++s) {
        win::RECT b{12 + s * 100, top + 34, 102 + s * 100, top + 60};
        Element(page, sm, "BUTTON", b, s, ci);
        Label(page, sm, "BUTTON", states[s], b, s != 0);
    }
    win::RECT edit{12, top + 72, 200, top + 96};
    Element(page, sm, "EDIT", edit, 0, ci);
    Label(page, sm, "EDIT", "7702001041234", edit, false);
    Element(page, sm, "PANEL", {320, top + 34, 548, top + 108}, 0, ci);
    const char* boxes[] = {"BOXCHECKED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED", "SMALLCHECKED"};
    for (int i = 0; i < 5; ++i) Glyph(page, sm, boxes[i], 334 + i * 20, top + 44, 0);
    const char* icons[] = {"BICONMIN", "BICONMAX", "BICONCLOSE"};
    for (int i = 0; i < 3; ++i) Glyph(page, sm, icons[i], 500 + i * 18, top + 6, 0);
    Element(page, sm, "SCROLLBTNTOP", {220, top + 72, 240, top + 92}, 0, ci);
    Element(page, sm, "SCROLLSLIDERV", {244, top + 72, 260, top + 108}, 1, ci);
    Element(page, sm, "STATUSBAR", {334, top + 80, 540, top + 100}, 0, ci);
    Label(page, sm, "STATUSBAR", "Caja abierta", {334, top + 80, 540, top + 100}, false);
}

} // namespace

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "skin_sample.png";
    TsSkinManager sm;
    sm.SetActive(false);
    LoadInternalSkins(sm.InternalSkins());
    sm.SetSkinDirectory("/nonexistent");
    int count = sm.InternalSkins()->Count();
    std::unique_ptr<TBitmap> page(CreateBmp24(560, 130 * count));
    sm.SetActive(true);
    for (int i = 0; i < count; ++i) {
        sm.SetSkinName(sm.InternalSkins()->Items(i)->Name());
        Band(page.get(), sm, i * 130);
    }
    auto* obj = static_cast<win::BitmapObject*>(page->Handle());
    cairo_status_t st = cairo_surface_write_to_png(obj->SurfaceForReading(), out.c_str());
    std::printf("%s\n", st == CAIRO_STATUS_SUCCESS ? out.c_str() : "could not write the picture");
    return st == CAIRO_STATUS_SUCCESS ? 0 : 1;
}
