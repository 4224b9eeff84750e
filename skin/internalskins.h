#pragma once
// The internal skins the program carries as a resource of the build: four
// skins stored like a form's, read into a manager's InternalSkins.
#include "core/component.h"
#include "skin/storedskins.h"

namespace tv {

// Holds stored skins while they are read from or written to a definition.
class TsStoredSkinsHolder : public TComponent {
    TV_CLASS(TsStoredSkinsHolder, TComponent)
public:
    explicit TsStoredSkinsHolder(TComponent* owner = nullptr);
    ~TsStoredSkinsHolder() override;
    static void Publish(TPublisher& p);
    TsStoredSkins* InternalSkins() const { return skins_.get(); }
    void SetInternalSkins(TsStoredSkins* v) { skins_->Assign(v); }

private:
    std::unique_ptr<TsStoredSkins> skins_;
};

// Name of the resource that holds them.
constexpr const char* InternalSkinsResource = "internalskins.dfm";
// The skin the central data module selects: the fourth.
constexpr const char* DefaultInternalSkin = "Sereno";

// Copies the carried skins into `into`; EReadError when the resource is missing.
void LoadInternalSkins(TsStoredSkins* into);

} // namespace tv
