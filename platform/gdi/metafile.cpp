#include "platform/gdi/metafile.h"

#include <memory>

#include "platform/gdi/dc.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/recorder.h"
#include "platform/window/sysmetrics.h"

namespace tv {
namespace win {

struct MetafileData {
    std::vector<MetaRecord> records;
    int width = 0, height = 0; // frame, reference pixels
    int dpiX = 96, dpiY = 96;
};

namespace {

struct MetafileRecorder : Recorder {
    std::shared_ptr<MetafileData> data = std::make_shared<MetafileData>();
    bool Capture(DeviceContext*, MetaRecord rec) override {
        if (rec.play) data->records.push_back(std::move(rec));
        return true;
    }
};

} // namespace

HDC CreateEnhMetaFile(HDC reference, int width, int height) {
    auto* dc = new DeviceContext(DCKind::Metafile);
    DeviceContext* ref = Dc(reference);
    if (ref) {
        dc->dpiX = ref->dpiX;
        dc->dpiY = ref->dpiY;
        dc->width = ref->kind == DCKind::Printer ? ref->physWidth : ref->width;
        dc->height = ref->kind == DCKind::Printer ? ref->physHeight : ref->height;
        dc->physWidth = ref->physWidth;
        dc->physHeight = ref->physHeight;
        dc->offsetX = ref->offsetX;
        dc->offsetY = ref->offsetY;
        dc->technology = ref->technology;
    } else {
        dc->width = GetSystemMetrics(SM_CXSCREEN);
        dc->height = GetSystemMetrics(SM_CYSCREEN);
    }
    if (width > 0) dc->width = width;
    if (height > 0) dc->height = height;
    auto rec = std::make_unique<MetafileRecorder>();
    rec->data->width = dc->width;
    rec->data->height = dc->height;
    rec->data->dpiX = dc->dpiX;
    rec->data->dpiY = dc->dpiY;
    dc->recorder = std::move(rec);
    return dc;
}

HENHMETAFILE CloseEnhMetaFile(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || dc->kind != DCKind::Metafile) return nullptr;
    auto* rec = static_cast<MetafileRecorder*>(dc->recorder.get());
    auto* mf = new MetafileData(std::move(*rec->data));
    delete dc;
    return mf;
}

BOOL DeleteEnhMetaFile(HENHMETAFILE mf) {
    if (!mf) return FALSE;
    delete mf;
    return TRUE;
}

HENHMETAFILE CopyEnhMetaFile(HENHMETAFILE mf) { return mf ? new MetafileData(*mf) : nullptr; }

SIZE GetEnhMetaFileSize(HENHMETAFILE mf) { return mf ? SIZE{mf->width, mf->height} : SIZE{}; }
SIZE GetEnhMetaFileResolution(HENHMETAFILE mf) { return mf ? SIZE{mf->dpiX, mf->dpiY} : SIZE{}; }

std::vector<std::string> GetEnhMetaFileRecords(HENHMETAFILE mf) {
    std::vector<std::string> out;
    if (!mf) return out;
    for (const MetaRecord& r : mf->records) out.push_back(r.name + "(" + r.args + ")");
    return out;
}

BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE mf, const RECT* rect) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || !mf || !rect || mf->width <= 0 || mf->height <= 0) return FALSE;
    // The frame goes onto the rectangle: what the picture calls its device
    // pixels become this context's device pixels through one scaling placed
    // after the picture's own mapping.
    double x1 = rect->left, y1 = rect->top, x2 = rect->right, y2 = rect->bottom;
    LogicalToDevice(dc, x1, y1);
    LogicalToDevice(dc, x2, y2);
    int level = SaveDC(hdc);
    Scale2D w;
    w.sx = (x2 - x1) / mf->width;
    w.sy = (y2 - y1) / mf->height;
    w.tx = x1;
    w.ty = y1;
    DCState& s = dc->st;
    s.world = w;
    s.mapMode = MM_TEXT;
    s.windowOrg = s.viewportOrg = POINT{};
    s.windowExt = s.viewportExt = SIZE{1, 1};
    int depth = int(dc->saved.size());
    for (const MetaRecord& r : mf->records) r.play(hdc);
    // Unbalanced saves inside the picture are dropped with it.
    if (int(dc->saved.size()) >= depth) RestoreDC(hdc, level);
    return TRUE;
}

} // namespace win
} // namespace tv
