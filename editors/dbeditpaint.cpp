// The painting of the base data-aware edit: the image, the text it draws
// itself while it is not being edited, and the mark of an empty required field.
#include <algorithm>

#include "editors/dbeditbase.h"
#include "editors/editimage.h"
#include "editors/fielddatalink.h"
#include "editors/paintutils.h"
#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/graphics.h"
#include "framework/ui/hintwindow.h"
#include "platform/controls/edit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objectguards.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

void TCustomDBEditEh::SetHighlightRequired(bool v) {
    if (highlightRequired_ == v) return;
    highlightRequired_ = v;
    Invalidate();
}

void TCustomDBEditEh::TextToPaint(std::string& text) {
    bool designing = ComponentState().Contains(csDesigning);
    if (designing && !DataLink()->IsLinkActive() && !IsDataIndependent()) {
        text = Name();
        return;
    }
    TField* f = Field();
    if (ControlState().Contains(csPaintCopy) && f) {
        text = f->DisplayText();
        if (CharCase() == ecUpperCase) text = AnsiUpperCase(text);
        if (CharCase() == ecLowerCase) text = AnsiLowerCase(text);
        return;
    }
    text = EditText();
}

void TCustomDBEditEh::DrawRequiredMark(HDC dc) {
    bool draw = false;
    TFieldDataLinkEh* link = DataLink();
    if (highlightRequired_ && link->IsLinkActive()) {
        if (IsDataIndependent()) {
            draw = link->UnboundValue().IsNull() || Text().empty();
        } else if (TField* f = Field()) {
            TDataSet* ds = f->DataSet();
            bool editing = ds && (ds->State() == dsEdit || ds->State() == dsInsert);
            draw = editing && f->Required() && f->IsNull();
        }
    }
    if (OnCheckDrawRequiredState) OnCheckDrawRequiredState(this, draw);
    if (!draw) return;
    RECT area = ClientRect();
    int y = area.bottom - 1;
    TextAreaRect(area);
    OwnedGdiObject<PenObject> pen(CreatePen(PS_DOT, 1, RGB(255, 0, 0)));
    SelectedObject selected(dc, pen.get());
    MoveToEx(dc, area.left + 2, y, nullptr);
    LineTo(dc, area.right - 3, y);
}

void TCustomDBEditEh::PaintWindow(HDC dc) {
    RECT client = ClientRect();
    if (image_->Visible() && image_->Images() && image_->ImageIndex() >= 0) {
        RECT area = ImageArea();
        RECT r{area.left + 2, area.top + 1, area.right - 2, area.bottom - 1};
        PaintImageListImage(dc, r, image_->Images(), image_->ImageIndex(), false);
    }
    TAlignment align = ShownAlignment();
    bool copy = ControlState().Contains(csPaintCopy);
    bool designView = ComponentState().Contains(csDesigning) && !IsDataIndependent() && !Field();
    // The window shows its text itself when it aligns it as wanted (left to
    // right: left; right to left: right), while it is edited, or when it wraps.
    if ((align == WindowAlignment() || focused_ || wordWrap_) && !copy && !designView) {
        MatchReadingStyles();
        TCustomMaskEdit::PaintWindow(dc);
        DrawRequiredMark(dc);
        return;
    }
    OwnedGdiObject<BrushObject> back(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &client, back.get());
    if (!Ctl3D() && BorderStyle() == bsSingle) {
        OwnedGdiObject<BrushObject> frame(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
        FrameRect(dc, &client, frame.get());
    }
    std::string text;
    TextToPaint(text);
    if (PasswordChar() != 0) {
        std::u32string masked(Utf8ToUtf32(text).size(), PasswordChar());
        text = Utf32ToUtf8(masked);
    }
    SelectedObject font(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font()->Color()) : GetSysColor(COLOR_GRAYTEXT));
    int margin = (BorderStyle() == bsSingle ? 1 : 0);
    if (HandleAllocated()) margin += LOWORD(SendMessage(Handle(), EM_GETMARGINS, 0, 0));
    RECT area = client;
    TextAreaRect(area);
    SIZE extent{};
    GetTextExtentPoint32(dc, text, &extent);
    int x = area.left + margin;
    if (align == taRightJustify) x = area.right - extent.cx - margin;
    if (align == taCenter) x = (area.left + area.right - extent.cx) / 2;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    if (UseRightToLeftReading()) SetTextAlign(dc, GetTextAlign(dc) | TA_RTLREADING);
    TextOut(dc, x, client.top + margin, text);
    RestoreDC(dc, saved);
    DrawRequiredMark(dc);
}

void TCustomDBEditEh::SetTooltips(bool v) {
    tooltips_ = v;
    RefreshShowHint();
}

void TCustomDBEditEh::SetShowHint(bool v) {
    ownShowHint_ = v;
    RefreshShowHint();
}

void TCustomDBEditEh::RefreshShowHint() { TControl::SetShowHint(tooltips_ || ownShowHint_); }

bool TCustomDBEditEh::TextFits() {
    RECT area = ClientRect();
    TextAreaRect(area);
    int width = std::max(1, int(area.right - area.left));
    OwnedDc dc(CreateCompatibleDC(nullptr));
    SelectedObject font(dc.get(), Font()->Handle());
    // Wrapped text keeps the measuring width (a word wider than it widens
    // it): it is wrapped within the width that counts as fitting.
    RECT r{0, 0, wordWrap_ ? std::max(1, width - 2) : width, 0};
    DrawText(dc.get(), Text(), &r,
             DT_CALCRECT | DT_NOPREFIX | DT_LEFT | (wordWrap_ ? DT_WORDBREAK : 0) | DrawTextBiDiModeFlagsReadingOnly());
    return r.right - r.left <= width - 2 && r.bottom - r.top <= area.bottom - area.top;
}

} // namespace tv
