// Renders a sample of every drawing primitive into a PNG file, to look at:
//   gdi_sample [out.png]
#include <cairo.h>

#include <cstdio>
#include <string>

#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/imagelist.h"
#include "platform/window/sysmetrics.h"

using namespace tv::win;

namespace {

void Label(HDC dc, int x, int y, const std::string& text) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(90, 90, 90));
    TextOut(dc, x, y, text);
    SetTextColor(dc, 0);
}

void Lines(HDC dc) {
    Label(dc, 10, 5, "Pens");
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    for (int i = 0; i < 5; ++i) {
        HPEN pen = CreatePen(styles[i], 1, RGB(0, 0, 160));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 10, 25 + i * 8, nullptr);
        LineTo(dc, 180, 25 + i * 8);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    LOGBRUSH lb;
    lb.lbColor = RGB(200, 60, 0);
    HPEN geo = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, 7, lb);
    HGDIOBJ old = SelectObject(dc, geo);
    POINT zig[] = {{15, 95}, {50, 70}, {85, 95}, {120, 70}, {155, 95}};
    Polyline(dc, zig, 5);
    SelectObject(dc, old);
    DeleteObject(geo);
    // XOR lines cross a filled box and invert it.
    RECT box{20, 105, 170, 125};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SetROP2(dc, R2_XORPEN);
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    old = SelectObject(dc, white);
    for (int x = 10; x < 180; x += 6) {
        MoveToEx(dc, x, 100, nullptr);
        LineTo(dc, x + 20, 130);
    }
    SelectObject(dc, old);
    DeleteObject(white);
    SetROP2(dc, R2_COPYPEN);
}

void Shapes(HDC dc) {
    Label(dc, 200, 5, "Shapes");
    HBRUSH yellow = CreateSolidBrush(RGB(250, 220, 80));
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 120, 0));
    HGDIOBJ old = SelectObject(dc, yellow);
    Rectangle(dc, 200, 25, 260, 65);
    Ellipse(dc, 270, 25, 340, 65);
    RoundRect(dc, 350, 25, 420, 65, 16, 16);
    SelectObject(dc, hatch);
    POINT star[] = {{230, 75}, {250, 130}, {200, 95}, {262, 95}, {212, 130}};
    SetPolyFillMode(dc, WINDING);
    Polygon(dc, star, 5);
    SelectObject(dc, old);
    DeleteObject(yellow);
    DeleteObject(hatch);
    RECT focus{280, 80, 410, 125};
    DrawFocusRect(dc, &focus);
    RECT frame{285, 85, 405, 120};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT inv{300, 95, 340, 110};
    InvertRect(dc, &inv);
}

void Edges(HDC dc) {
    Label(dc, 440, 5, "DrawEdge / DrawFrameControl");
    const UINT edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_SUNKENOUTER, BDR_RAISEDINNER};
    for (int i = 0; i < 6; ++i) {
        RECT r{440 + i * 55, 25, 490 + i * 55, 55};
        DrawEdge(dc, &r, edges[i], BF_RECT | BF_MIDDLE);
    }
    struct {
        UINT type, state;
    } controls[] = {
        {DFC_BUTTON, DFCS_BUTTONCHECK},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT},
        {DFC_BUTTON, DFCS_BUTTONRADIO},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONPUSH},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
        {DFC_SCROLL, DFCS_SCROLLUP},
        {DFC_SCROLL, DFCS_SCROLLDOWN},
        {DFC_SCROLL, DFCS_SCROLLLEFT},
        {DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE},
        {DFC_CAPTION, DFCS_CAPTIONMIN},
        {DFC_CAPTION, DFCS_CAPTIONMAX},
        {DFC_CAPTION, DFCS_CAPTIONRESTORE},
        {DFC_CAPTION, DFCS_CAPTIONHELP},
    };
    int i = 0;
    for (auto c : controls) {
        int col = i % 9, row = i / 9;
        RECT r{440 + col * 36, 65 + row * 30, 440 + col * 36 + (c.type == DFC_BUTTON && i < 6 ? 13 : 22),
               65 + row * 30 + (c.type == DFC_BUTTON && i < 6 ? 13 : 20)};
        DrawFrameControl(dc, &r, c.type, c.state);
        ++i;
    }
}

