#include "skin/internalskins.h"

#include "core/formreader.h"

namespace tv {

TsStoredSkinsHolder::TsStoredSkinsHolder(TComponent* owner)
    : TComponent(owner), skins_(std::make_unique<TsStoredSkins>(this)) {}
TsStoredSkinsHolder::~TsStoredSkinsHolder() = default;

void TsStoredSkinsHolder::Publish(TPublisher& p) {
    p.Collection("InternalSkins", &TsStoredSkinsHolder::InternalSkins, &TsStoredSkinsHolder::SetInternalSkins);
}

void LoadInternalSkins(TsStoredSkins* into) {
    TsStoredSkinsHolder holder;
    ReadComponentRes(InternalSkinsResource, &holder);
    into->Assign(holder.InternalSkins());
}

} // namespace tv
