#pragma once
// Pictures: TGraphic, the abstract picture, with TBitmap (a device-independent
// bitmap with its own canvas) and TPicture, the holder that stored forms write
// as "Picture.Data" (the graphic's class name, then its bytes). TIcon is in
// icon.h.
#include <memory>
#include <string>

#include "core/persistent.h"
#include "framework/ui/graphics.h"
#include "platform/wintypes.h"

namespace tv {

class TStream;
class TIcon;

class TGraphic : public TPersistent {
    TV_CLASS(TGraphic, TPersistent)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the picture stretched into `r` of the canvas.
    virtual void Draw(TCanvas* canvas, const win::RECT& r) = 0;
    // Reads a BMP, PNG or JPEG file's bytes; EInvalidGraphic on bad data.
    virtual void LoadFromBytes(const std::string& bytes) = 0;
    virtual std::string SaveToBytes() const = 0;
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    std::function<void(TObject*)> OnChange;

protected:
    void Changed();
    bool transparent_ = false;
};

enum TPixelFormat { pfDevice, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    TV_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    ~TBitmap() override;
    void Assign(TPersistent* source) override;
    // Stored as "Data": the length of the BMP file, then the file.
    void DefineProperties(TFiler& filer) override;

    bool Empty() const override { return !handle_; }
    int Width() const override;
    int Height() const override;
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }
    // Keeps what fits of the old picture.
    void SetSize(int w, int h);
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat f);
    void Draw(TCanvas* canvas, const win::RECT& r) override;
    void LoadFromBytes(const std::string& bytes) override;
    std::string SaveToBytes() const override;
    // Row y, 0 at the top (blue, green, red[, alpha]).
    win::BYTE* ScanLine(int y);
    TCanvas* Canvas();
    win::HBITMAP Handle() const { return handle_; }
    // Takes ownership of the bitmap.
    void SetHandle(win::HBITMAP bmp);
    // The colour that drawing leaves out when Transparent: the bottom-left pixel
    // unless fixed.
    TColor TransparentColor();
    void SetTransparentColor(TColor c);
    TTransparentMode TransparentMode() const { return transparentMode_; }

private:
    void FreeCanvas();
    win::HBITMAP handle_ = nullptr;
    TPixelFormat format_ = pfDevice;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    std::unique_ptr<TCanvas> canvas_;
};

class TPicture : public TPersistent {
    TV_CLASS(TPicture, TPersistent)
public:
    ~TPicture() override;
    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(TGraphic* g);
    // The graphic as a bitmap (an icon), made one when it is none.
    TBitmap* Bitmap();
    TIcon* Icon();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // An icon file (".ico") gives a TIcon, any other picture a TBitmap.
    void LoadFromFile(const std::string& path);
    std::function<void(TObject*)> OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    void Take(std::unique_ptr<TGraphic> g, bool notify = true);
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace tv
