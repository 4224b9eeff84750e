// Writes the internal skins the program carries: four calm skins for a
// point-of-sale station, their master bitmaps drawn here and their sections
// and image rectangles stored as one definition.
//   skin_generator [folder]        (default: resources/skins of the source tree)
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/formwriter.h"
#include "framework/ui/picture.h"
#include "skin/internalskins.h"

using namespace tv;

namespace {

constexpr TColor Key = 0xFF00FF;

TColor Mix(TColor a, TColor b, int percentOfB) {
    auto ch = [&](int s) { return (((a >> s) & 0xFF) * (100 - percentOfB) + ((b >> s) & 0xFF) * percentOfB) / 100 << s; };
    return TColor(ch(0) | ch(8) | ch(16));
}

struct Palette {
    TColor face, text, contour, line, accent, light, field;
};

// Draws into the master bitmap, placing each picture on the next free
// place of a shelf.
class Master {
public:
    explicit Master(int width, int height) {
        bmp.SetPixelFormat(pf24bit);
        bmp.SetSize(width, height);
        Fill(0, 0, width, height, Key);
    }
    win::RECT Place(int w, int h) {
        if (x_ + w > bmp.Width()) x_ = 0, y_ += row_, row_ = 0;
        win::RECT r{x_, y_, x_ + w, y_ + h};
        if (r.bottom > bmp.Height()) std::fprintf(stderr, "master bitmap too small\n");
        x_ += w;
        row_ = std::max(row_, h);
        return r;
    }
    void Fill(int l, int t, int r, int b, TColor c) {
        bmp.Canvas()->Brush()->SetColor(c);
        bmp.Canvas()->FillRect(win::RECT{l, t, r, b});
    }
    void Dot(int x, int y, TColor c) { bmp.Canvas()->SetPixels(x, y, c); }
    int Used() const { return y_ + row_; }
    TBitmap bmp;

private:
    int x_ = 0, y_ = 0, row_ = 0;
};

// A rounded frame of one state: a line colour around a filled face, the
// outside corners left transparent.
void Frame(Master& m, int l, int t, int w, int h, TColor line, TColor face, TColor top) {
    m.Fill(l, t, l + w, t + h, line);
    m.Fill(l + 1, t + 1, l + w - 1, t + h - 1, face);
    m.Fill(l + 1, t + 1, l + w - 1, t + 2, top);
    for (auto [x, y] : {std::pair{l, t}, {l + w - 1, t}, {l, t + h - 1}, {l + w - 1, t + h - 1}}) m.Dot(x, y, Key);
}

// Three states side by side: normal, hot and pressed.
win::RECT Border(Master& m, const Palette& p, TColor face) {
    win::RECT r = m.Place(36, 12);
    Frame(m, r.left, r.top, 12, 12, p.line, face, p.light);
    Frame(m, r.left + 12, r.top, 12, 12, p.accent, Mix(face, p.light, 50), p.light);
    Frame(m, r.left + 24, r.top, 12, 12, p.accent, Mix(face, p.line, 25), Mix(face, p.line, 40));
    return r;
}

// A glyph drawn from rows of text: '#' ink, '+' light ink, '.' nothing.
void Glyph(Master& m, int l, int t, const std::vector<std::string>& rows, TColor ink) {
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] == '#') m.Dot(l + int(x), t + int(y), ink);
            if (rows[y][x] == '+') m.Dot(l + int(x), t + int(y), Mix(ink, 0xFFFFFF, 55));
        }
}

win::RECT Glyph3(Master& m, const std::vector<std::string>& rows, TColor a, TColor b, TColor c) {
    int w = int(rows[0].size()), h = int(rows.size());
    win::RECT r = m.Place(w * 3, h);
    Glyph(m, r.left, r.top, rows, a);
    Glyph(m, r.left + w, r.top, rows, b);
    Glyph(m, r.left + 2 * w, r.top, rows, c);
    return r;
}

