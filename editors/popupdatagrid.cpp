#include "editors/popupdatagrid.h"

#include <algorithm>

#include "core/scopeguards.h"
#include "editors/dropdownplacement.h"
#include "editors/sizegrip.h"
#include "framework/ui/uimessages.h"
#include "platform/gdi/edges.h"
#include "platform/region.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

TPopupDataGridEh::TPopupDataGridEh(TComponent* owner) : TDBLookupGridEh(owner) {
    noFocusOnClick_ = true;
    grip_ = new TSizeGripEh(this);
    grip_->SetParent(this);
    grip_->SetTriangleShape(true);
    SetShowHint(true);
}

TPopupDataGridEh::~TPopupDataGridEh() {
    delete grip_;
    grip_ = nullptr;
}

void TPopupDataGridEh::CreateParams(TCreateParams& params) {
    TDBLookupGridEh::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_BORDER)) | WS_POPUP | WS_CLIPCHILDREN;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClass.style |= CS_SAVEBITS | CS_HREDRAW;
}

void TPopupDataGridEh::DrawFlatBorder() {
    if (!Ctl3D() || !HandleAllocated()) return;
    HDC dc = GetWindowDC(WindowHandle());
    RECT r{0, 0, Width(), Height()};
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    ReleaseDC(WindowHandle(), dc);
}

void TPopupDataGridEh::KeyValueChanged() {
    TDBLookupGridEh::KeyValueChanged();
    if (OnUserSelect && inUserAction_) OnUserSelect(this);
}

void TPopupDataGridEh::KeyDown(WORD& key, TShiftState shift) {
    TFlagGuard user(inUserAction_);
    TDBLookupGridEh::KeyDown(key, shift);
}

void TPopupDataGridEh::KeyUp(WORD& key, TShiftState shift) { TCustomDBGridEh::KeyUp(key, shift); }

void TPopupDataGridEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TFlagGuard user(inUserAction_);
    mouseDownInside_ = true;
    TDBLookupGridEh::MouseDown(button, shift, x, y);
    if (TreeMouseDown(x, y, true)) mouseDownInside_ = false;
}

void TPopupDataGridEh::MouseMove(TShiftState shift, int x, int y) {
    TFlagGuard user(inUserAction_);
    TDBLookupGridEh::MouseMove(shift, x, y);
    bool button = shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
    // The choice follows the mouse.
    if (!button && !ReadOnlyData()) SelectAt(x, y);
}

void TPopupDataGridEh::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool normal = GridState() == gsNormal;
    TDBLookupGridEh::MouseUp(button, shift, x, y);
    if (!normal || !mouseDownInside_) return;
    mouseDownInside_ = false;
    RECT client = ClientRect();
    if (!PtInRect(&client, POINT{x, y})) {
        if (OnCloseUpRequest) OnCloseUpRequest(this, false);
        return;
    }
    int col = 0, row = 0;
    MouseToCell(x, y, col, row);
    TGridRect box = GetDataRect();
    bool onSpecRow = SpecRow()->Visible() && row == TitleRowCount() - 1;
    bool onData = row >= TitleRowCount() && box.Contains(col, row);
    if ((onSpecRow || onData) && OnCloseUpRequest) OnCloseUpRequest(this, true);
}

void TPopupDataGridEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        msg.Result = 1;
        return;
    case WM_MOUSEACTIVATE:
        msg.Result = MA_NOACTIVATE;
        return;
    case WM_SIZE:
        TDBLookupGridEh::Dispatch(msg);
        if (grip_) grip_->UpdatePosition();
        resizedByUser_ = true;
        return;
    case WM_WINDOWPOSCHANGING:
        if (!ComponentState().Contains(csReading) && !ComponentState().Contains(csDestroying)) {
            auto* wp = reinterpret_cast<WINDOWPOS*>(msg.LParam);
            KeepDropDownMinimumSize(*wp);
            if (!(wp->flags & SWP_NOSIZE)) {
                // A size from the grip also shows whole rows, and the row count follows.
                int rows = RowCount();
                wp->cy = WholeRowsHeight(wp->cy, rows);
                SetRowCountField(rows);
            }
        }
        break;
    case WM_DROPDOWNPLACED_EH:
        if (grip_) grip_->MoveToCorner(int(msg.WParam));
        return;
    case WM_NCCALCSIZE:
        TDBLookupGridEh::Dispatch(msg);
        if (Ctl3D() && msg.WParam) {
            RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam)->rgrc[0];
            r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        }
        return;
    case WM_NCPAINT:
        TDBLookupGridEh::Dispatch(msg);
        DrawFlatBorder();
        return;
    case CM_CTL3DCHANGED:
        TDBLookupGridEh::Dispatch(msg);
        if (HandleAllocated()) RecreateWnd();
        return;
    default:
        break;
    }
    TDBLookupGridEh::Dispatch(msg);
}

} // namespace tv
