#include "platform/gdi/fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <map>
#include <mutex>
#include <vector>

#include "core/strutils.h"
#include "platform/boundedcache.h"
#include "platform/gdi/objectimpl.h"
#include "platform/gdi/text.h"

namespace tv::win {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The family fontconfig gives for a name.
std::string MatchFamily(const std::string& name) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(""));
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    std::string family;
    FcChar8* value = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch)
        family = reinterpret_cast<const char*>(value);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pat);
    return family;
}

} // namespace

std::string ResolveFontFamily(const std::string& face) {
    // Faces come from definitions and the program: few, but not bounded by anything.
    static BoundedCache<std::string> cache(64 << 10);
    std::string key = Lower(face);
    if (const std::string* known = cache.Find(key)) return *known;
    // Metric-compatible families first; the Windows names the forms use.
    static const std::map<std::string, std::vector<std::string>> substitutes = {
        {"arial", {"Liberation Sans", "Arimo"}},
        {"arial narrow", {"Liberation Sans Narrow"}},
        {"ms sans serif", {"Liberation Sans", "DejaVu Sans"}},
        {"microsoft sans serif", {"Liberation Sans", "DejaVu Sans"}},
        {"default", {"Liberation Sans", "DejaVu Sans"}},
        {"", {"Liberation Sans", "DejaVu Sans"}},
        {"tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"verdana", {"DejaVu Sans"}},
        {"courier new", {"Liberation Mono", "DejaVu Sans Mono"}},
        {"courier", {"Liberation Mono", "DejaVu Sans Mono"}},
        {"times new roman", {"Liberation Serif", "DejaVu Serif"}},
    };
    std::vector<std::string> candidates;
    if (auto it = substitutes.find(key); it != substitutes.end()) candidates = it->second;
    candidates.push_back(face);
    std::string chosen;
    for (const std::string& c : candidates) {
        if (c.empty()) continue;
        std::string got = MatchFamily(c);
        if (Lower(got) == Lower(c)) {
            chosen = got;
            break;
        }
    }
    if (chosen.empty()) chosen = MatchFamily("sans-serif"); // an unknown face: the default family
    if (chosen.empty()) chosen = "Sans";
    cache.Put(std::move(key), chosen, chosen.size());
    return chosen;
}

PangoContext* TextContext() {
    static PangoContext* ctx = [] {
        PangoFontMap* map = pango_cairo_font_map_new();
        PangoContext* c = pango_font_map_create_context(map);
        g_object_unref(map);
        cairo_font_options_t* opts = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(c, opts);
        cairo_font_options_destroy(opts);
        pango_cairo_context_set_resolution(c, 96);
        // Whole-pixel glyph positions would make widths scale unevenly between resolutions.
        pango_context_set_round_glyph_positions(c, FALSE);
        std::atexit([] { g_object_unref(TextContext()); });
        return c;
    }();
    return ctx;
}

namespace {

std::shared_ptr<PangoFontDescription> Describe(const std::string& family, const LOGFONT& lf, double em) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, family.c_str());
    int weight = lf.lfWeight <= 0 ? 400 : std::clamp(int(lf.lfWeight), 100, 1000);
    pango_font_description_set_weight(d, PangoWeight(weight));
    pango_font_description_set_style(d, lf.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d, std::max(em, 0.5) * PANGO_SCALE);
    return std::shared_ptr<PangoFontDescription>(d, pango_font_description_free);
}

struct RawMetrics {
    double ascent, descent, lineHeight, approxChar;
};

RawMetrics Measure(const PangoFontDescription* d) {
    PangoFontMetrics* m = pango_context_get_metrics(TextContext(), d, nullptr);
    RawMetrics r{pango_font_metrics_get_ascent(m) / double(PANGO_SCALE),
                 pango_font_metrics_get_descent(m) / double(PANGO_SCALE),
                 pango_font_metrics_get_height(m) / double(PANGO_SCALE),
                 pango_font_metrics_get_approximate_char_width(m) / double(PANGO_SCALE)};
    pango_font_metrics_unref(m);
    return r;
}