// A box of three states with a picture inside.
win::RECT Box(Master& m, const Palette& p, int size, const std::vector<std::string>& mark, bool round) {
    win::RECT r = m.Place(size * 3, size);
    for (int s = 0; s < 3; ++s) {
        int l = r.left + s * size;
        Frame(m, l, r.top, size, size, s == 0 ? p.line : p.accent, s == 2 ? Mix(p.field, p.line, 20) : p.field, p.field);
        if (round) {
            for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {size - 2, 0}, {size - 1, 1}, {0, size - 2}, {1, size - 1},
                                {size - 1, size - 2}, {size - 2, size - 1}})
                m.Dot(l + x, r.top + y, Key);
        }
        int off = (size - int(mark.empty() ? 0 : mark.size())) / 2;
        if (!mark.empty()) Glyph(m, l + off, r.top + off, mark, p.text);
    }
    return r;
}

// A title button of three states: the glyph alone on the title bar, then on
// a light rounded face while the mouse is over it, then on a darker one.
win::RECT TitleButton(Master& m, const Palette& p, const std::vector<std::string>& rows, int w, int h) {
    win::RECT r = m.Place(w * 3, h);
    int gw = int(rows[0].size()), gh = int(rows.size());
    const TColor faces[3] = {Key, Mix(p.accent, p.light, 45), Mix(p.accent, p.text, 35)};
    for (int s = 0; s < 3; ++s) {
        int l = r.left + s * w;
        if (s > 0) Frame(m, l, r.top, w, h, p.light, faces[s], faces[s]);
        Glyph(m, l + (w - gw) / 2, r.top + (h - gh) / 2, rows, s == 1 ? p.text : p.light);
    }
    return r;
}

win::RECT Texture(Master& m, TColor a, TColor b) {
    win::RECT r = m.Place(16, 16);
    m.Fill(r.left, r.top, r.right, r.bottom, a);
    for (int y = 0; y < 16; y += 4) m.Fill(r.left, r.top + y, r.right, r.top + y + 1, b);
    return r;
}

