#include "framework/ui/picture.h"

#include <cctype>
#include <cstring>

#include "core/exceptions.h"
#include "core/streams.h"
#include "framework/ui/icon.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/icon.h"
#include "platform/picture/picturefile.h"

namespace tv {

using namespace tv::win;

void TGraphic::LoadFromFile(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    LoadFromBytes(std::string(bytes.begin(), bytes.end()));
}

void TGraphic::SaveToFile(const std::string& path) const {
    std::string bytes = SaveToBytes();
    TFileStream f(path, fmCreate);
    f.WriteString(bytes);
}

void TGraphic::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Changed();
}

void TGraphic::Changed() { if (OnChange) OnChange(this); }

// --- TBitmap -------------------------------------------------------------------

namespace {

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* bmp) : bmp_(bmp) {}
    ~TBitmapCanvas() override { Release(); }
    void Release() {
        if (!dc_) return;
        HDC dc = dc_;
        DeselectHandles();
        SelectObject(dc, old_);
        dc_ = nullptr;
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override {
        if (bmp_->Empty()) bmp_->SetSize(1, 1);
        HDC dc = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc, bmp_->Handle());
        SetHandle(dc);
    }

private:
    TBitmap* bmp_;
    HGDIOBJ old_ = nullptr;
};

} // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    FreeCanvas();
    if (handle_) DeleteObject(handle_);
}

void TBitmap::FreeCanvas() {
    if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->Release();
}

void TBitmap::Assign(TPersistent* source) {
    if (auto* b = dynamic_cast<TBitmap*>(source)) {
        FreeCanvas();
        if (handle_) DeleteObject(handle_);
        handle_ = b->handle_ ? CopyBitmap(b->handle_) : nullptr;
        format_ = b->format_;
        transparent_ = b->transparent_;
        transparentColor_ = b->transparentColor_;
        transparentMode_ = b->transparentMode_;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            std::string all = s.ReadToEnd();
            if (all.size() >= 4) {
                std::uint32_t len = std::uint32_t(static_cast<unsigned char>(all[0])) |
                                    std::uint32_t(static_cast<unsigned char>(all[1])) << 8 |
                                    std::uint32_t(static_cast<unsigned char>(all[2])) << 16 |
                                    std::uint32_t(static_cast<unsigned char>(all[3])) << 24;
                if (len + 4 == all.size()) all = all.substr(4);
            }
            if (all.empty()) SetHandle(nullptr);
            else LoadFromBytes(all);
        },
        [this](TStream& s) {
            std::string data = SaveToBytes();
            std::uint32_t len = std::uint32_t(data.size());
            std::string out;
            for (int i = 0; i < 4; ++i) out += char((len >> (8 * i)) & 0xFF);
            s.WriteString(out + data);
        },
        !Empty());
}

int TBitmap::Width() const { return handle_ ? BitmapWidth(handle_) : 0; }
int TBitmap::Height() const { return handle_ ? BitmapHeight(handle_) : 0; }

void TBitmap::SetSize(int w, int h) {
    if (w == Width() && h == Height() && handle_) return;
    FreeCanvas();
    HBITMAP nb = CreateDIBitmap(w, h, format_ == pf24bit ? 24 : 32);
    if (handle_) {
        HDC src = CreateCompatibleDC(nullptr), dst = CreateCompatibleDC(nullptr);
        HGDIOBJ o1 = SelectObject(src, handle_), o2 = SelectObject(dst, nb);
        BitBlt(dst, 0, 0, w, h, src, 0, 0, SRCCOPY);
        SelectObject(src, o1);
        SelectObject(dst, o2);
        DeleteDC(src);
        DeleteDC(dst);
        DeleteObject(handle_);
    }
    handle_ = nb;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
    if (f == format_) return;
    format_ = f;
    if (!handle_) return;
    int w = Width(), h = Height();
    HBITMAP old = handle_;
    handle_ = nullptr;
    FreeCanvas();
    handle_ = old;
    HBITMAP nb = CreateDIBitmap(w, h, f == pf24bit ? 24 : 32);
    HDC src = CreateCompatibleDC(nullptr), dst = CreateCompatibleDC(nullptr);
    HGDIOBJ o1 = SelectObject(src, old), o2 = SelectObject(dst, nb);
    BitBlt(dst, 0, 0, w, h, src, 0, 0, SRCCOPY);
    SelectObject(src, o1);
    SelectObject(dst, o2);
    DeleteDC(src);
    DeleteDC(dst);
    DeleteObject(old);
    handle_ = nb;
    Changed();
}

void TBitmap::SetHandle(HBITMAP bmp) {
    FreeCanvas();
    if (handle_ && handle_ != bmp) DeleteObject(handle_);
    handle_ = bmp;
    format_ = bmp && BitmapBitsPerPixel(bmp) == 24 ? pf24bit : bmp ? pf32bit : pfDevice;
    Changed();
}

