#pragma once
// The settings of a small picture from an image list drawn inside an editor.
#include "core/persistent.h"
#include "platform/wintypes.h"

namespace tv {

class TControl;
class TCustomImageList;

// Tells an editor that its image settings changed (the same number asks a
// drop-down to close).
constexpr win::UINT WM_EDITIMAGECHANGED_EH = 0x0400 + 101;

class TEditImageEh : public TPersistent {
    TV_CLASS(TEditImageEh, TPersistent)
public:
    explicit TEditImageEh(TControl* editor = nullptr);
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    bool UseImageHeight() const { return useImageHeight_; }
    void SetUseImageHeight(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int Width() const { return width_; }
    void SetWidth(int v);

private:
    void Notify();
    TControl* editor_;
    int imageIndex_ = -1;
    TCustomImageList* images_ = nullptr;
    bool useImageHeight_ = true, visible_ = false;
    int width_ = 0;
};

} // namespace tv