const std::vector<std::string> kCheck = {"......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."};
const std::vector<std::string> kDot = {".##.", "####", "####", ".##."};
const std::vector<std::string> kGrey = {"#+#+#", "+#+#+", "#+#+#", "+#+#+", "#+#+#"};
const std::vector<std::string> kClose = {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##", "........"};
const std::vector<std::string> kMax = {"########", "########", "#......#", "#......#", "#......#", "#......#", "########", "........"};
const std::vector<std::string> kMin = {"........", "........", "........", "........", "........", "........", "######..", "######.."};
const std::vector<std::string> kHelp = {"..####..", ".##..##.", ".....##.", "....##..", "...##...", "........", "...##...", "........"};
const std::vector<std::string> kNorm = {"..######", "..#....#", "######.#", "######.#", "#....###", "#....#..", "######..", "........"};
const std::vector<std::string> kUp = {"...#...", "..###..", ".#####.", "#######"};
const std::vector<std::string> kDown = {"#######", ".#####.", "..###..", "...#..."};
const std::vector<std::string> kLeft = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const std::vector<std::string> kRight = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const std::vector<std::string> kGrip = {"....#", "...+#", "..#.#", ".+#+#", "#.#.#"};
const std::vector<std::string> kSlider = {"#####", "#+++#", "#+++#", "#+++#", "#+++#", ".#+#.", "..#.."};

struct SectionPlan {
    const char* name;
    const char* parent;
    int tone;       // 0 face, 1 field (white), 2 accent, 3 bar
    bool border;
    int gradient;   // percent of a soft top-to-bottom gradient
    int transparency;
};

// The 62 named sections of the selected skin, in their order.
const SectionPlan kSections[] = {
    {"GLOBALINFO", "", 0, false, 0, 0},       {"DIVIDER", "", 0, false, 0, 0},
    {"EDIT", "", 1, true, 0, 0},              {"TABCONTROLBOTTOM", "TABCONTROL", 0, true, 0, 0},
    {"TABCONTROLLEFT", "TABCONTROL", 0, true, 0, 0}, {"TABCONTROLRIGHT", "TABCONTROL", 0, true, 0, 0},
    {"TABBOTTOM", "TABTOP", 0, true, 40, 0},  {"TRACKBAR", "", 0, false, 0, 100},
    {"TABLEFT", "TABTOP", 0, true, 40, 0},    {"TABRIGHT", "TABTOP", 0, true, 40, 0},
    {"ALPHAEDIT", "EDIT", 1, true, 0, 0},     {"BARPANEL", "", 3, false, 0, 0},
    {"BUTTON", "", 0, true, 60, 0},           {"SCROLLBTNLEFT", "", 0, true, 50, 0},
    {"SCROLLBTNRIGHT", "", 0, true, 50, 0},   {"SCROLLBTNTOP", "", 0, true, 50, 0},
    {"SCROLLBTNBOTTOM", "", 0, true, 50, 0},  {"SCROLLBAR1V", "", 1, true, 0, 0},
    {"SCROLLSLIDERH", "", 0, true, 50, 0},    {"SCROLLSLIDERV", "", 0, true, 50, 0},
    {"SCROLLBAR2V", "SCROLLBAR1V", 1, true, 0, 0}, {"SCROLLBAR2H", "SCROLLBAR1H", 1, true, 0, 0},
    {"SCROLLBAR1H", "", 1, true, 0, 0},       {"PANEL", "", 0, true, 0, 0},
    {"PROGRESSV", "", 2, true, 30, 0},        {"GAUGE", "", 1, true, 0, 0},
    {"GROUPBOX", "", 0, true, 0, 100},        {"CHECKBOX", "", 0, false, 0, 100},
    {"DRAGBAR", "", 2, false, 40, 0},         {"MENUITEM", "", 2, false, 0, 0},
    {"RADIOBUTTON", "CHECKBOX", 0, false, 0, 100}, {"SPEEDBUTTON", "BUTTON", 0, true, 60, 0},
    {"SPEEDBUTTON_SMALL", "BUTTON", 0, true, 60, 0}, {"STATUSBAR", "", 3, true, 0, 0},
    {"TOOLBUTTON", "BUTTON", 0, true, 60, 100}, {"WEBBUTTON", "", 0, false, 0, 100},
    {"TABTOP", "", 0, true, 40, 0},           {"PAGECONTROL", "", 0, true, 0, 0},
    {"PAGECONTROLBOTTOM", "PAGECONTROL", 0, true, 0, 0}, {"PAGECONTROLLEFT", "PAGECONTROL", 0, true, 0, 0},
    {"PAGECONTROLRIGHT", "PAGECONTROL", 0, true, 0, 0}, {"BAR", "", 3, true, 0, 0},
    {"PROGRESSH", "PROGRESSV", 2, true, 30, 0}, {"TABCONTROL", "", 0, true, 0, 0},
    {"MENULINE", "", 0, false, 0, 0},         {"BUTTON_BIG", "BUTTON", 0, true, 60, 0},
    {"COLHEADER", "", 0, true, 50, 0},        {"FORMTITLE", "", 2, true, 70, 0},
    {"SPLITTER", "", 0, false, 0, 0},         {"MAINMENU", "", 1, true, 0, 0},
    {"ICOLINE", "", 0, false, 0, 0},          {"EXTRALINE", "", 2, false, 60, 0},
    {"DIALOG", "FORM", 0, true, 0, 0},        {"PANEL_LOW", "PANEL", 0, true, 0, 0},
    {"GRIPH", "", 0, false, 0, 100},          {"BARTITLE", "", 2, true, 60, 0},
    {"FORM", "", 0, true, 0, 0},              {"HINT", "", 1, true, 0, 0},
    {"BUTTON_HUGE", "BUTTON", 0, true, 60, 0}, {"TOOLBAR", "", 3, true, 0, 0},
    {"COMBOBOX", "EDIT", 1, true, 0, 0},      {"ALPHACOMBOBOX", "COMBOBOX", 1, true, 0, 0},
};

std::string Num(TColor c) { return std::to_string(c); }
std::string Gradient(TColor a, TColor b) { return Num(a) + ";" + Num(b) + ";100;0;0"; }

TsSkinImage* AddImage(TsStoredSkin* skin, const std::string& section, const std::string& key, win::RECT r, int count,
                      int mask, TacImgType type) {
    TsSkinImage* img = skin->Images()->Add();
    img->SetSectionName(section);
    img->SetPropertyName(key);
    img->SetLeft(r.left), img->SetTop(r.top), img->SetRight(r.right), img->SetBottom(r.bottom);
    img->SetImageCount(count);
    img->SetMaskType(mask);
    img->SetImgType(type);
    return img;
}

// A picture of its own: a small ornament laid in a corner of a frame.
void OwnPicture(TsSkinImage* img, const Palette& p, int w, int h) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    b.Canvas()->Brush()->SetColor(Key);
    b.Canvas()->FillRect(win::RECT{0, 0, w, h});
    for (int i = 0; i < w; i += 4) {
        b.Canvas()->Brush()->SetColor(Mix(p.accent, p.light, i * 100 / w));
        b.Canvas()->FillRect(win::RECT{i, 0, std::min(i + 3, w), h - i * h / w / 2});
    }
    img->SetImage(&b);
    img->SetName(img->SectionName() + "_" + img->PropertyName());
}

