#include "editors/treelineglyph.h"

#include <vector>

#include "framework/ui/graphics.h"
#include "platform/gdi/gdi.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

namespace {

class DottedLines {
public:
    void Add(int x, int y, int length, bool dotPhase, bool horizontal) {
        if (dotPhase != ((x % 2 != 0) != (y % 2 != 0))) {
            (horizontal ? x : y) += 1;
            length -= 1;
        }
        if (length <= 0) return;
        const int step = 2;
        int dots = length / step + (length % 2 != 0 ? 1 : 0);
        for (int i = 0; i < dots; ++i) {
            int dx = horizontal ? x + i * step : x, dy = horizontal ? y : y + i * step;
            points_.push_back(POINT{dx, dy});
            points_.push_back(horizontal ? POINT{dx + 1, dy} : POINT{dx, dy + 1});
            counts_.push_back(2);
        }
    }
    void Draw(TCanvas* canvas) {
        if (counts_.empty()) return;
        HDC dc = canvas->Handle();
        HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        HGDIOBJ old = SelectObject(dc, pen);
        PolyPolyline(dc, points_.data(), counts_.data(), DWORD(counts_.size()));
        SelectObject(dc, old);
        DeleteObject(pen);
    }

private:
    std::vector<POINT> points_;
    std::vector<DWORD> counts_;
};

} // namespace

void DrawTreeLineGlyph(TCanvas* canvas, const RECT& rect, int element, double verticalScale,
                       double horizontalScale, bool dotPhase) {
    int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    int a = int(verticalScale), b = int(horizontalScale);
    int a2 = int(2 * verticalScale), b2 = int(2 * horizontalScale);
    int a4 = int(4 * verticalScale), b4 = int(4 * horizontalScale);
    DottedLines lines;
    if (element >= 6 && element <= 9) {
        if (element == 6 || element == 9) lines.Add(cx, rect.top, rect.Height(), dotPhase, false);
        if (element >= 6 && element <= 8) lines.Add(cx, cy, rect.right - cx, dotPhase, true);
        if (element == 7) lines.Add(cx, rect.top, cy - rect.top, dotPhase, false);
        if (element == 8) lines.Add(cx, cy, rect.bottom - cy, dotPhase, false);
        lines.Draw(canvas);
        return;
    }
    if (element < 0 || element > 5) return;
    // The box's last column and row are cx + b4 and cy + a4.
    int left = cx - b4, right = cx + b4, top = cy - a4, bottom = cy + a4;
    canvas->Brush()->SetColor(clWindow);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(left, top, right + 1, bottom + 1);
    canvas->Pen()->SetColor(clWindowText);
    canvas->MoveTo(left + b2, cy);
    canvas->LineTo(right - b2 + 1, cy);
    if (element >= 3) {
        canvas->MoveTo(cx, top + a2);
        canvas->LineTo(cx, bottom - a2 + 1);
    }
    int from = right + b;
    lines.Add(from, cy, rect.right - from, dotPhase, true);
    if (element == 0 || element == 1 || element == 3 || element == 4)
        lines.Add(cx, rect.top, top - rect.top, dotPhase, false);
    if (element == 0 || element == 2 || element == 3 || element == 5) {
        int down = bottom + a;
        lines.Add(cx, down, rect.bottom - down, dotPhase, false);
    }
    lines.Draw(canvas);
}

} // namespace tv
