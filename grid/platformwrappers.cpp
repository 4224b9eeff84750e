#include "grid/platformwrappers.h"

#include <algorithm>

#include "core/properties.h"
#include "core/resources.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/ui/picture.h"
#include "platform/controls/edit.h"
#include "platform/gdi/mapping.h"
#include "platform/picture/bitmap.h"
#include "platform/region.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv {

std::int64_t TMemoryStreamEh::Realloc(std::int64_t newCapacity) {
    const std::int64_t step = 2 * static_cast<std::int64_t>(std::max(1, HalfMemoryDelta));
    if (newCapacity > 0 && newCapacity != Size()) newCapacity = (newCapacity + step - 1) / step * step;
    return newCapacity;
}

void NotifyPersistentChanged(TObject*) {}

std::string PCharToStringEh(const char* p) { return p ? std::string(p) : std::string(); }

int CompareDataSetBookmarks(TDataSet* dataSet, const TBookmark& b1, const TBookmark& b2) {
    return dataSet->CompareBookmarks(b1, b2);
}

TDataSet* GetDataSourceProperty(TDataSet* dataSet, const TPropInfo* prop) {
    if (!dataSet || !prop) return nullptr;
    try {
        auto* ds = dynamic_cast<TDataSource*>(prop->GetObject(dataSet));
        return ds ? ds->DataSet() : nullptr;
    } catch (const Exception&) {
        return nullptr;
    }
}

namespace {
std::string Cut(const std::string& text, int len) {
    if (len < 0 || static_cast<std::size_t>(len) >= text.size()) return text;
    return text.substr(0, static_cast<std::size_t>(len));
}
} // namespace

int PlatformDrawText(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format) {
    return win::DrawText(dc, Cut(text, len), rect, format);
}

int PlatformDrawTextInRect(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format,
                           const win::DRAWTEXTPARAMS& params) {
    win::DRAWTEXTPARAMS copy = params;
    return win::DrawTextEx(dc, Cut(text, len), rect, format, &copy);
}

int PlatformDrawTextEx(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format) {
    return win::DrawTextEx(dc, Cut(text, len), rect, format, nullptr);
}

bool PlatformExtTextOut(win::HDC dc, int x, int y, win::UINT options, const win::RECT* clip, const std::string& text,
                        int count) {
    return win::ExtTextOut(dc, x, y, options, clip, Cut(text, count)) != 0;
}

win::UINT PlatformOutlineTextMetrics(win::HDC dc, win::UINT size, win::OUTLINETEXTMETRIC* otm) {
    return win::GetOutlineTextMetrics(dc, size, otm);
}

win::LRESULT PlatformSendMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam, void* lParam) {
    return win::SendMessage(wnd, msg, wParam, reinterpret_cast<win::LPARAM>(lParam));
}

win::LRESULT PlatformSendStringMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam, const std::string& text) {
    return win::SendMessage(wnd, msg, wParam, reinterpret_cast<win::LPARAM>(text.c_str()));
}

std::string PlatformReceiveStringMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam) {
    std::vector<char> buffer(4096, 0);
    const std::uint16_t size = 4096;
    std::copy_n(reinterpret_cast<const char*>(&size), sizeof size, buffer.data());
    win::LRESULT n = win::SendMessage(wnd, msg, wParam, reinterpret_cast<win::LPARAM>(buffer.data()));
    n = std::clamp<win::LRESULT>(n, 0, static_cast<win::LRESULT>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

bool PlatformSystemParameters(win::UINT action, win::UINT param, void* buffer, win::UINT flags) {
    return win::SystemParametersInfo(action, param, buffer, flags) != 0;
}

bool PlatformInvalidateRect(win::HWND wnd, const win::RECT* rect, bool erase) {
    return win::InvalidateRect(wnd, rect, erase) != 0;
}

bool PlatformValidateRect(win::HWND wnd, const win::RECT* rect) { return win::ValidateRect(wnd, rect) != 0; }

int PlatformScrollWindowEx(win::HWND wnd, int dx, int dy, const win::RECT* scroll, const win::RECT* clip,
                           win::HRGN update, win::UINT flags) {
    return win::ScrollWindowEx(wnd, dx, dy, scroll, clip, update, nullptr, flags);
}

void CopyRectValues(win::RECT& dest, const win::RECT& src) { dest = src; }

void CopyRectValues2(win::RECT& dest, int left, int top, int right, int bottom) { dest = {left, top, right, bottom}; }

bool PlatformLPtoDP(win::HDC dc, win::RECT& rect) {
    win::POINT pts[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    bool ok = win::LPtoDP(dc, pts, 2) != 0;
    rect = {pts[0].x, pts[0].y, pts[1].x, pts[1].y};
    return ok;
}

win::HRGN PlatformPolygonRegion(const std::vector<win::POINT>& points, int count, int fillMode) {
    count = std::clamp(count, 0, static_cast<int>(points.size()));
    std::vector<win::POINT> copy(points.begin(), points.begin() + count);
    return win::CreatePolygonRgn(copy.data(), count, fillMode);
}

void PlatformGetEditSel(win::HWND wnd, int& start, int& end) {
    win::DWORD s = 0, e = 0;
    win::SendMessage(wnd, win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&s), reinterpret_cast<win::LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

std::string LocaleUpperCase(const std::string& s) { return AnsiUpperCase(s); }
std::string LocaleLowerCase(const std::string& s) { return AnsiLowerCase(s); }
int LocaleCompareStr(const std::string& a, const std::string& b) { return AnsiCompareStr(a, b); }
int LocaleCompareText(const std::string& a, const std::string& b) { return AnsiCompareText(a, b); }

bool LoadBitmapFromResource(TBitmap* bitmap, const std::string& name) {
    auto res = FindResource(name + ".bmp");
    if (!res) res = FindResource(name);
    if (!res) return false;
    bitmap->LoadFromBytes(std::string(*res));
    return true;
}

win::HBITMAP PlatformLoadBitmap(const std::string& name) {
    TBitmap b;
    if (!LoadBitmapFromResource(&b, name) || !b.Handle()) return nullptr;
    return win::CopyBitmap(b.Handle());
}

void RedimVariantArray(Variant& v, int highBound) { VarArrayRedim(v, highBound); }

} // namespace tv