void BuildSkin(TsStoredSkin* skin, const char* name, double version, const Palette& p, bool selected) {
    const int sectionCount = int(std::size(kSections));
    skin->SetName(name);
    skin->SetVersion(version);
    skin->SetAuthor("Tallyvo");
    skin->SetDescription(std::string("Piel ") + name + " del puesto de venta");
    skin->SetShadow1Color(0x726359);
    skin->SetShadow1Offset(1);
    skin->SetShadow1Blur(5);
    skin->SetShadow1Transparency(50);

    Master m(180, 460);
    auto toneColour = [&](int tone) {
        switch (tone) {
        case 1: return p.field;
        case 2: return p.accent;
        case 3: return Mix(p.face, p.line, 20);
        default: return p.face;
        }
    };
    for (int i = 0; i < sectionCount; ++i) {
        const SectionPlan& s = kSections[i];
        TsSkinGeneral* g = skin->GeneralData()->Add();
        TColor colour = toneColour(s.tone);
        bool strong = s.tone == 2;
        g->SetSectionName(s.name);
        g->SetParentClass(s.parent);
        g->SetColor(colour);
        g->SetShadowBlur(6);
        g->SetShadowOffset(3);
        g->SetShadowTransparency(std::string(s.name) == "GLOBALINFO" ? 60 : 50);
        g->SetFadingIntervalIn(5), g->SetFadingIntervalOut(5), g->SetFadingIterations(5);
        TColor ink = strong ? p.light : p.text;
        if (std::string(s.name) == "GLOBALINFO") {
            g->SetColor(p.face);
            g->SetFontColor(Num(p.text) + " " + Num(p.contour) + " -1 -1 -1");
            g->SetHotFontColor(Num(p.text) + " -1 -1 -1 -1");
            g->SetHotColor(0xFFFFFF);
            g->SetGradientData(" ");
        } else {
            g->SetFontColor(Num(ink) + " -1 -1 -1 -1");
            g->SetHotFontColor(Num(strong ? 0xFFFFFF : p.text) + " -1 -1 -1 -1");
            g->SetHotColor(Mix(colour, p.light, 45));
            g->SetTransparency(s.transparency);
            g->SetHotTransparency(s.transparency);
            if (s.gradient > 0) {
                g->SetGradientPercent(s.gradient);
                g->SetGradientData(Gradient(Mix(colour, 0xFFFFFF, 40), colour));
                g->SetHotGradientPercent(s.gradient);
                g->SetHotGradientData(Gradient(Mix(colour, 0xFFFFFF, 60), Mix(colour, p.light, 30)));
            }
            g->SetBorderColor1(p.line);
            g->SetBorderColor2(p.light);
        }
        g->SetShowFocus(std::string(s.name) == "BUTTON" || std::string(s.name) == "EDIT");
        const std::string name = s.name;
        if (name == "MENUITEM") {
            // A menu item shows the menu behind it until the mouse is over it.
            g->SetTransparency(100);
            g->SetHotTransparency(0);
            g->SetFontColor(Num(p.text) + " -1 -1 -1 -1");
            g->SetHotFontColor(Num(0xFFFFFF) + " -1 -1 -1 -1");
        }
        if (name == "MENULINE") g->SetHotFontColor(Num(0xFFFFFF) + " -1 -1 -1 -1");
        if (!s.border) continue;
        TsSkinImage* img;
        if (std::string(s.name) == "BUTTON_HUGE") {
            img = AddImage(skin, s.name, "BORDERSMASK", {}, 3, 0, itisaBorder);
            TBitmap b;
            b.SetPixelFormat(pf24bit);
            b.SetSize(36, 12);
            b.Canvas()->CopyRect(win::RECT{0, 0, 36, 12}, m.bmp.Canvas(), Border(m, p, colour));
            img->SetImage(&b);
            img->SetName("BUTTON_HUGE_BORDERSMASK");
        } else {
            img = AddImage(skin, s.name, "BORDERSMASK", Border(m, p, colour), 3, 0, itisaBorder);
        }
        img->SetWL(4), img->SetWT(4), img->SetWR(4), img->SetWB(4);
    }
    auto has = [&](const char* section) {
        for (int i = 0; i < sectionCount; ++i)
            if (std::string(kSections[i].name) == section) return true;
        return false;
    };
    // Title buttons of sizeable and single forms, and the smaller ones of
    // dialogs; then the glyphs of check boxes and scroll buttons.
    const std::pair<const char*, const std::vector<std::string>*> titles[] = {
        {"CLOSE", &kClose}, {"MAX", &kMax}, {"MIN", &kMin}, {"HELP", &kHelp}, {"NORM", &kNorm}};
    for (auto [key, rows] : titles) {
        AddImage(skin, "GLOBALINFO", std::string("BICON") + key, TitleButton(m, p, *rows, 21, 17), 3, 0, itisaGlyph);
        AddImage(skin, "GLOBALINFO", std::string("SICON") + key, TitleButton(m, p, *rows, 17, 15), 3, 0, itisaGlyph);
    }
    AddImage(skin, "GLOBALINFO", "BOXCHECKED", Box(m, p, 13, kCheck, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "BOXUNCHECKED", Box(m, p, 13, {}, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "BOXGRAYED", Box(m, p, 13, kGrey, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "RADIOCHECKED", Box(m, p, 13, kDot, true), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "RADIOUNCHECKED", Box(m, p, 13, {}, true), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "SMALLCHECKED", Box(m, p, 10, kCheck, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "SMALLUNCHECKED", Box(m, p, 10, {}, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "SMALLGRAYED", Box(m, p, 10, kGrey, false), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "CHECK", Glyph3(m, kCheck, p.text, p.accent, p.line), 3, 0, itisaGlyph);
    AddImage(skin, "GLOBALINFO", "GRIPIMAGE", Glyph3(m, kGrip, p.line, p.line, p.line), 3, 0, itisaGlyph);
    const std::pair<const char*, const std::vector<std::string>*> arrows[] = {
        {"SCROLLBTNLEFT", &kLeft}, {"SCROLLBTNRIGHT", &kRight}, {"SCROLLBTNTOP", &kUp}, {"SCROLLBTNBOTTOM", &kDown},
        {"SCROLLSLIDERH", &kGrip}, {"SCROLLSLIDERV", &kGrip}, {"COMBOBOX", &kDown}, {"ALPHACOMBOBOX", &kDown}};
    for (auto [section, rows] : arrows)
        if (has(section)) AddImage(skin, section, "GLYPHMASK", Glyph3(m, *rows, p.text, p.accent, p.line), 3, 0, itisaGlyph);
    if (has("ALPHACOMBOBOX"))
        AddImage(skin, "ALPHACOMBOBOX", "SICONNORM", Glyph3(m, kNorm, p.text, p.accent, p.line), 3, 0, itisaGlyph);
    if (has("BARTITLE")) {
        TsSkinImage* a = AddImage(skin, "BARTITLE", "ABORDERSMASK", Border(m, p, p.accent), 3, 0, itisaBorder);
        a->SetWL(4), a->SetWT(4), a->SetWR(4), a->SetWB(4);
    }
    if (has("TRACKBAR")) {
        TsSkinImage* channel = AddImage(skin, "TRACKBAR", "SLIDERCHANNEL", Border(m, p, p.field), 3, 0, itisaBorder);
        channel->SetWL(4), channel->SetWT(4), channel->SetWR(4), channel->SetWB(4);
        AddImage(skin, "TRACKBAR", "SLIDERMASK", Glyph3(m, kSlider, p.line, p.accent, p.text), 3, 0, itisaGlyph);
        AddImage(skin, "TRACKBAR", "SLIDERVMASK", Glyph3(m, kRight, p.line, p.accent, p.text), 3, 0, itisaGlyph);
        AddImage(skin, "TRACKBAR", "TICKHORZ", Glyph3(m, {"#", "#", "#"}, p.line, p.line, p.line), 3, 0, itisaGlyph);
        AddImage(skin, "TRACKBAR", "TICKVERT", Glyph3(m, {"###"}, p.line, p.line, p.line), 3, 0, itisaGlyph);
    }
    for (const char* section : {"FORM", "DIALOG", "FORMTITLE"})
        if (has(section)) {
            TsSkinImage* t = AddImage(skin, section, "PATTERN", Texture(m, p.face, Mix(p.face, p.line, 8)), 1, 0, itisaTexture);
            t->SetStretchMode(0);
        }
    if (has("FORMTITLE"))
        AddImage(skin, "FORMTITLE", "HOTPATTERN", Texture(m, Mix(p.face, p.light, 50), p.face), 1, 0, itisaTexture);
    for (const char* section : {"BAR", "DIALOG", "FORM"})
        if (has(section)) OwnPicture(AddImage(skin, section, "IMGTOPRIGHT", {}, 1, 0, itisaGlyph), p, 24, 12);
    if (selected) skin->GeneralData()->Add(); // the closing empty section
    m.bmp.SetHeight(m.Used());
    std::printf("%s: master bitmap 180 x %d\n", name, m.Used());
    skin->SetMasterBitmap(&m.bmp);
}

} // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : std::string(TALLYVO_SOURCE_DIR_FOR_TOOLS) + "/resources/skins";
    TsStoredSkinsHolder holder;
    holder.SetName("SkinsInternas");
    // Face, text, left contour, line, accent, light, field.
    const Palette arena{0xD6E4EC, 0x2E3A44, 0xF4FAFF, 0x8A9AA8, 0x5A7FA6, 0xF3F8FB, 0xFFFFFF};
    const Palette pizarra{0xCFCBC6, 0x262A2E, 0xEFEFEF, 0x7B766F, 0x6E6259, 0xECEAE8, 0xFCFCFC};
    const Palette mostrador{0xDDEBE3, 0x27402F, 0xF2FFF6, 0x86A08E, 0x5F8A6B, 0xF1F8F3, 0xFFFFFF};
    const Palette sereno{0xEDE8D9, 0x4D352B, 0xFFE7BA, 0x9C8B7A, 0xB08A5A, 0xF7F1E6, 0xFFFFFF};
    BuildSkin(holder.InternalSkins()->Add(), "Arena", 4.83, arena, false);
    BuildSkin(holder.InternalSkins()->Add(), "Mostrador", 4.83, mostrador, false);
    BuildSkin(holder.InternalSkins()->Add(), "Pizarra", 4.83, pizarra, false);
    BuildSkin(holder.InternalSkins()->Add(), "Sereno", 5.0, sereno, true);
    std::string path = folder + "/" + InternalSkinsResource;
    std::ofstream(path) << WriteComponentText(&holder);
    std::printf("%s\n", path.c_str());
    return 0;
}