void Texts(HDC dc) {
    Label(dc, 10, 145, "Text");
    const char* faces[] = {"Arial", "Arial Narrow", "MS Sans Serif", "Tahoma", "Default", "No Such Font"};
    for (int i = 0; i < 6; ++i) {
        HFONT f = CreateFont(-14, 0, 0, 0, i % 2 ? FW_BOLD : FW_NORMAL, i == 2, i == 3, 0, 0, 0, 0, 0, 0, faces[i]);
        HGDIOBJ old = SelectObject(dc, f);
        TextOut(dc, 10, 165 + i * 18, std::string(faces[i]) + ": Año 2009, $1.500,00");
        SelectObject(dc, old);
        DeleteObject(f);
    }
    HFONT font = CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    struct {
        const char* text;
        UINT format;
    } samples[] = {
        {"Ajuste de línea: el texto largo se parte entre palabras", DT_WORDBREAK},
        {"Columna\tcon\ttabuladores", DT_EXPANDTABS | DT_SINGLELINE},
        {"Una descripción muy larga que no cabe", DT_END_ELLIPSIS | DT_SINGLELINE},
        {"/srv/tallyvo/datos/01/tallyvo.fdb", DT_PATH_ELLIPSIS | DT_SINGLELINE},
        {"&Guardar y &&salir", DT_SINGLELINE},
        {"Derecha", DT_RIGHT | DT_SINGLELINE | DT_VCENTER},
        {"Centro", DT_CENTER | DT_SINGLELINE | DT_VCENTER},
    };
    int y = 280;
    for (auto s : samples) {
        RECT r{10, y, 190, y + 34};
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        DrawText(dc, s.text, &r, s.format);
        y += 38;
    }
    SelectObject(dc, old);
    DeleteObject(font);
    HFONT rotated = CreateFont(-16, 0, 900, 900, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    old = SelectObject(dc, rotated);
    TextOut(dc, 205, 540, "Texto girado 90°");
    SelectObject(dc, old);
    DeleteObject(rotated);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 180));
    RECT clip{230, 150, 330, 170};
    ExtTextOut(dc, 232, 152, ETO_OPAQUE | ETO_CLIPPED, &clip, "ExtTextOut recortado al rectángulo");
    SetBkMode(dc, TRANSPARENT);
}

void Gradients(HDC dc) {
    Label(dc, 440, 135, "GradientFill");
    TRIVERTEX v[4];
    v[0].x = 440, v[0].y = 155, v[0].Red = 0xFF00, v[0].Green = 0, v[0].Blue = 0;
    v[1].x = 600, v[1].y = 185, v[1].Red = 0, v[1].Green = 0, v[1].Blue = 0xFF00;
    GRADIENT_RECT gr{0, 1};
    GradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H);
    v[0].x = 610, v[0].y = 155;
    v[1].x = 640, v[1].y = 235;
    GradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_V);
    v[0].x = 440, v[0].y = 195, v[0].Red = 0xFF00, v[0].Green = 0xFF00, v[0].Blue = 0;
    v[1].x = 600, v[1].y = 195, v[1].Red = 0, v[1].Green = 0x8000, v[1].Blue = 0;
    v[2].x = 520, v[2].y = 235, v[2].Red = 0, v[2].Green = 0, v[2].Blue = 0xFF00;
    v[2].Alpha = 0;
    GRADIENT_TRIANGLE tri{0, 1, 2};
    GradientFill(dc, v, 3, &tri, 1, GRADIENT_FILL_TRIANGLE);
}

