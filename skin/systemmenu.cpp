#include "skin/systemmenu.h"

#include "core/stringlist.h"
#include "framework/ui/application.h"
#include "framework/ui/forms.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "skin/skinmanager.h"
#include "skin/skinprovider.h"
#include "skin/skinutils.h"

namespace tv {

using namespace win;

namespace {
constexpr const char* kSkinItem = "SkinSelectItem";
} // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider)
    : TPopupMenu(provider), provider_(provider), form_(provider ? provider->Form() : nullptr) {
    auto send = [this](WPARAM cmd) {
        if (form_ && form_->HandleAllocated()) SendMessage(form_->Handle(), WM_SYSCOMMAND, cmd, 0);
    };
    ItemRestore = AddItem("ItemRestore", LoadResString(SRestore), [this, send](TObject*) {
        send(SC_RESTORE);
        UpdateItems();
    });
    ItemMove = AddItem("ItemMove", LoadResString(SMove), [send](TObject*) { send(SC_MOVE); });
    ItemSize = AddItem("ItemSize", LoadResString(SSize), [send](TObject*) { send(SC_SIZE); });
    ItemMinimize = AddItem("ItemMinimize", LoadResString(SMinimize), [this, send](TObject*) {
        send(SC_MINIMIZE);
        if (Application && Application->MainForm() == form_) UpdateItems();
    });
    ItemMaximize = AddItem("ItemMaximize", LoadResString(SMaximize), [this, send](TObject*) {
        if (!form_) return;
        if (form_->FormStyle() == fsMDIChild) ProviderState.MaximizedChild = provider_;
        else form_->SetWindowState(wsMaximized);
        send(SC_MAXIMIZE);
        UpdateItems();
    });
    auto* line = new TMenuItem(this);
    line->SetCaption("-");
    Items()->Add(line);
    ItemClose = AddItem("ItemClose", LoadResString(SClose), [send](TObject*) { send(SC_CLOSE); });
    ItemClose->SetShortCut(ShortCut(VK_F4, TShiftState{ssAlt}));
}

TMenuItem* TsSystemMenu::AddItem(const char* name, const std::string& caption, TNotifyEvent click) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    Items()->Add(item);
    return item;
}

bool TsSystemMenu::VisibleClose() const { return form_ && form_->BorderIcons().Contains(biSystemMenu); }

namespace {

bool MaxMinVisible(const TsSystemMenu& m, TCustomForm* f, TBorderIcon icon) {
    if (!f) return false;
    if (f->WindowState() == wsMinimized) return true;
    switch (f->BorderStyle()) {
    case bsDialog: case bsNone: case bsSizeToolWin: case bsToolWindow: return false;
    case bsSingle:
        if (!f->BorderIcons().Contains(icon)) return false;
        break;
    default: break;
    }
    return m.VisibleClose();
}

} // namespace

bool TsSystemMenu::VisibleMax() const { return MaxMinVisible(*this, form_, biMaximize); }
bool TsSystemMenu::VisibleMin() const { return MaxMinVisible(*this, form_, biMinimize); }

bool TsSystemMenu::VisibleRestore() const {
    if (!form_) return false;
    TBorderStyle b = form_->BorderStyle();
    return b != bsNone && b != bsDialog && b != bsToolWindow && b != bsSizeToolWin && VisibleClose();
}

bool TsSystemMenu::VisibleSize() const {
    if (!form_) return false;
    TBorderStyle b = form_->BorderStyle();
    return b != bsNone && b != bsDialog && b != bsToolWindow;
}

bool TsSystemMenu::EnabledMax() const {
    if (!form_) return false;
    TBorderStyle b = form_->BorderStyle();
    return form_->BorderIcons().Contains(biMaximize) && form_->WindowState() != wsMaximized &&
           (b == bsSingle || b == bsSizeable || b == bsSizeToolWin);
}

bool TsSystemMenu::EnabledMin() const {
    return form_ && form_->BorderIcons().Contains(biMinimize) && form_->WindowState() != wsMinimized;
}

bool TsSystemMenu::EnabledMove() const { return form_ && form_->WindowState() != wsMaximized; }

bool TsSystemMenu::EnabledRestore() const {
    if (!form_) return false;
    TWindowState s = form_->WindowState();
    return (form_->BorderIcons().Contains(biMaximize) && s != wsNormal) || s == wsMinimized;
}

bool TsSystemMenu::EnabledSize() const {
    return form_ && form_->BorderStyle() != bsSingle && form_->WindowState() != wsMinimized;
}

void TsSystemMenu::UpdateItems() {
    try {
        ItemRestore->SetVisible(VisibleRestore());
        ItemMove->SetVisible(true);
        ItemSize->SetVisible(VisibleSize());
        ItemMinimize->SetVisible(VisibleMin());
        ItemMaximize->SetVisible(VisibleMax());
        ItemClose->SetVisible(VisibleClose());
        ItemRestore->SetEnabled(EnabledRestore());
        ItemMove->SetEnabled(EnabledMove());
        ItemSize->SetEnabled(EnabledSize());
        ItemMinimize->SetEnabled(EnabledMin());
        ItemMaximize->SetEnabled(EnabledMax());
        ItemClose->SetEnabled(true);
        // The line before Close goes with the commands above it.
        bool above = ItemRestore->Visible() || ItemMove->Visible() || ItemSize->Visible() || ItemMinimize->Visible() ||
                     ItemMaximize->Visible();
        Items()->Items(Items()->IndexOf(ItemClose) - 1)->SetVisible(above && ItemClose->Visible());
    } catch (...) {
    }
}

void TsSystemMenu::RemoveSkinItems() {
    if (Items()->Count() == 0 || Items()->Items(0)->Name() != kSkinItem) return;
    TMenuItem* list = Items()->Items(0);
    TMenuItem* line = Items()->Count() > 1 ? Items()->Items(1) : nullptr;
    while (list->Count() > 0) delete list->Items(list->Count() - 1);
    delete list;
    if (line && line->IsLine()) delete line;
}

void TsSystemMenu::MakeSkinItems() {
    TsSkinManager* sm = provider_ && provider_->SkinData() ? provider_->SkinData()->GetSkinManager() : nullptr;
    if (!sm) return;
    TStringList names;
    sm->ListSkinNames(names);
    if (names.Count() == 0) return;
    auto* list = new TMenuItem(this);
    list->SetName(kSkinItem);
    list->SetCaption(LoadResString(SAvailSkins));
    Items()->Insert(0, list);
    auto* line = new TMenuItem(this);
    line->SetCaption("-");
    Items()->Insert(1, line);
    for (int i = 0; i < names.Count(); ++i) {
        auto* item = new TMenuItem(this);
        item->SetName(kSkinItem + std::to_string(i));
        item->SetCaption(names.Strings(i));
        item->SetRadioItem(true);
        item->SetChecked(names.Strings(i) == sm->SkinName());
        if (i > 0 && i % 20 == 0) item->SetBreak(mbBreak);
        item->OnClick = [this](TObject* sender) { SkinItemClick(sender); };
        list->Add(item);
    }
}

void TsSystemMenu::SkinItemClick(TObject* sender) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    TsSkinManager* sm = provider_ && provider_->SkinData() ? provider_->SkinData()->GetSkinManager() : nullptr;
    if (item && sm) sm->SetSkinName(RemoveChar(item->Caption(), '&'));
}

} // namespace tv
