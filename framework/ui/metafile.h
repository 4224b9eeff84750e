#pragma once
// TMetafile, a picture kept as recorded drawing calls that plays back at any
// size, and TMetafileCanvas, the canvas that records one.
#include "framework/ui/picture.h"

namespace tv {

class TMetafile : public TGraphic {
    TV_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    ~TMetafile() override;
    void Assign(TPersistent* source) override;

    bool Empty() const override { return !handle_; }
    // The frame, in pixels of the device it was recorded for.
    int Width() const override;
    int Height() const override;
    void Draw(TCanvas* canvas, const win::RECT& r) override;
    // Recorded drawing has no file form of its own.
    void LoadFromBytes(const std::string& bytes) override;
    std::string SaveToBytes() const override;
    void Clear();

    win::HENHMETAFILE Handle() const { return handle_; }
    // Takes ownership of the recording.
    void SetHandle(win::HENHMETAFILE mf);

private:
    win::HENHMETAFILE handle_ = nullptr;
};

// Records into a new metafile made for the reference device (null: the
// screen); the metafile receives the recording when the canvas is freed.
class TMetafileCanvas : public TCanvas {
    TV_CLASS(TMetafileCanvas, TCanvas)
public:
    TMetafileCanvas(TMetafile* metafile, win::HDC reference);
    ~TMetafileCanvas() override;

private:
    TMetafile* metafile_;
};

} // namespace tv
