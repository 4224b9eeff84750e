#pragma once
// TIcon: a picture of one or more images of different sizes, read from and
// written as an icon file. Stored forms hold it as "Icon.Data", the file's
// bytes. A file that was read is written back as it came, every depth kept.
#include <string>
#include <vector>

#include "framework/ui/picture.h"
#include "platform/picture/icon.h"

namespace tv {

class TIcon : public TGraphic {
    TV_CLASS(TIcon, TGraphic)
public:
    TIcon();
    ~TIcon() override;
    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    bool Empty() const override { return images_.empty(); }
    // The size of the image in use: the one nearest to the system's icon size.
    int Width() const override;
    int Height() const override;
    // Draws the image nearest to the rectangle's width, stretched into it.
    void Draw(TCanvas* canvas, const win::RECT& r) override;
    // An icon file or an icon resource; EInvalidGraphic on bad data.
    void LoadFromBytes(const std::string& bytes) override;
    std::string SaveToBytes() const override;

    const std::vector<win::IconImage>& Images() const { return images_; }
    // The image in use as a window-system icon; the icon keeps it.
    win::HICON Handle();
    // Takes the icon's pixels and ownership of the handle; a standard shape,
    // which has no pixels, leaves the icon empty.
    void SetHandle(win::HICON icon);

private:
    void Clear();
    win::HICON ImageHandle(std::size_t index);
    std::vector<win::IconImage> images_;
    std::vector<win::HICON> handles_; // one per image, made when first drawn
    std::string file_;                // the icon file as read
    std::size_t current_ = 0;
};

} // namespace tv
