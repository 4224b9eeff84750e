// Draws the station's own pictures and stores one as the picture data of an
// image in a window's stored definition, at the size the definition gives it:
//   station_logo <form.dfm> <image name> logo|etiqueta
// "logo" is the name over a bar code; "etiqueta" a price tag. The picture is
// kept as PNG bytes, which the pictures of stored forms read like a bitmap.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/unitinit.h"
#include "framework/ui/graphics.h"
#include "framework/ui/picture.h"
#include "platform/picture/bitmapobject.h"

using namespace tv;

namespace {

const TColor kAzul = TColor(win::RGB(23, 62, 110));
const TColor kNaranja = TColor(win::RGB(245, 150, 30));
const TColor kBlanco = TColor(win::RGB(255, 255, 255));

void Rellene(TCanvas* c, TColor color, const win::RECT& r) {
    c->Brush()->SetColor(color);
    c->FillRect(r);
}

// Bars of a made-up code; the widths repeat so any width is filled evenly.
void Barras(TCanvas* c, const win::RECT& r) {
    static const int anchos[] = {2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2, 1, 3, 2, 1};
    const int unidad = std::max(1, (r.right - r.left) / 40);
    int x = r.left, i = 0;
    while (x < r.right) {
        const int w = anchos[i % 16] * unidad;
        if (i % 2 == 0) Rellene(c, kBlanco, {x, r.top, std::min(x + w, int(r.right)), r.bottom});
        x += w;
        ++i;
    }
}

void Texto(TCanvas* c, const std::string& texto, int alto, TColor color, int cx, int y) {
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetHeight(-alto);
    c->Font()->SetStyle(TFontStyles{fsBold});
    c->Font()->SetColor(color);
    c->Brush()->SetStyle(bsClear);
    const win::SIZE s = c->TextExtent(texto);
    c->TextOut(cx - s.cx / 2, y, texto);
    c->Brush()->SetStyle(bsSolid);
}

void DibujeLogo(TCanvas* c, int w, int h) {
    Rellene(c, kAzul, {0, 0, w, h});
    const int franja = std::max(2, h / 12);
    Rellene(c, kNaranja, {0, h - franja, w, h});
    if (w > 3 * h) {
        // Low and wide: the bars beside the name.
        const int m = std::max(2, h / 6);
        Barras(c, {m, m, m + h, h - franja - m});
        const int alto = (h - franja) * 5 / 10;
        Texto(c, "Tallyvo", alto, kBlanco, (m + h + w) / 2, (h - franja - alto) / 2 - alto / 8);
        return;
    }
    const int m = h / 10;
    Barras(c, {w / 5, m, w - w / 5, m + h * 3 / 10});
    const int alto = h * 22 / 100;
    Texto(c, "Tallyvo", alto, kBlanco, w / 2, m + h * 3 / 10 + m / 2);
    Texto(c, "POS", alto * 6 / 10, kNaranja, w / 2, m + h * 3 / 10 + m / 2 + alto * 13 / 10);
}

void DibujeEtiqueta(TCanvas* c, int w, int h) {
    Rellene(c, kNaranja, {0, 0, w, h});
    // A tag pointing left, with its hole.
    const int m = std::min(w, h) / 8;
    const int punta = (h - 2 * m) / 2;
    c->Brush()->SetColor(kBlanco);
    c->Pen()->SetColor(kAzul);
    c->Pen()->SetWidth(std::max(1, m / 3));
    c->Polygon({{m, h / 2}, {m + punta, m}, {w - m, m}, {w - m, h - m}, {m + punta, h - m}});
    c->Brush()->SetColor(kNaranja);
    const int r = std::max(2, m / 2);
    c->Ellipse(m + punta * 2 / 3 - r, h / 2 - r, m + punta * 2 / 3 + r, h / 2 + r);
    Texto(c, "$", (h - 2 * m) * 7 / 10, kAzul, (m + punta + w - m) / 2 + m / 2, h / 2 - (h - 2 * m) * 7 / 20 - m / 4);
}

std::string Png(TBitmap& b) {
    std::string bytes;
    cairo_surface_write_to_png_stream(
        b.Handle()->SurfaceForReading(),
        [](void* out, const unsigned char* data, unsigned int n) {
            static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), n);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    return bytes;
}

// The stored form of a picture: its class name, the length of the bytes, the bytes.
std::string DatosImagen(const std::string& png) {
    std::string d(1, char(7));
    d += "TBitmap";
    for (int i = 0; i < 4; ++i) d += char((png.size() >> (8 * i)) & 0xFF);
    return d + png;
}

std::string Hexadecimal(const std::string& datos, const std::string& margen) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "{";
    for (std::size_t i = 0; i < datos.size(); ++i) {
        if (i % 32 == 0) out += "\n" + margen;
        const auto b = static_cast<unsigned char>(datos[i]);
        out += hex[b >> 4];
        out += hex[b & 15];
    }
    return out + "}";
}

int Entero(const std::string& linea) { return std::stoi(linea.substr(linea.find('=') + 1)); }

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: station_logo <formulario.dfm> <imagen> logo|etiqueta\n");
        return 2;
    }
    const std::string archivo = argv[1], nombre = argv[2], tipo = argv[3];
    InitializeUnits();
    std::vector<std::string> lineas;
    {
        std::ifstream in(archivo);
        for (std::string l; std::getline(in, l);) lineas.push_back(l);
    }
    // The image's block: its properties are indented two more than its "object" line.
    std::size_t inicio = lineas.size();
    std::string margen;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        const auto p = lineas[i].find("object " + nombre + ": TImage");
        if (p != std::string::npos && lineas[i].find_first_not_of(' ') == p) {
            inicio = i;
            margen = std::string(p, ' ');
            break;
        }
    }
    if (inicio == lineas.size()) {
        std::fprintf(stderr, "station_logo: %s no tiene la imagen %s\n", archivo.c_str(), nombre.c_str());
        return 1;
    }
    int ancho = 0, alto = 0;
    std::size_t fin = inicio + 1;
    while (fin < lineas.size() && lineas[fin] != margen + "end") {
        const std::string& l = lineas[fin];
        if (l.rfind(margen + "  Picture.Data = {", 0) == 0) {
            std::size_t f = fin;
            while (lineas[f].find('}') == std::string::npos) ++f;
            lineas.erase(lineas.begin() + long(fin), lineas.begin() + long(f) + 1);
            continue;
        }
        if (l.rfind(margen + "  Width = ", 0) == 0) ancho = Entero(l);
        if (l.rfind(margen + "  Height = ", 0) == 0) alto = Entero(l);
        ++fin;
    }
    if (ancho <= 0 || alto <= 0) {
        std::fprintf(stderr, "station_logo: la imagen %s no da Width y Height\n", nombre.c_str());
        return 1;
    }

    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(ancho, alto);
    if (tipo == "etiqueta") DibujeEtiqueta(b.Canvas(), ancho, alto);
    else DibujeLogo(b.Canvas(), ancho, alto);

    const std::string datos = Hexadecimal(DatosImagen(Png(b)), margen + "    ");
    lineas.insert(lineas.begin() + long(fin), margen + "  Picture.Data = " + datos);
    std::ostringstream out;
    for (const std::string& l : lineas) out << l << '\n';
    std::ofstream(archivo, std::ios::binary) << out.str();
    std::printf("%s: %s, %d x %d\n", archivo.c_str(), nombre.c_str(), ancho, alto);
    return 0;
}
