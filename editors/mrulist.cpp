#include "editors/mrulist.h"

#include "core/properties.h"
#include "core/scopeguards.h"
#include "core/strutils.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"

namespace tv {

using namespace win;

TMRUListEh::TMRUListEh(TPersistent* owner) : owner_(owner), items_(std::make_unique<TStringList>()) {}

TMRUListEh::~TMRUListEh() = default;

void TMRUListEh::Publish(TPublisher& p) {
    p.Boolean("AutoAdd", &TMRUListEh::AutoAdd, &TMRUListEh::SetAutoAdd).Default(true);
    p.Boolean("Active", &TMRUListEh::Active, &TMRUListEh::SetActive).Default(false);
    p.Boolean("CaseSensitive", &TMRUListEh::CaseSensitive, &TMRUListEh::SetCaseSensitive).Default(false);
    p.Strings("Items", &TMRUListEh::Items, &TMRUListEh::SetItems);
    p.Integer("Limit", &TMRUListEh::Limit, &TMRUListEh::SetLimit).Default(100);
    p.Integer("Rows", &TMRUListEh::Rows, &TMRUListEh::SetRows).Default(7);
}

void TMRUListEh::SetActive(bool v) {
    if (active_ == v) return;
    active_ = v;
    if (OnActiveChanged) OnActiveChanged(this);
}

void TMRUListEh::SetLimit(int v) {
    limit_ = v;
    CutToLimit();
}

void TMRUListEh::CutToLimit() {
    while (items_->Count() > std::max(limit_, 0)) items_->Delete(0);
}

void TMRUListEh::AddText(const std::string& text) {
    if (Trim(text).empty()) return;
    for (int i = 0; i < items_->Count(); ++i) {
        std::string item = items_->Strings(i);
        bool same = caseSensitive_ ? item == text : AnsiCompareText(item, text) == 0;
        if (same) {
            items_->Move(i, items_->Count() - 1);
            return;
        }
    }
    items_->Add(text);
    CutToLimit();
}

bool TMRUListEh::MatchingItems(TStrings* target, const std::string& text) {
    TUpdateLock<TStrings> lock(target);
    target->Clear();
    size_t chars = Utf8Length(text);
    for (int i = 0; i < items_->Count(); ++i) {
        if (i % 100 == 0 && cancelIfKeyInQueue_) {
            MSG m;
            if (PeekMessage(&m, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) return false;
        }
        std::string item = items_->Strings(i);
        std::string head = item.substr(0, Utf8Offset(item, chars));
        bool accept = caseSensitive_ ? AnsiCompareStr(head, text) == 0 : AnsiCompareText(head, text) == 0;
        if (OnFilterItem) OnFilterItem(this, accept);
        if (accept) target->Add(item);
    }
    return true;
}

void TMRUListEh::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TMRUListEh::CloseUp(bool accept) {
    if (OnCloseUp) OnCloseUp(this, accept);
}

void TMRUListEh::Assign(TPersistent* source) {
    auto* m = dynamic_cast<TMRUListEh*>(source);
    if (!m) {
        TPersistent::Assign(source);
        return;
    }
    SetActive(m->Active());
    items_->Assign(m->Items());
    SetLimit(m->Limit());
    rows_ = m->Rows();
    caseSensitive_ = m->CaseSensitive();
}

} // namespace tv