void Raster(HDC dc) {
    Label(dc, 440, 245, "BitBlt / StretchBlt / AlphaBlend / image lists");
    HBITMAP bmp = CreateDIBitmap(16, 16, 32);
    for (int y = 0; y < 16; ++y) {
        BYTE* p = ScanLine(bmp, y);
        for (int x = 0; x < 16; ++x, p += 4) {
            p[0] = BYTE(x * 16), p[1] = BYTE(y * 16), p[2] = 200;
            p[3] = BYTE(255 - x * 15); // fades out to the right
        }
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(dc, 440, 265, 16, 16, mem, 0, 0, SRCCOPY);
    StretchBlt(dc, 465, 265, 48, 48, mem, 0, 0, 16, 16, SRCCOPY);
    StretchBlt(dc, 570, 265, -48, 48, mem, 0, 0, 16, 16, SRCCOPY); // mirrored
    RECT stripe{580, 265, 660, 313};
    FillRect(dc, &stripe, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    BLENDFUNCTION bf;
    bf.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(dc, 590, 265, 48, 48, mem, 0, 0, 16, 16, bf);
    BitBlt(dc, 665, 265, 48, 48, mem, 0, 0, DSTINVERT);
    SelectObject(mem, old);

    // An image list: red squares with a magenta key, drawn in its states.
    HBITMAP strip = CreateDIBitmap(32, 16, 24);
    for (int y = 0; y < 16; ++y) {
        BYTE* p = ScanLine(strip, y);
        for (int x = 0; x < 32; ++x, p += 3) {
            bool key = (x % 16) < 3 || y < 3 || (x % 16) > 12 || y > 12;
            p[0] = key ? 255 : (x < 16 ? 0 : 200);
            p[1] = key ? 0 : 0;
            p[2] = key ? 255 : (x < 16 ? 220 : 0);
        }
    }
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2);
    ImageList_AddMasked(list, strip, RGB(255, 0, 255));
    const UINT states[] = {ILD_NORMAL, ILD_TRANSPARENT, ILD_MASK, ILD_SELECTED, ILD_FOCUS};
    for (int i = 0; i < 5; ++i) ImageList_Draw(list, i % 2, dc, 440 + i * 22, 325, states[i]);
    ImageList_DrawDisabled(list, 0, dc, 440 + 5 * 22, 325);
    ImageList_Destroy(list);
    DeleteObject(strip);
    DeleteDC(mem);
    DeleteObject(bmp);
}

void ClipsAndMetafile(HDC dc) {
    Label(dc, 440, 355, "Clip regions / anisotropic mapping / metafile");
    SaveDC(dc);
    IntersectClipRect(dc, 440, 375, 540, 445);
    ExcludeClipRect(dc, 470, 395, 510, 425);
    HBRUSH teal = CreateSolidBrush(RGB(0, 150, 150));
    RECT all{400, 360, 560, 460};
    FillRect(dc, &all, teal);
    DeleteObject(teal);
    RestoreDC(dc, -1);

    // A small page recorded at 600 dpi, played back twice at two sizes.
    HDC mf = CreateEnhMetaFile(nullptr, 600, 400);
    HBRUSH b = CreateSolidBrush(RGB(220, 230, 255));
    RECT page{0, 0, 600, 400};
    FillRect(mf, &page, b);
    DeleteObject(b);
    HFONT f = CreateFont(-60, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SelectObject(mf, f);
    SetBkMode(mf, TRANSPARENT);
    TextOut(mf, 30, 30, "Factura");
    Rectangle(mf, 30, 150, 570, 370);
    SelectObject(mf, GetStockObject(DEFAULT_GUI_FONT));
    DeleteObject(f);
    HENHMETAFILE pic = CloseEnhMetaFile(mf);
    RECT small{560, 375, 620, 415}, large{630, 375, 750, 455};
    PlayEnhMetaFile(dc, pic, &small);
    PlayEnhMetaFile(dc, pic, &large);
    DeleteEnhMetaFile(pic);

    // Mirrored mapping: the arrow points the other way.
    SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, -100, 100, nullptr);
    SetViewportOrgEx(dc, 880, 375, nullptr);
    POINT arrow[] = {{10, 30}, {60, 30}, {60, 15}, {90, 40}, {60, 65}, {60, 50}, {10, 50}};
    HBRUSH orange = CreateSolidBrush(RGB(255, 150, 0));
    HGDIOBJ old = SelectObject(dc, orange);
    Polygon(dc, arrow, 7);
    SelectObject(dc, old);
    DeleteObject(orange);
    RestoreDC(dc, -1);
}

} // namespace

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "gdi_sample.png";
    GetSystemMetrics(SM_CXSCREEN); // brings up the system colours
    const int w = 900, h = 580;
    HBITMAP canvas = CreateDIBitmap(w, h, 24);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Lines(dc);
    Shapes(dc);
    Edges(dc);
    Texts(dc);
    Gradients(dc);
    Raster(dc);
    ClipsAndMetafile(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    cairo_status_t st = cairo_surface_write_to_png(canvas->SurfaceForReading(), out.c_str());
    DeleteObject(canvas);
    if (st != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "gdi_sample: cannot write %s: %s\n", out.c_str(), cairo_status_to_string(st));
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
