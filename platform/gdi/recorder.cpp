#include "platform/gdi/recorder.h"

#include <cstdio>

#include "platform/gdi/objectimpl.h"
#include "platform/picture/bitmapobject.h"

namespace tv::win {

CallScope::CallScope(DeviceContext* dc, const char* name, std::string args, std::function<void(HDC)> play)
    : dc_(dc) {
    if (dc_->recorder && dc_->callDepth == 0)
        captured_ = dc_->recorder->Capture(dc_, MetaRecord{name, std::move(args), std::move(play)});
    dc_->callDepth++;
}

CallScope::~CallScope() { dc_->callDepth--; }

std::string FormatArg(int v) { return std::to_string(v); }
std::string FormatArg(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", v);
    return buf;
}
std::string FormatArg(long v) { return std::to_string(v); }
std::string FormatArg(unsigned long v) { return FormatArg(unsigned(v)); }
std::string FormatArg(const std::string& s) { return "\"" + s + "\""; }
std::string FormatArg(const char* s) { return s ? FormatArg(std::string(s)) : "null"; }
std::string FormatArg(const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}
std::string FormatArg(const RECT* r) { return r ? FormatArg(*r) : "null"; }
std::string FormatArg(const POINT& p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

std::string FormatColor(COLORREF c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

std::string FormatPoints(const POINT* pts, int count) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) out += (i ? ", " : "") + FormatArg(pts[i]);
    return out + "]";
}

std::string DescribeObject(HGDIOBJ obj) {
    if (!obj) return "null";
    static const char* penStyles[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null", "insideframe"};
    switch (obj->kind) {
    case GdiKind::Pen:
    case GdiKind::ExtPen: {
        auto* p = static_cast<PenObject*>(obj);
        return std::string("pen ") + penStyles[p->style] + " " + std::to_string(p->width) + " " +
               FormatColor(p->color);
    }
    case GdiKind::Brush: {
        auto* b = static_cast<BrushObject*>(obj);
        if (b->style == BS_NULL) return "brush null";
        if (b->style == BS_PATTERN) return "brush pattern";
        return std::string(b->style == BS_HATCHED ? "brush hatch " : "brush solid ") + FormatColor(b->color);
    }
    case GdiKind::Font: {
        const LOGFONT& lf = static_cast<FontObject*>(obj)->lf;
        return "font \"" + lf.lfFaceName + "\" " + std::to_string(lf.lfHeight) + " " +
               std::to_string(lf.lfWeight) + (lf.lfItalic ? " italic" : "") + (lf.lfUnderline ? " underline" : "") +
               (lf.lfEscapement ? " esc " + std::to_string(lf.lfEscapement) : "");
    }
    case GdiKind::Bitmap: {
        auto* b = static_cast<BitmapObject*>(obj);
        return "bitmap " + std::to_string(b->width) + "x" + std::to_string(b->height) + "x" + std::to_string(b->bpp);
    }
    case GdiKind::Region: return "region";
    default: return "object";
    }
}

std::string DescribeObjects(const DeviceContext* dc) {
    const DCState& s = dc->st;
    return DescribeObject(s.pen) + "; " + DescribeObject(s.brush) + "; " + DescribeObject(s.font) + "; text " +
           FormatColor(s.textColor) + "; bk " + (s.bkMode == 1 ? "transparent " : "opaque ") +
           FormatColor(s.bkColor) + "; rop2 " + std::to_string(s.rop2);
}

} // namespace tv::win
