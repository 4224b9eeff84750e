#pragma once
// TsPanel: a panel painted from its skin section through a cache bitmap,
// which passes the skin message on to its children.
#include <functional>
#include <memory>

#include "framework/ui/basiccontrols.h"
#include "skin/commondata.h"

namespace tv {

class TsPanel : public TPanel {
    TV_CLASS(TsPanel, TPanel)
public:
    explicit TsPanel(TComponent* owner = nullptr);
    ~TsPanel() override;
    static void Publish(TPublisher& p);
    void Loaded() override;

    TsCommonData* SkinData() const { return skinData_.get(); }
    void SetSkinData(TsCommonData* v);

    std::function<void(TObject*, TCanvas*)> OnPaint;
    std::function<void(TObject*)> OnMouseEnter;
    std::function<void(TObject*)> OnMouseLeave;

    // Paints the panel from its cache, rebuilt first when it is dirty.
    virtual void PaintSkinned(win::HDC dc, bool notifyChildren);
    void PrepareCache();
    void WriteCaption(win::RECT r);
    // Copies the cache to the device context, except where opaque and
    // graphic children paint themselves.
    void PaintCachedArea(win::POINT srcOffset, bool fillCorners, win::HDC dc, const win::RECT& dst);
    void WndProc(Message& msg) override;

protected:
    void Paint() override;
    void PaintWindow(win::HDC dc) override;

private:
    bool Skinned() const;
    std::unique_ptr<TsCommonData> skinData_;
};

} // namespace tv
