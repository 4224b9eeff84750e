#pragma once
// Thin wrappers under the grid, the data-aware editors and grid printing: each
// passes strings and rectangles in the framework's own types to one call of
// the window system or the framework.
#include <cstdint>
#include <string>
#include <vector>

#include "core/streams.h"
#include "core/variant.h"
#include "framework/data/dbtypes.h"
#include "platform/gdi/text.h"
#include "platform/wintypes.h"

namespace tv {

class TDataSet;
class TBitmap;
class TPropInfo;

// A memory stream that grows in steps of 2 x HalfMemoryDelta bytes.
class TMemoryStreamEh : public TMemoryStream {
    TV_CLASS(TMemoryStreamEh, TMemoryStream)
public:
    TMemoryStreamEh() = default;
    static void Publish(TPublisher&) {}
    int HalfMemoryDelta = 4096;

protected:
    std::int64_t Realloc(std::int64_t newCapacity) override;
};

// Hook the editors call when a sub-object changed; nothing listens.
void NotifyPersistentChanged(TObject* obj);
std::string PCharToStringEh(const char* p);
int CompareDataSetBookmarks(TDataSet* dataSet, const TBookmark& b1, const TBookmark& b2);
// The dataset behind a TDataSource-valued published property ("MasterSource");
// nil when the value is no data source or cannot be read.
TDataSet* GetDataSourceProperty(TDataSet* dataSet, const TPropInfo* prop);

int PlatformDrawText(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format);
// The caller's parameters are copied: what the call reports stays in the copy.
int PlatformDrawTextInRect(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format,
                           const win::DRAWTEXTPARAMS& params);
int PlatformDrawTextEx(win::HDC dc, const std::string& text, int len, win::RECT* rect, win::UINT format);
bool PlatformExtTextOut(win::HDC dc, int x, int y, win::UINT options, const win::RECT* clip, const std::string& text,
                        int count);
win::UINT PlatformOutlineTextMetrics(win::HDC dc, win::UINT size, win::OUTLINETEXTMETRIC* otm);
win::LRESULT PlatformSendMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam, void* lParam);
win::LRESULT PlatformSendStringMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam, const std::string& text);
std::string PlatformReceiveStringMessage(win::HWND wnd, win::UINT msg, win::WPARAM wParam);
bool PlatformSystemParameters(win::UINT action, win::UINT param, void* buffer, win::UINT flags);
bool PlatformInvalidateRect(win::HWND wnd, const win::RECT* rect, bool erase);
bool PlatformValidateRect(win::HWND wnd, const win::RECT* rect);
int PlatformScrollWindowEx(win::HWND wnd, int dx, int dy, const win::RECT* scroll, const win::RECT* clip,
                           win::HRGN update, win::UINT flags);
void CopyRectValues(win::RECT& dest, const win::RECT& src);
void CopyRectValues2(win::RECT& dest, int left, int top, int right, int bottom);
inline int IdentityInt(int i) { return i; }
bool PlatformLPtoDP(win::HDC dc, win::RECT& rect);
win::HRGN PlatformPolygonRegion(const std::vector<win::POINT>& points, int count, int fillMode);
// EM_GETSEL: the selection's start and end.
void PlatformGetEditSel(win::HWND wnd, int& start, int& end);
std::string LocaleUpperCase(const std::string& s);
std::string LocaleLowerCase(const std::string& s);
int LocaleCompareStr(const std::string& a, const std::string& b);
int LocaleCompareText(const std::string& a, const std::string& b);
// Loads the named bitmap resource ("DBGARROWEH") into the bitmap; False when
// the program carries none of that name.
bool LoadBitmapFromResource(TBitmap* bitmap, const std::string& name);
// The platform's bitmap of that name, or null; the caller owns it.
win::HBITMAP PlatformLoadBitmap(const std::string& name);
// Gives the variant array the new high bound, keeping the elements that fit.
void RedimVariantArray(Variant& v, int highBound);
inline void ClearRect(win::RECT& r) { r = {0, 0, 0, 0}; }

} // namespace tv
