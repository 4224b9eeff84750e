#include "framework/ui/toolbar.h"

#include <algorithm>

#include "framework/ui/menus.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/text.h"
#include "platform/region.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TToolButtonStyleInfo{"TToolButtonStyle",
                                     {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};

namespace {
constexpr int kArrowWidth = 12;
}

// --- TToolButton ---------------------------------------------------------------------------

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    controlStyle_ = TControlStyle{csCaptureMouse, csSetCaption};
}

void TToolButton::Publish(TPublisher& p) {
    p.Boolean("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false);
    p.Boolean("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false);
    p.Component("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    p.Boolean("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false);
    p.Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
    p.Enum("Style", &TToolButton::Style, &TToolButton::SetStyle, TToolButtonStyleInfo).Default(tbsButton);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(parent_); }

void TToolButton::SetStyle(TToolButtonStyle v) {
    style_ = v;
    if (parent_) parent_->Realign();
    Invalidate();
}

void TToolButton::SetDown(bool v) {
    if (v == down_) return;
    down_ = v;
    // Grouped check buttons next to each other are down one at a time.
    if (v && grouped_ && style_ == tbsCheck && parent_) {
        int me = -1;
        std::vector<TToolButton*> row;
        for (int i = 0; i < parent_->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TToolButton*>(parent_->Controls(i))) row.push_back(b);
        std::sort(row.begin(), row.end(), [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
        for (size_t i = 0; i < row.size(); ++i)
            if (row[i] == this) me = int(i);
        auto clear = [&](int dir) {
            for (int i = me + dir; i >= 0 && i < int(row.size()); i += dir) {
                TToolButton* b = row[size_t(i)];
                if (!b->grouped_ || b->style_ != tbsCheck) break;
                if (b->down_) {
                    b->down_ = false;
                    b->Invalidate();
                }
            }
        };
        clear(-1);
        clear(1);
    }
    Invalidate();
}

void TToolButton::Click() {
    auto alive = Alive();
    if (style_ == tbsCheck) {
        if (down_ && grouped_ && !allowAllUp_) {
            // The last one down of a group stays down.
        } else {
            SetDown(!down_);
        }
    }
    if (!*alive) return;
    TGraphicControl::Click();
}

void TToolButton::CheckMenuDropdown() {
    if (!dropdownMenu_) return;
    POINT p = ClientToScreen({0, Height()});
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(p.x, p.y);
}

void TToolButton::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    if (b == mbLeft && Enabled() && style_ != tbsSeparator && style_ != tbsDivider) {
        pressing_ = true;
        Invalidate();
        // The arrow part of a drop-down button opens its menu at once.
        if (style_ == tbsDropDown && x >= Width() - kArrowWidth) {
            pressing_ = false;
            controlState_.Exclude(csClicked);
            TGraphicControl::MouseDown(b, s, x, y);
            CheckMenuDropdown();
            return;
        }
    }
    TGraphicControl::MouseDown(b, s, x, y);
}

void TToolButton::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    bool was = pressing_;
    pressing_ = false;
    Invalidate();
    TGraphicControl::MouseUp(b, s, x, y);
    RECT r = ClientRect();
    POINT p{x, y};
    if (was && b == mbLeft && PtInRect(&r, p) && Enabled()) Click();
}

void TToolButton::Notification(TComponent* c, TOperation op) {
    TGraphicControl::Notification(c, op);
    if (op == opRemove && c == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::Paint() {
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    if (style_ == tbsSeparator) return;
    if (style_ == tbsDivider) {
        RECT d{r.Width() / 2 - 1, r.top + 2, r.Width() / 2 + 1, r.bottom - 2};
        DrawEdge(c->Handle(), &d, EDGE_ETCHED, BF_LEFT);
        return;
    }
    TToolBar* bar = ToolBar();
    bool sunken = pressing_ || down_;
    if (sunken || !bar || !bar->Flat()) DrawEdge(c->Handle(), &r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    RECT face = r;
    if (style_ == tbsDropDown) {
        face.right -= kArrowWidth;
        RECT a{face.right, r.top, r.right, r.bottom};
        c->Font()->Assign(Font());
        c->Brush()->SetStyle(bsClear);
        c->DrawText("\u25BE", a, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    int top = face.top + 3;
    if (bar && bar->Images() && imageIndex_ >= 0) {
        TCustomImageList* il = bar->Images();
        int x = face.left + (face.Width() - il->Width()) / 2 + (sunken ? 1 : 0);
        il->Draw(c, x, top + (sunken ? 1 : 0), imageIndex_, Enabled());
        top += il->Height() + 1;
    }
    if (bar && bar->ShowCaptions() && !Caption().empty()) {
        c->Font()->Assign(Font());
        if (!Enabled()) c->Font()->SetColor(clGrayText);
        c->Brush()->SetStyle(bsClear);
        RECT t{face.left, top, face.right, face.bottom};
        c->DrawText(Caption(), t, DT_CENTER | DT_SINGLELINE);
    }
}

// --- TToolBar --------------------------------------------------------------------------------

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 150, 29);
    SetColor(clBtnFace);
    SetAlign(alTop);
    imageLink_.OnChange = [this](TObject*) { Realign(); Invalidate(); };
}

TToolBar::~TToolBar() {
    if (images_) images_->UnRegisterChanges(&imageLink_);
}

void TToolBar::Publish(TPublisher& p) {
    p.Enum("Align", &TToolBar::Align, &TToolBar::SetAlign, TAlignInfo).Default(alTop);
    p.Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
    p.Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
    p.Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(true);
    p.Component("Images", &TToolBar::Images, &TToolBar::SetImages);
    p.Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false);
}

void TToolBar::SetImages(TCustomImageList* v) {
    if (images_) images_->UnRegisterChanges(&imageLink_);
    images_ = v;
    if (v) {
        v->RegisterChanges(&imageLink_);
        v->FreeNotification(this);
    }
    Realign();
    Invalidate();
}

void TToolBar::Notification(TComponent* c, TOperation op) {
    TCustomControl::Notification(c, op);
    if (op == opRemove && c == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

int TToolBar::ButtonCount() const {
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TToolButton*>(Controls(i))) ++n;
    return n;
}

TToolButton* TToolBar::Buttons(int index) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && index-- == 0) return b;
    return nullptr;
}

void TToolBar::AlignControls(TControl* control, RECT& rect) {
    // Buttons stand in a row, in the order of their left edges.
    std::vector<TToolButton*> row;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && b->Visible()) row.push_back(b);
    std::stable_sort(row.begin(), row.end(), [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
    int h = buttonHeight_;
    if (images_) h = std::max(h, images_->Height() + 7 + (showCaptions_ ? 16 : 0));
    int x = rect.left;
    for (TToolButton* b : row) {
        int w = buttonWidth_;
        if (images_) w = std::max(w, images_->Width() + 7);
        if (b->Style() == tbsSeparator || b->Style() == tbsDivider) w = 8;
        else if (b->Style() == tbsDropDown) w += kArrowWidth;
        b->SetBounds(x, rect.top + 2, w, h);
        x += w;
    }
    TCustomControl::AlignControls(control, rect);
}

void TToolBar::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(ClientRect());
}

} // namespace tv
