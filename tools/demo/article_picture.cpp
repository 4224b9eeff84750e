#include "tools/demo/article_picture.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace demo {

namespace {

struct Colour {
    double r, g, b;
};

enum class Shape {
    Bag, Sack, Box, Packet, Can, Bottle, WineBottle, Spray, Carton, Cup, Tub, Cheese, Eggs, Tray, Sausage, Fish,
    Fruit, Potato, Banana, Loaf, Bun, Cake, SoapBar, Tube, Roll, Bulb, Battery, Broom, Candle, PetBag,
    Hammer, Screwdriver, Wrench, Pliers, Saw, TapeMeasure, Shovel, Drill, Disc, Screw, Nail, Nut, Coil, Outlet,
    TapeRoll, Pipe, Elbow, Faucet, PaintCan, Brush, Sheet, Bars, Padlock, DoorLock, Glove, Key, Basket
};

// Subgroups of both demo catalogues and what their articles look like.
const std::map<std::string, Shape>& Shapes() {
    static const std::map<std::string, Shape> shapes{
        {"Granos y azúcar", Shape::Bag}, {"Enlatados", Shape::Can}, {"Harinas y pastas", Shape::Bag},
        {"Aceites y salsas", Shape::Bottle}, {"Café y chocolate", Shape::Bag}, {"Dulces y galletas", Shape::Packet},
        {"Cereales", Shape::Box}, {"Pasabocas", Shape::Bag}, {"Leches", Shape::Carton}, {"Yogures", Shape::Cup},
        {"Quesos", Shape::Cheese}, {"Huevos", Shape::Eggs}, {"Mantequillas y cremas", Shape::Tub},
        {"Gaseosas", Shape::Bottle}, {"Jugos", Shape::Carton}, {"Aguas", Shape::Bottle}, {"Cervezas", Shape::Can},
        {"Refrescos", Shape::Bottle}, {"Vinos", Shape::WineBottle}, {"Detergentes", Shape::Box},
        {"Lavaloza", Shape::Tub}, {"Limpiadores", Shape::Spray}, {"Papel de cocina", Shape::Roll},
        {"Bolsas y esponjas", Shape::Packet}, {"Res", Shape::Tray}, {"Pollo", Shape::Tray}, {"Cerdo", Shape::Tray},
        {"Embutidos", Shape::Sausage}, {"Pescados", Shape::Fish}, {"Frutas", Shape::Fruit},
        {"Verduras", Shape::Fruit}, {"Tubérculos", Shape::Potato}, {"Plátanos", Shape::Banana},
        {"Aguacates", Shape::Fruit}, {"Panes", Shape::Loaf}, {"Amasijos", Shape::Bun}, {"Tortas", Shape::Cake},
        {"Jabones", Shape::SoapBar}, {"Champús", Shape::Bottle}, {"Higiene oral", Shape::Tube},
        {"Desodorantes", Shape::Can}, {"Papel higiénico", Shape::Roll}, {"Higiene íntima y bebé", Shape::Packet},
        {"Cremas y afeitada", Shape::Tube}, {"Iluminación", Shape::Bulb}, {"Pilas", Shape::Battery},
        {"Desechables", Shape::Cup}, {"Utensilios de aseo", Shape::Broom}, {"Velas y fósforos", Shape::Candle},
        {"Mascotas", Shape::PetBag},
        {"Martillos", Shape::Hammer}, {"Destornilladores", Shape::Screwdriver}, {"Llaves", Shape::Wrench},
        {"Alicates", Shape::Pliers}, {"Sierras", Shape::Saw}, {"Medición", Shape::TapeMeasure},
        {"Palas y picas", Shape::Shovel}, {"Taladros", Shape::Drill}, {"Pulidoras y caladoras", Shape::Drill},
        {"Brocas y discos", Shape::Disc}, {"Tornillos", Shape::Screw}, {"Puntillas", Shape::Nail},
        {"Tuercas y arandelas", Shape::Nut}, {"Chazos", Shape::Screw}, {"Pegantes y siliconas", Shape::Tube},
        {"Cables", Shape::Coil}, {"Bombillos", Shape::Bulb}, {"Tomas e interruptores", Shape::Outlet},
        {"Cintas", Shape::TapeRoll}, {"Tubería", Shape::Pipe}, {"Accesorios PVC", Shape::Elbow},
        {"Grifería", Shape::Faucet}, {"Mangueras", Shape::Coil}, {"Pinturas", Shape::PaintCan},
        {"Brochas y rodillos", Shape::Brush}, {"Lijas", Shape::Sheet}, {"Disolventes", Shape::PaintCan},
        {"Cementos", Shape::Sack}, {"Agregados", Shape::Sack}, {"Estucos y pegantes", Shape::Sack},
        {"Hierro", Shape::Bars}, {"Candados", Shape::Padlock}, {"Cerraduras", Shape::DoorLock},
        {"Protección personal", Shape::Glove}, {"Servicios", Shape::Key},
    };
    return shapes;
}

// Words of a description that name a colour the article has.
Colour ColourOf(const std::string& description) {
    static const std::pair<const char*, Colour> named[] = {
        {"naranja", {0.96, 0.55, 0.10}}, {"mandarina", {0.97, 0.58, 0.12}}, {"manzana roja", {0.80, 0.10, 0.12}},
        {"fresa", {0.86, 0.12, 0.20}},   {"tomate", {0.88, 0.18, 0.12}},    {"pimentón", {0.85, 0.12, 0.10}},
        {"manzana verde", {0.50, 0.80, 0.25}}, {"limón", {0.45, 0.75, 0.20}}, {"aguacate", {0.25, 0.45, 0.15}},
        {"lechuga", {0.55, 0.82, 0.35}}, {"brócoli", {0.20, 0.55, 0.20}},  {"pepino", {0.25, 0.55, 0.20}},
        {"habichuela", {0.35, 0.65, 0.25}}, {"cilantro", {0.25, 0.60, 0.20}}, {"repollo", {0.65, 0.85, 0.55}},
        {"mora", {0.35, 0.08, 0.30}},    {"uva", {0.45, 0.15, 0.45}},       {"mango", {0.98, 0.70, 0.15}},
        {"piña", {0.95, 0.78, 0.20}},    {"papaya", {0.98, 0.60, 0.25}},    {"maracuyá", {0.95, 0.80, 0.20}},
        {"ahuyama", {0.93, 0.55, 0.12}}, {"zanahoria", {0.95, 0.50, 0.10}}, {"pera", {0.80, 0.85, 0.30}},
        {"guayaba", {0.75, 0.85, 0.35}}, {"granadilla", {0.95, 0.65, 0.20}}, {"lulo", {0.95, 0.62, 0.10}},
        {"cebolla cabezona", {0.85, 0.70, 0.50}}, {"cebolla larga", {0.40, 0.70, 0.30}}, {"cebolla", {0.62, 0.30, 0.55}}, {"coliflor", {0.95, 0.93, 0.85}},
        {"ajo", {0.96, 0.94, 0.88}},     {"pollo", {0.95, 0.75, 0.62}},     {"cerdo", {0.93, 0.62, 0.58}},
        {"chocolate", {0.40, 0.22, 0.12}}, {"café", {0.45, 0.27, 0.15}},    {"negro", {0.15, 0.15, 0.15}},
        {"blanco", {0.96, 0.96, 0.94}},  {"blanca", {0.96, 0.96, 0.94}},    {"marfil", {0.95, 0.92, 0.80}},
        {"gris", {0.55, 0.57, 0.60}},    {"rojo", {0.80, 0.15, 0.12}},      {"azul", {0.20, 0.40, 0.80}},
        {"verde", {0.25, 0.65, 0.35}},   {"amarillo", {0.98, 0.85, 0.20}},  {"caoba", {0.50, 0.20, 0.10}},
    };
    for (const auto& [word, colour] : named)
        if (description.find(word) != std::string::npos) return colour;
    static const Colour palette[] = {{0.84, 0.27, 0.25}, {0.20, 0.60, 0.86}, {0.18, 0.80, 0.44}, {0.95, 0.77, 0.06},
                                     {0.61, 0.35, 0.71}, {0.90, 0.49, 0.13}, {0.10, 0.74, 0.61}, {0.50, 0.55, 0.55}};
    return palette[std::hash<std::string>{}(description) % 8];
}

Colour Shade(Colour c, double k) { return {c.r * k, c.g * k, c.b * k}; }

Colour Lighter(Colour c) { return {c.r + (1 - c.r) * 0.3, c.g + (1 - c.g) * 0.3, c.b + (1 - c.b) * 0.3}; }

void Set(cairo_t* cr, Colour c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// Fills the current path and outlines it a little darker.
void Paint(cairo_t* cr, Colour c) {
    Set(cr, c);
    cairo_fill_preserve(cr);
    Set(cr, Shade(c, 0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Strokes the current path as a tube of the given width, outlined.
void Tube(cairo_t* cr, double width, Colour c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    Set(cr, Shade(c, 0.6));
    cairo_set_line_width(cr, width + 2.4);
    cairo_stroke_preserve(cr);
    Set(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    bool first = true;
    for (auto [x, y] : points) {
        if (first) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

// A white band across a package with the product's name on it.
void Label(cairo_t* cr, double x, double y, double w, double h, const std::string& text) {
    cairo_rectangle(cr, x, y, w, h);
    Set(cr, {0.98, 0.98, 0.96});
    cairo_fill(cr);
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    double size = h * 0.62;
    cairo_text_extents_t ext;
    for (;; size -= 0.5) {
        cairo_set_font_size(cr, size);
        cairo_text_extents(cr, text.c_str(), &ext);
        if (ext.width <= w - 4 || size <= 5) break;
    }
    Set(cr, {0.15, 0.15, 0.2});
    cairo_move_to(cr, x + (w - ext.width) / 2 - ext.x_bearing, y + (h - ext.height) / 2 - ext.y_bearing);
    cairo_show_text(cr, text.c_str());
}

const Colour Steel{0.70, 0.72, 0.75}, Wood{0.72, 0.50, 0.28}, Handle{0.85, 0.20, 0.15}, White{0.97, 0.97, 0.95};

void Cylinder(cairo_t* cr, double x, double y, double w, double h, Colour c) {
    cairo_rectangle(cr, x, y, w, h);
    Paint(cr, c);
    Ellipse(cr, x + w / 2, y + h, w / 2, w / 7);
    Paint(cr, c);
    cairo_rectangle(cr, x + 0.6, y, w - 1.2, h);
    Set(cr, c);
    cairo_fill(cr);
    Ellipse(cr, x + w / 2, y, w / 2, w / 7);
    Paint(cr, Lighter(c));
}

void DrawShape(cairo_t* cr, Shape shape, Colour c, const std::string& name) {
    switch (shape) {
    case Shape::Bag:
    case Shape::PetBag:
        cairo_move_to(cr, 52, 22);
        for (int i = 0; i < 8; ++i) cairo_line_to(cr, 52 + i * 7 + 3.5, i % 2 ? 22 : 18);
        cairo_line_to(cr, 108, 22);
        cairo_curve_to(cr, 114, 50, 114, 85, 110, 104);
        cairo_line_to(cr, 50, 104);
        cairo_curve_to(cr, 46, 85, 46, 50, 52, 22);
        cairo_close_path(cr);
        Paint(cr, c);
        Label(cr, 52, 52, 56, 18, name);
        if (shape == Shape::PetBag) {
            Ellipse(cr, 80, 88, 7, 6);
            for (int i = 0; i < 4; ++i) Ellipse(cr, 70 + i * 6.7, 79 - (i % 3 ? 3 : 0), 2.8, 3);
            Set(cr, Shade(c, 0.5));
            cairo_fill(cr);
        }
        break;
    case Shape::Sack:
        cairo_move_to(cr, 40, 34);
        cairo_curve_to(cr, 60, 24, 100, 24, 120, 34);
        cairo_line_to(cr, 124, 100);
        cairo_curve_to(cr, 100, 108, 60, 108, 36, 100);
        cairo_close_path(cr);
        Paint(cr, {0.86, 0.80, 0.66});
        Label(cr, 48, 56, 64, 20, name);
        break;
    case Shape::Box:
    case Shape::Packet: {
        double w = shape == Shape::Box ? 50 : 70, h = shape == Shape::Box ? 72 : 40, x = 80 - w / 2 - 6,
               y = shape == Shape::Box ? 30 : 50;
        Poly(cr, {{x, y}, {x + 12, y - 10}, {x + w + 12, y - 10}, {x + w, y}});
        Paint(cr, Lighter(c));
        Poly(cr, {{x + w, y}, {x + w + 12, y - 10}, {x + w + 12, y + h - 10}, {x + w, y + h}});
        Paint(cr, Shade(c, 0.75));
        cairo_rectangle(cr, x, y, w, h);
        Paint(cr, c);
        Label(cr, x + 3, y + h / 2 - 8, w - 6, 16, name);
        break;
    }
    case Shape::Can:
        Cylinder(cr, 58, 28, 44, 72, c);
        Label(cr, 58, 52, 44, 18, name);
        break;
    case Shape::Bottle:
    case Shape::WineBottle:
    case Shape::Spray: {
        bool wine = shape == Shape::WineBottle;
        Colour glass = wine ? Colour{0.15, 0.30, 0.15} : c;
        RoundRect(cr, 62, wine ? 46 : 40, 36, wine ? 62 : 68, 8);
        Paint(cr, glass);
        Poly(cr, {{66, wine ? 48.0 : 42.0}, {74, wine ? 22.0 : 26.0}, {86, wine ? 22.0 : 26.0}, {94, wine ? 48.0 : 42.0}});
        Paint(cr, glass);
        if (shape == Shape::Spray) {
            Poly(cr, {{70, 26}, {70, 14}, {100, 14}, {104, 20}, {90, 22}, {90, 26}});
            Paint(cr, White);
            Poly(cr, {{82, 22}, {78, 36}, {84, 36}, {88, 22}});
            Paint(cr, White);
        } else {
            cairo_rectangle(cr, 73, wine ? 14 : 18, 14, 9);
            Paint(cr, wine ? Colour{0.55, 0.10, 0.15} : Colour{0.85, 0.10, 0.10});
        }
        Label(cr, 62, 62, 36, 20, name);
        break;
    }
    case Shape::Carton:
        Poly(cr, {{58, 40}, {80, 20}, {102, 40}});
        Paint(cr, White);
        cairo_rectangle(cr, 76, 14, 8, 8);
        Paint(cr, White);
        cairo_rectangle(cr, 58, 40, 44, 66);
        Paint(cr, White);
        cairo_rectangle(cr, 58, 78, 44, 28);
        Paint(cr, c);
        Label(cr, 60, 54, 40, 16, name);
        break;
    case Shape::Cup:
        Poly(cr, {{56, 40}, {104, 40}, {98, 100}, {62, 100}});
        Paint(cr, White);
        Poly(cr, {{58, 56}, {102, 56}, {100, 76}, {60, 76}});
        Paint(cr, c);
        Ellipse(cr, 80, 40, 25, 6);
        Paint(cr, {0.85, 0.85, 0.88});
        break;
    case Shape::Tub:
        Cylinder(cr, 44, 50, 72, 46, c);
        Label(cr, 50, 64, 60, 16, name);
        break;
    case Shape::Cheese:
        Poly(cr, {{40, 92}, {120, 92}, {120, 62}, {40, 76}});
        Paint(cr, {0.96, 0.82, 0.35});
        Poly(cr, {{40, 76}, {120, 62}, {96, 40}});
        Paint(cr, {0.99, 0.90, 0.50});
        for (auto [x, y, r] : {std::tuple{60.0, 82.0, 5.0}, {84.0, 76.0, 4.0}, {106.0, 84.0, 6.0}, {96.0, 56.0, 3.0}}) {
            Ellipse(cr, x, y, r, r * 0.8);
            Set(cr, {0.86, 0.68, 0.20});
            cairo_fill(cr);
        }
        break;
    case Shape::Eggs:
        RoundRect(cr, 26, 60, 108, 40, 6);
        Paint(cr, {0.80, 0.75, 0.65});
        for (int i = 0; i < 6; ++i) {
            Ellipse(cr, 38 + i * 17, 58, 8, 11);
            Paint(cr, c.r > 0.9 && c.g > 0.9 ? White : Colour{0.85, 0.60, 0.42});
        }
        break;
    case Shape::Tray:
        RoundRect(cr, 28, 48, 104, 52, 8);
        Paint(cr, White);
        Ellipse(cr, 80, 72, 40, 18);
        Paint(cr, name == "Pollo" ? Colour{0.96, 0.78, 0.64} : name == "Cerdo" ? Colour{0.93, 0.60, 0.58}
                                                                               : Colour{0.72, 0.14, 0.16});
        cairo_move_to(cr, 52, 70);
        cairo_curve_to(cr, 70, 62, 90, 80, 108, 70);
        Set(cr, {0.98, 0.92, 0.90});
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        break;
    case Shape::Sausage:
        for (int i = 0; i < 3; ++i) {
            RoundRect(cr, 30 + i * 34, 52 + (i % 2) * 8, 32, 18, 9);
            Paint(cr, {0.70, 0.25, 0.18});
        }
        break;
    case Shape::Fish:
        Ellipse(cr, 74, 60, 40, 17);
        Paint(cr, {0.55, 0.62, 0.70});
        Poly(cr, {{110, 60}, {134, 44}, {134, 76}});
        Paint(cr, {0.55, 0.62, 0.70});
        Ellipse(cr, 48, 56, 3, 3);
        Set(cr, {0.1, 0.1, 0.1});
        cairo_fill(cr);
        break;
    case Shape::Fruit:
        Ellipse(cr, 80, 64, 32, 30);
        Paint(cr, c);
        Ellipse(cr, 90, 30, 10, 5);
        Paint(cr, {0.25, 0.60, 0.20});
        cairo_move_to(cr, 80, 36);
        cairo_line_to(cr, 82, 26);
        Set(cr, {0.35, 0.22, 0.10});
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        Ellipse(cr, 70, 52, 7, 5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_fill(cr);
        break;
    case Shape::Potato:
        Ellipse(cr, 80, 64, 38, 24);
        Paint(cr, {0.76, 0.60, 0.38});
        for (auto [x, y] : {std::pair{66.0, 56.0}, {90.0, 70.0}, {98.0, 54.0}}) {
            Ellipse(cr, x, y, 2.5, 2);
            Set(cr, {0.50, 0.38, 0.20});
            cairo_fill(cr);
        }
        break;
    case Shape::Banana:
        cairo_move_to(cr, 34, 50);
        cairo_curve_to(cr, 50, 100, 110, 100, 128, 50);
        cairo_curve_to(cr, 108, 80, 56, 82, 34, 50);
        cairo_close_path(cr);
        Paint(cr, name == "Plátano" ? Colour{0.45, 0.65, 0.20} : Colour{0.97, 0.85, 0.20});
        break;
    case Shape::Loaf:
        RoundRect(cr, 30, 44, 100, 50, 22);
        Paint(cr, {0.82, 0.58, 0.30});
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(cr, 48 + i * 20, 50);
            cairo_line_to(cr, 58 + i * 20, 64);
        }
        Set(cr, {0.95, 0.82, 0.60});
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        break;
    case Shape::Bun:
        Ellipse(cr, 80, 66, 38, 22);
        Paint(cr, {0.90, 0.72, 0.40});
        Ellipse(cr, 80, 60, 26, 12);
        Set(cr, {0.96, 0.84, 0.55});
        cairo_fill(cr);
        break;
    case Shape::Cake:
        Cylinder(cr, 38, 48, 84, 44, {0.55, 0.32, 0.18});
        Ellipse(cr, 80, 48, 42, 12);
        Paint(cr, {0.98, 0.90, 0.92});
        Ellipse(cr, 80, 40, 6, 6);
        Paint(cr, {0.85, 0.05, 0.15});
        break;
    case Shape::SoapBar:
        RoundRect(cr, 40, 46, 80, 40, 16);
        Paint(cr, c);
        Label(cr, 54, 58, 52, 16, name);
        for (auto [x, y, r] : {std::tuple{120.0, 36.0, 7.0}, {108.0, 26.0, 5.0}, {128.0, 22.0, 4.0}}) {
            Ellipse(cr, x, y, r, r);
            cairo_set_source_rgba(cr, 0.6, 0.8, 1.0, 0.6);
            cairo_fill(cr);
        }
        break;
    case Shape::Tube:
        Poly(cr, {{36, 46}, {112, 54}, {112, 74}, {36, 82}});
        Paint(cr, c);
        cairo_rectangle(cr, 112, 56, 14, 16);
        Paint(cr, White);
        Label(cr, 46, 56, 56, 16, name);
        break;
    case Shape::Roll:
        cairo_rectangle(cr, 44, 44, 72, 44);
        Paint(cr, White);
        Ellipse(cr, 116, 66, 12, 22);
        Paint(cr, White);
        Ellipse(cr, 116, 66, 4, 8);
        Paint(cr, {0.75, 0.65, 0.50});
        break;
    case Shape::Bulb:
        Ellipse(cr, 80, 48, 28, 28);
        Paint(cr, {1.0, 0.97, 0.75});
        Poly(cr, {{68, 70}, {92, 70}, {90, 84}, {70, 84}});
        Paint(cr, {1.0, 0.97, 0.75});
        cairo_rectangle(cr, 70, 84, 20, 16);
        Paint(cr, Steel);
        break;
    case Shape::Battery:
        for (int i = 0; i < 2; ++i) {
            RoundRect(cr, 32, 40 + i * 30, 88, 24, 4);
            Paint(cr, c);
            cairo_rectangle(cr, 32, 40 + i * 30, 30, 24);
            Paint(cr, {0.15, 0.15, 0.15});
            cairo_rectangle(cr, 120, 46 + i * 30, 6, 12);
            Paint(cr, Steel);
        }
        break;
    case Shape::Broom:
        cairo_rectangle(cr, 77, 8, 6, 70);
        Paint(cr, Wood);
        Poly(cr, {{56, 78}, {104, 78}, {112, 108}, {48, 108}});
        Paint(cr, c);
        break;
    case Shape::Candle:
        for (int i = 0; i < 3; ++i) {
            cairo_rectangle(cr, 50 + i * 22, 44 + i * 6, 14, 56 - i * 6);
            Paint(cr, c);
            Ellipse(cr, 57 + i * 22, 34 + i * 6, 4, 8);
            Paint(cr, {1.0, 0.70, 0.10});
        }
        break;
    case Shape::Hammer:
        cairo_save(cr);
        cairo_translate(cr, 80, 60);
        cairo_rotate(cr, -0.5);
        RoundRect(cr, -5, -20, 10, 62, 3);
        Paint(cr, Handle);
        Poly(cr, {{-26, -34}, {20, -34}, {34, -24}, {20, -20}, {-26, -20}});
        Paint(cr, Steel);
        cairo_restore(cr);
        break;
    case Shape::Screwdriver:
        cairo_save(cr);
        cairo_translate(cr, 80, 60);
        cairo_rotate(cr, -0.6);
        RoundRect(cr, -50, -8, 40, 16, 6);
        Paint(cr, Handle);
        cairo_rectangle(cr, -10, -2.5, 56, 5);
        Paint(cr, Steel);
        cairo_restore(cr);
        break;
    case Shape::Wrench:
        cairo_save(cr);
        cairo_translate(cr, 80, 60);
        cairo_rotate(cr, -0.6);
        cairo_rectangle(cr, -38, -5, 66, 10);
        Paint(cr, Steel);
        Ellipse(cr, 36, 0, 14, 14);
        Paint(cr, Steel);
        cairo_rectangle(cr, 32, -5, 20, 10);
        Set(cr, {0.96, 0.96, 0.96});
        cairo_fill(cr);
        Ellipse(cr, -40, 0, 10, 10);
        Paint(cr, Steel);
        cairo_restore(cr);
        break;
    case Shape::Pliers:
        cairo_save(cr);
        cairo_translate(cr, 80, 56);
        for (int s : {-1, 1}) {
            cairo_save(cr);
            cairo_rotate(cr, s * 0.25);
            RoundRect(cr, -4, 6, 8, 46, 4);
            Paint(cr, Handle);
            Poly(cr, {{-4, 8}, {4, 8}, {2, -40}, {-1, -40}});
            Paint(cr, Steel);
            cairo_restore(cr);
        }
        Ellipse(cr, 0, 4, 5, 5);
        Paint(cr, Steel);
        cairo_restore(cr);
        break;
    case Shape::Saw:
        cairo_move_to(cr, 44, 44);
        cairo_line_to(cr, 136, 56);
        for (int i = 0; i < 16; ++i) cairo_line_to(cr, 136 - i * 5.75 - 2.9, 76 - i * 1.6 + (i % 2 ? 0 : 4));
        cairo_line_to(cr, 44, 66);
        cairo_close_path(cr);
        Paint(cr, Steel);
        RoundRect(cr, 18, 38, 30, 34, 8);
        Paint(cr, Wood);
        break;
    case Shape::TapeMeasure:
        RoundRect(cr, 42, 34, 60, 60, 14);
        Paint(cr, {0.98, 0.80, 0.10});
        Ellipse(cr, 72, 64, 14, 14);
        Paint(cr, {0.25, 0.25, 0.25});
        cairo_rectangle(cr, 102, 82, 34, 10);
        Paint(cr, {0.98, 0.92, 0.50});
        break;
    case Shape::Shovel:
        cairo_save(cr);
        cairo_translate(cr, 80, 60);
        cairo_rotate(cr, -0.7);
        cairo_rectangle(cr, -60, -3, 70, 6);
        Paint(cr, Wood);
        Poly(cr, {{8, -16}, {40, -14}, {52, 0}, {40, 14}, {8, 16}});
        Paint(cr, Steel);
        cairo_restore(cr);
        break;
    case Shape::Drill:
        RoundRect(cr, 34, 34, 70, 30, 10);
        Paint(cr, c);
        Poly(cr, {{56, 60}, {76, 60}, {70, 102}, {50, 102}});
        Paint(cr, c);
        cairo_rectangle(cr, 104, 42, 12, 14);
        Paint(cr, {0.25, 0.25, 0.25});
        cairo_rectangle(cr, 116, 47, 24, 4);
        Paint(cr, Steel);
        break;
    case Shape::Disc:
        Ellipse(cr, 80, 60, 40, 40);
        Paint(cr, {0.25, 0.25, 0.28});
        Ellipse(cr, 80, 60, 18, 18);
        Paint(cr, c);
        Ellipse(cr, 80, 60, 6, 6);
        Paint(cr, White);
        break;
    case Shape::Screw:
    case Shape::Nail:
        for (int i = 0; i < 3; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 50 + i * 30, 60);
            cairo_rotate(cr, 0.3 * (i - 1));
            Ellipse(cr, 0, -36, 11, 4);
            Paint(cr, Steel);
            Poly(cr, {{-4, -34}, {4, -34}, {4, 30}, {0, 42}, {-4, 30}});
            Paint(cr, Steel);
            if (shape == Shape::Screw) {
                for (int k = 0; k < 10; ++k) {
                    cairo_move_to(cr, -5, -26 + k * 6);
                    cairo_line_to(cr, 5, -22 + k * 6);
                }
                Set(cr, Shade(Steel, 0.55));
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
            }
            cairo_restore(cr);
        }
        break;
    case Shape::Nut:
        for (int i = 0; i < 2; ++i) {
            double cx = 60 + i * 42, cy = 58 + i * 10;
            cairo_new_path(cr);
            for (int k = 0; k < 6; ++k) {
                double a = k * M_PI / 3;
                if (k == 0) cairo_move_to(cr, cx + 26 * std::cos(a), cy + 26 * std::sin(a));
                else cairo_line_to(cr, cx + 26 * std::cos(a), cy + 26 * std::sin(a));
            }
            cairo_close_path(cr);
            Paint(cr, Steel);
            Ellipse(cr, cx, cy, 11, 11);
            Paint(cr, {0.96, 0.96, 0.96});
        }
        break;
    case Shape::Coil:
        for (int k = 0; k < 4; ++k) {
            Ellipse(cr, 80, 62, 44 - k * 8, 32 - k * 6);
            Set(cr, c);
            cairo_set_line_width(cr, 6);
            cairo_stroke(cr);
        }
        break;
    case Shape::Outlet:
        RoundRect(cr, 52, 22, 56, 80, 6);
        Paint(cr, {0.97, 0.96, 0.92});
        for (int i = 0; i < 2; ++i) {
            RoundRect(cr, 66, 34 + i * 34, 28, 24, 8);
            Paint(cr, {0.90, 0.89, 0.85});
            cairo_rectangle(cr, 73, 40 + i * 34, 3, 9);
            cairo_rectangle(cr, 84, 40 + i * 34, 3, 9);
            Set(cr, {0.2, 0.2, 0.2});
            cairo_fill(cr);
        }
        break;
    case Shape::TapeRoll:
        Ellipse(cr, 80, 60, 38, 38);
        Paint(cr, c);
        Ellipse(cr, 80, 60, 20, 20);
        Paint(cr, {0.97, 0.97, 0.97});
        break;
    case Shape::Pipe:
        cairo_rectangle(cr, 14, 50, 132, 22);
        Paint(cr, {0.92, 0.92, 0.90});
        Ellipse(cr, 146, 61, 5, 11);
        Paint(cr, {0.80, 0.80, 0.78});
        break;
    case Shape::Elbow:
        cairo_move_to(cr, 40, 40);
        cairo_arc(cr, 40, 100, 60, -M_PI / 2, -0.05);
        cairo_line_to(cr, 100, 108);
        Tube(cr, 24, {0.92, 0.92, 0.90});
        break;
    case Shape::Faucet:
        cairo_rectangle(cr, 40, 96, 44, 8);
        Paint(cr, Steel);
        cairo_rectangle(cr, 52, 50, 20, 46);
        Paint(cr, Steel);
        cairo_move_to(cr, 62, 54);
        cairo_curve_to(cr, 66, 24, 118, 22, 118, 70);
        Tube(cr, 10, Steel);
        cairo_rectangle(cr, 48, 40, 34, 7);
        Paint(cr, {0.35, 0.55, 0.85});
        Ellipse(cr, 118, 84, 3, 5);
        Set(cr, {0.40, 0.65, 0.95});
        cairo_fill(cr);
        break;
    case Shape::PaintCan:
        Cylinder(cr, 44, 34, 72, 66, Steel);
        cairo_rectangle(cr, 44, 54, 72, 30);
        Paint(cr, c);
        Label(cr, 52, 62, 56, 14, name);
        cairo_move_to(cr, 46, 36);
        cairo_curve_to(cr, 56, 4, 104, 4, 114, 36);
        Set(cr, {0.35, 0.35, 0.35});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case Shape::Brush:
        RoundRect(cr, 72, 10, 16, 50, 6);
        Paint(cr, Wood);
        cairo_rectangle(cr, 62, 58, 36, 12);
        Paint(cr, Steel);
        Poly(cr, {{62, 70}, {98, 70}, {100, 104}, {60, 104}});
        Paint(cr, {0.30, 0.25, 0.20});
        break;
    case Shape::Sheet:
        for (int i = 0; i < 3; ++i) {
            Poly(cr, {{40 + i * 8, 30 + i * 6}, {110 + i * 8, 26 + i * 6}, {116 + i * 8, 92 + i * 6},
                      {44 + i * 8, 96 + i * 6}});
            Paint(cr, {0.80, 0.58 - i * 0.05, 0.35});
        }
        break;
    case Shape::Bars:
        for (int i = 0; i < 4; ++i) {
            cairo_rectangle(cr, 10, 40 + i * 12, 140, 7);
            Paint(cr, {0.45, 0.30, 0.22});
        }
        break;
    case Shape::Padlock:
        cairo_new_path(cr);
        cairo_arc(cr, 80, 50, 22, -M_PI, 0);
        cairo_arc_negative(cr, 80, 50, 14, 0, -M_PI);
        cairo_close_path(cr);
        Paint(cr, Steel);
        RoundRect(cr, 52, 50, 56, 48, 6);
        Paint(cr, {0.85, 0.68, 0.20});
        Ellipse(cr, 80, 70, 5, 5);
        Poly(cr, {{78, 72}, {82, 72}, {83, 84}, {77, 84}});
        Set(cr, {0.2, 0.2, 0.2});
        cairo_fill(cr);
        break;
    case Shape::DoorLock:
        RoundRect(cr, 66, 20, 28, 84, 6);
        Paint(cr, Steel);
        Ellipse(cr, 80, 48, 22, 22);
        Paint(cr, {0.85, 0.68, 0.20});
        Ellipse(cr, 80, 84, 4, 4);
        Set(cr, {0.2, 0.2, 0.2});
        cairo_fill(cr);
        break;
    case Shape::Glove:
        cairo_move_to(cr, 56, 104);
        cairo_line_to(cr, 54, 60);
        for (int f = 0; f < 4; ++f) {
            double x = 56 + f * 12;
            cairo_line_to(cr, x, 26 + (f == 0 || f == 3 ? 8 : 0));
            cairo_arc(cr, x + 5, 26 + (f == 0 || f == 3 ? 8 : 0), 5, M_PI, 0);
            cairo_line_to(cr, x + 10, 54);
        }
        cairo_line_to(cr, 112, 70);
        cairo_line_to(cr, 104, 104);
        cairo_close_path(cr);
        Paint(cr, {0.85, 0.70, 0.45});
        break;
    case Shape::Key:
        Ellipse(cr, 50, 60, 20, 20);
        Paint(cr, {0.85, 0.70, 0.25});
        Ellipse(cr, 50, 60, 7, 7);
        Paint(cr, {0.96, 0.96, 0.96});
        Poly(cr, {{68, 55}, {134, 55}, {134, 65}, {126, 65}, {126, 74}, {118, 74}, {118, 65}, {108, 65},
                  {108, 72}, {100, 72}, {100, 65}, {68, 65}});
        Paint(cr, {0.85, 0.70, 0.25});
        break;
    case Shape::Basket:
        cairo_move_to(cr, 44, 50);
        cairo_curve_to(cr, 44, 10, 116, 10, 116, 50);
        Set(cr, {0.45, 0.30, 0.15});
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        Poly(cr, {{30, 50}, {130, 50}, {116, 104}, {44, 104}});
        Paint(cr, {0.80, 0.58, 0.30});
        Ellipse(cr, 60, 46, 12, 12);
        Paint(cr, {0.85, 0.12, 0.12});
        Ellipse(cr, 84, 44, 11, 11);
        Paint(cr, {0.96, 0.60, 0.10});
        Ellipse(cr, 104, 47, 11, 10);
        Paint(cr, {0.40, 0.72, 0.22});
        break;
    }
}

RgbImage Render(const std::function<void(cairo_t*)>& draw) {
    RgbImage img;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
    cairo_t* cr = cairo_create(surface);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, img.height);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.98, 0.98, 0.98);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.86, 0.87, 0.89);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    Ellipse(cr, 80, 108, 56, 7);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
    cairo_fill(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    img.rgb.resize(static_cast<std::size_t>(img.width * img.height * 3));
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            std::uint32_t px = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
            unsigned char* out = &img.rgb[static_cast<std::size_t>((y * img.width + x) * 3)];
            out[0] = static_cast<unsigned char>(px >> 16);
            out[1] = static_cast<unsigned char>(px >> 8);
            out[2] = static_cast<unsigned char>(px);
        }
    cairo_surface_destroy(surface);
    return img;
}

std::string FirstWord(const std::string& description) { return description.substr(0, description.find(' ')); }

std::string Lower(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

} // namespace

RgbImage DrawArticle(const std::string& subgroup, const std::string& description) {
    auto it = Shapes().find(subgroup);
    const Shape shape = it != Shapes().end() ? it->second : Shape::Box;
    const Colour colour = ColourOf(Lower(description));
    return Render([&](cairo_t* cr) { DrawShape(cr, shape, colour, FirstWord(description)); });
}

RgbImage DrawShopLogo(bool hardwareStore) {
    return Render([&](cairo_t* cr) {
        if (!hardwareStore) {
            DrawShape(cr, Shape::Basket, {}, "");
            return;
        }
        cairo_save(cr);
        cairo_translate(cr, -14, 0);
        DrawShape(cr, Shape::Hammer, {}, "");
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 16, 4);
        DrawShape(cr, Shape::Wrench, {}, "");
        cairo_restore(cr);
    });
}

} // namespace demo
