// The cell editor's own painting over the edit's text: the tree area of a
// tree's first column, the cell's image beside it and the dotted red mark of
// a required field that is still empty.
#include "editors/paintutils.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/column.h"
#include "grid/dbgrideh.h"
#include "grid/gridinplaceedit.h"
#include "grid/unmirroredscope.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"

namespace tv {

using namespace tv::win;

int TDBGridInplaceEdit::ImageAreaWidth() const {
    TColumnEh* c = Column();
    if (!c || !c->ImageList() || !c->ShowImageAndText()) return 0;
    return c->ImageList()->Width() + 5;
}

int TDBGridInplaceEdit::TreeAreaWidth() const {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!g || !c || g->VisibleColumns().Count() == 0 || g->VisibleColumns().Items(0) != c) return 0;
    return std::min(g->GetTreeIndent(), Width());
}

bool TDBGridInplaceEdit::RequiredStateShown() {
    TCustomDBGridEh* g = Grid();
    TColumnEh* c = Column();
    if (!g || !c) return false;
    TField* f = c->Field();
    TDataSet* ds = g->DataSet();
    bool draw = c->HighlightRequired() && g->DataLink()->Active() && ds &&
                (ds->State() == dsEdit || ds->State() == dsInsert) && f && f->Required() && f->IsNull();
    if (c->OnCheckDrawRequiredState) c->OnCheckDrawRequiredState(this, Text(), draw);
    return draw;
}

void TDBGridInplaceEdit::PaintWindow(HDC dc) {
    TInplaceEdit::PaintWindow(dc);
    TColumnEh* c = Column();
    if (!c) return;
    int tree = TreeAreaWidth();
    if (tree > 0) {
        // Drawn as the grid draws it, mirrored in a right-to-left grid.
        bool mirrored = Grid()->UseRightToLeftAlignment();
        if (mirrored) MirrorDC(dc, ClientWidth(), ClientHeight(), true);
        TCanvas canvas;
        canvas.SetHandle(dc);
        Grid()->DrawTreeAreaOn(&canvas, c, {0, 0, tree, ClientHeight()});
        canvas.SetHandle(nullptr);
        if (mirrored) MirrorDC(dc, ClientWidth(), ClientHeight(), false);
    }
    if (c->ImageList() && cellImageIndex_ >= 0 && Visible()) {
        int w = c->ImageList()->Width();
        RECT r = c->UseRightToLeftAlignment() ? RECT{Width() - w - 2, 0, Width() - 2, Height()} : RECT{2, 0, w + 2, Height()};
        OffsetRect(&r, Grid()->UseRightToLeftAlignment() ? -tree : tree, 0);
        PaintImageListImage(dc, r, c->ImageList(), cellImageIndex_, false);
    }
    if (!RequiredStateShown()) return;
    RECT text = GetTextRect();
    int y = ClientHeight() - 1;
    HPEN pen = CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, text.left + 2, y, nullptr);
    LineTo(dc, text.right - 3, y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace tv