void TBitmap::Draw(TCanvas* canvas, const RECT& r) {
    if (!handle_) return;
    // A bitmap lives in one device context at a time: its own canvas's when it has one.
    bool own = !(canvas_ && canvas_->HandleAllocated());
    HDC src = own ? CreateCompatibleDC(nullptr) : canvas_->Handle();
    HGDIOBJ old = own ? SelectObject(src, handle_) : nullptr;
    HDC dst = canvas->Handle();
    if (transparent_) {
        TransparentBlt(dst, r.left, r.top, r.Width(), r.Height(), src, 0, 0, Width(), Height(),
                       ColorToRGB(TransparentColor()));
    } else if (BitmapBitsPerPixel(handle_) == 32 && format_ != pfDevice) {
        BLENDFUNCTION bf;
        bf.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(dst, r.left, r.top, r.Width(), r.Height(), src, 0, 0, Width(), Height(), bf);
    } else {
        StretchBlt(dst, r.left, r.top, r.Width(), r.Height(), src, 0, 0, Width(), Height(), SRCCOPY);
    }
    if (own) {
        SelectObject(src, old);
        DeleteDC(src);
    }
}

void TBitmap::LoadFromBytes(const std::string& bytes) {
    HBITMAP bmp = ReadPicture(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
    SetHandle(bmp);
}

std::string TBitmap::SaveToBytes() const {
    if (!handle_) return {};
    auto bytes = WriteBmp(handle_);
    return std::string(bytes.begin(), bytes.end());
}

BYTE* TBitmap::ScanLine(int y) {
    if (!handle_) throw EInvalidGraphic("Scan line index out of range");
    return win::ScanLine(handle_, y);
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
    return canvas_.get();
}

TColor TBitmap::TransparentColor() {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (!handle_ || Height() == 0) return clDefault;
    BYTE* row = win::ScanLine(handle_, Height() - 1);
    return TColor(RGB(row[2], row[1], row[0]));
}

void TBitmap::SetTransparentColor(TColor c) {
    transparentColor_ = c;
    transparentMode_ = c == clDefault ? tmAuto : tmFixed;
    Changed();
}

// --- TPicture ------------------------------------------------------------------

TPicture::~TPicture() = default;

void TPicture::Assign(TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* p = dynamic_cast<TPicture*>(source)) {
        SetGraphic(p->Graphic());
        return;
    }
    if (auto* g = dynamic_cast<TGraphic*>(source)) {
        SetGraphic(g);
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::SetGraphic(TGraphic* g) {
    if (g == graphic_.get()) return;
    if (!g) {
        graphic_.reset();
    } else {
        auto* copy = static_cast<TGraphic*>(g->ClassType()->Create());
        copy->Assign(g);
        graphic_.reset(copy);
        graphic_->OnChange = [this](TObject*) { Changed(); };
    }
    Changed();
}

void TPicture::Take(std::unique_ptr<TGraphic> g, bool notify) {
    graphic_ = std::move(g);
    if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
    if (notify) Changed();
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(graphic_.get())) Take(std::make_unique<TBitmap>(), false);
    return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(graphic_.get())) Take(std::make_unique<TIcon>(), false);
    return static_cast<TIcon*>(graphic_.get());
}

namespace {

bool HasIconExtension(const std::string& path) {
    std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ico" || ext == ".cur";
}

} // namespace

void TPicture::LoadFromFile(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    std::unique_ptr<TGraphic> g;
    if (HasIconExtension(path) || IsIconFile(bytes.data(), bytes.size())) g = std::make_unique<TIcon>();
    else g = std::make_unique<TBitmap>();
    g->LoadFromBytes(std::string(bytes.begin(), bytes.end()));
    Take(std::move(g));
}

void TPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            std::string all = s.ReadToEnd();
            if (all.empty()) {
                SetGraphic(nullptr);
                return;
            }
            std::size_t n = static_cast<unsigned char>(all[0]);
            if (1 + n > all.size()) throw EInvalidGraphic("Invalid picture data");
            std::string cls = all.substr(1, n);
            std::string data = all.substr(1 + n);
            // A bitmap's bytes carry their length first; an icon's are the file itself.
            if (cls == "TBitmap" && data.size() >= 4) {
                std::uint32_t len = std::uint32_t(static_cast<unsigned char>(data[0])) |
                                    std::uint32_t(static_cast<unsigned char>(data[1])) << 8 |
                                    std::uint32_t(static_cast<unsigned char>(data[2])) << 16 |
                                    std::uint32_t(static_cast<unsigned char>(data[3])) << 24;
                if (len + 4 == data.size()) data = data.substr(4);
            }
            std::unique_ptr<TGraphic> g;
            if (cls == "TIcon") g = std::make_unique<TIcon>();
            else g = std::make_unique<TBitmap>();
            g->LoadFromBytes(data);
            Take(std::move(g));
        },
        [this](TStream& s) {
            std::string data = graphic_->SaveToBytes();
            bool icon = dynamic_cast<TIcon*>(graphic_.get()) != nullptr;
            std::string cls = icon ? "TIcon" : "TBitmap";
            std::string out(1, char(cls.size()));
            out += cls;
            if (!icon) {
                std::uint32_t len = std::uint32_t(data.size());
                for (int i = 0; i < 4; ++i) out += char((len >> (8 * i)) & 0xFF);
            }
            out += data;
            s.WriteString(out);
        },
        graphic_ && !graphic_->Empty());
}

} // namespace tv