// Cell height (ascent + descent) per pixel of em, per family and style.
double CellRatio(const std::string& family, const LOGFONT& lf) {
    static BoundedCache<double> cache(16 << 10);
    std::string key = family + "/" + std::to_string(lf.lfWeight) + "/" + std::to_string(lf.lfItalic);
    if (const double* known = cache.Find(key)) return *known;
    auto d = Describe(family, lf, 1000);
    RawMetrics m = Measure(d.get());
    double ratio = (m.ascent + m.descent) / 1000.0;
    if (ratio <= 0) ratio = 1.15;
    cache.Put(std::move(key), ratio, 0);
    return ratio;
}

} // namespace

DeviceFont CurrentDeviceFont(DeviceContext* dc) {
    LOGFONT lf;
    if (FontObject* font = dc->st.font) lf = font->lf;
    double sy = std::abs(ScaleY(dc));
    // The font of the last call answers again without building a key: a grid
    // asks for one font for each of its hundreds of cells.
    static BoundedCache<DeviceFont> cache(256 << 10);
    static DeviceFont last;
    static bool haveLast = false;
    static LOGFONT lastLf;
    static double lastSy = 0;
    if (haveLast && sy == lastSy && lf.lfHeight == lastLf.lfHeight && lf.lfWeight == lastLf.lfWeight &&
        lf.lfItalic == lastLf.lfItalic && lf.lfUnderline == lastLf.lfUnderline &&
        lf.lfStrikeOut == lastLf.lfStrikeOut && lf.lfEscapement == lastLf.lfEscapement &&
        lf.lfFaceName == lastLf.lfFaceName)
        return last;
    // Fonts are measured once per look and size: the grid draws hundreds of cells with one font.
    std::string key = lf.lfFaceName + "|" + std::to_string(lf.lfHeight) + "|" + std::to_string(sy) + "|" +
                      std::to_string(lf.lfWeight) + "|" + std::to_string(lf.lfItalic) +
                      std::to_string(lf.lfUnderline) + std::to_string(lf.lfStrikeOut) + "|" +
                      std::to_string(lf.lfEscapement);
    auto remember = [&](const DeviceFont& f) {
        last = f, haveLast = true, lastLf = lf, lastSy = sy;
        return f;
    };
    if (const DeviceFont* known = cache.Find(key)) return remember(*known);

    DeviceFont f;
    f.lf = lf;
    f.family = ResolveFontFamily(f.lf.lfFaceName);
    if (f.lf.lfHeight < 0) {
        f.em = -f.lf.lfHeight * sy;
    } else if (f.lf.lfHeight > 0) {
        f.em = f.lf.lfHeight * sy / CellRatio(f.family, f.lf);
    } else {
        f.em = 12.0 * sy;
    }
    f.desc = Describe(f.family, f.lf, f.em);
    RawMetrics m = Measure(f.desc.get());
    f.ascent = int(std::lround(m.ascent));
    f.descent = int(std::lround(m.descent));
    f.height = f.ascent + f.descent;
    f.internalLeading = std::max(0, int(std::lround(f.height - f.em)));
    f.externalLeading = std::max(0, int(std::lround(m.lineHeight - (m.ascent + m.descent))));
    f.aveCharWidth = std::max(1, int(std::lround(TextWidth(f, "x"))));
    f.maxCharWidth = std::max(f.aveCharWidth, int(std::ceil(TextWidth(f, "W"))));
    f.escapement = f.lf.lfEscapement / 10.0;
    // The description's own memory and the names.
    size_t bytes = 256 + f.family.size() + f.lf.lfFaceName.size();
    cache.Put(std::move(key), f, bytes);
    return remember(f);
}

