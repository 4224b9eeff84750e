#include "framework/ui/metafile.h"

#include "core/exceptions.h"
#include "platform/gdi/metafile.h"

namespace tv {

TMetafile::~TMetafile() { Clear(); }

void TMetafile::Assign(TPersistent* source) {
    if (auto* m = dynamic_cast<TMetafile*>(source)) {
        SetHandle(m->handle_ ? win::CopyEnhMetaFile(m->handle_) : nullptr);
        return;
    }
    TGraphic::Assign(source);
}

int TMetafile::Width() const { return handle_ ? win::GetEnhMetaFileSize(handle_).cx : 0; }
int TMetafile::Height() const { return handle_ ? win::GetEnhMetaFileSize(handle_).cy : 0; }

void TMetafile::Draw(TCanvas* canvas, const win::RECT& r) {
    if (handle_) win::PlayEnhMetaFile(canvas->Handle(), handle_, &r);
}

void TMetafile::LoadFromBytes(const std::string&) {
    throw EInvalidGraphic("Los metarchivos no se leen de archivos");
}

std::string TMetafile::SaveToBytes() const {
    throw EInvalidGraphic("Los metarchivos no se guardan en archivos");
}

void TMetafile::Clear() {
    if (handle_) win::DeleteEnhMetaFile(handle_);
    handle_ = nullptr;
}

void TMetafile::SetHandle(win::HENHMETAFILE mf) {
    if (mf == handle_) return;
    Clear();
    handle_ = mf;
    Changed();
}

TMetafileCanvas::TMetafileCanvas(TMetafile* metafile, win::HDC reference) : metafile_(metafile) {
    SetHandle(win::CreateEnhMetaFile(reference));
}

TMetafileCanvas::~TMetafileCanvas() {
    win::HDC dc = dc_;
    SetHandle(nullptr); // the canvas's objects leave the recording first
    win::HENHMETAFILE mf = win::CloseEnhMetaFile(dc);
    if (metafile_) metafile_->SetHandle(mf);
    else win::DeleteEnhMetaFile(mf);
}

} // namespace tv