std::vector<std::string> InstalledFontFamilies() {
    PangoFontFamily** families = nullptr;
    int n = 0;
    pango_context_list_families(TextContext(), &families, &n);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(pango_font_family_get_name(families[i]));
    g_free(families);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

namespace {

// Texts already laid out, by font, direction, underline and text: the grid and
// the labels draw the same texts at every repaint, and laying a text out costs
// more than drawing it. Each entry keeps its font description alive, so that
// its address in the key cannot stand for another font. A layout in the cache
// is never changed once made. An edit typed into lays out a longer text at
// every key: the cache is bounded by what its layouts hold, which grows with
// their text (glyphs, clusters, attributes and lines: some 48 bytes a byte).
struct CachedLayout {
    std::shared_ptr<PangoLayout> layout;
    std::shared_ptr<PangoFontDescription> desc;
};

constexpr size_t kLayoutBytesPerTextByte = 48, kLayoutBytes = 1024;

BoundedCache<CachedLayout>& LayoutCache() {
    static BoundedCache<CachedLayout> cache(4 << 20);
    return cache;
}

std::string LayoutKey(const DeviceFont& font, std::string_view text, bool rtl, int underlineFrom, int underlineTo) {
    const void* desc = font.desc.get();
    const int head[] = {rtl, font.lf.lfUnderline != 0, font.lf.lfStrikeOut != 0, underlineFrom, underlineTo};
    std::string key(reinterpret_cast<const char*>(&desc), sizeof desc);
    key.append(reinterpret_cast<const char*>(head), sizeof head);
    key.append(text);
    return key;
}

} // namespace

std::shared_ptr<PangoLayout> MakeLayout(const DeviceFont& font, std::string_view text, bool rtl, int underlineFrom,
                                        int underlineTo) {
    if (underlineFrom < 0 || underlineTo <= underlineFrom) underlineFrom = underlineTo = -1;
    auto& cache = LayoutCache();
    std::string key = LayoutKey(font, text, rtl, underlineFrom, underlineTo);
    if (const CachedLayout* known = cache.Find(key)) return known->layout;
    PangoLayout* layout = pango_layout_new(TextContext());
    pango_layout_set_font_description(layout, font.desc.get());
    std::string s;
    if (rtl) s = "\u200F"; // a right-to-left mark sets the paragraph direction
    int shift = int(s.size());
    // Pango draws nothing for broken UTF-8: such text is read as Latin-1.
    if (IsValidUtf8(text)) s.append(text);
    else s += EnsureUtf8(text);
    pango_layout_set_text(layout, s.data(), int(s.size()));
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.lf.lfUnderline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.lf.lfStrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (underlineFrom >= 0 && underlineTo > underlineFrom) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = guint(underlineFrom + shift);
        a->end_index = guint(underlineTo + shift);
        pango_attr_list_insert(attrs, a);
    }
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    std::shared_ptr<PangoLayout> made(layout, g_object_unref);
    cache.Put(std::move(key), CachedLayout{made, font.desc}, kLayoutBytes + text.size() * kLayoutBytesPerTextByte);
    return made;
}

double LayoutWidth(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return logical.width / double(PANGO_SCALE);
}

double TextWidth(const DeviceFont& font, std::string_view text) {
    if (text.empty()) return 0;
    return LayoutWidth(MakeLayout(font, text).get());
}

void DrawTextAt(DeviceContext* dc, const DeviceFont& font, double x, double y, std::string_view text, bool rtl,
                int underlineFrom, int underlineTo) {
    if (text.empty()) return;
    DrawLayoutAt(dc, font, x, y, MakeLayout(font, text, rtl, underlineFrom, underlineTo).get());
}

void DrawLayoutAt(DeviceContext* dc, const DeviceFont& font, double x, double y, PangoLayout* layout) {
    cairo_t* cr = BeginDraw(dc);
    if (!cr) return;
    double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    SetSourceColor(cr, dc->st.textColor);
    cairo_translate(cr, x, y);
    if (font.escapement != 0) cairo_rotate(cr, -font.escapement * M_PI / 180.0);
    cairo_move_to(cr, 0, font.ascent - baseline);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
}

} // namespace tv::win

