#include "platform/gdi/recordingdc.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recorder.h"

namespace tv::win {

namespace {

struct LogRecorder : Recorder {
    std::vector<RecordedCall> calls;
    bool Capture(DeviceContext* dc, MetaRecord rec) override {
        calls.push_back(RecordedCall{rec.name, rec.args, DescribeObjects(dc)});
        return false;
    }
};

LogRecorder* Log(HDC hdc) {
    DeviceContext* dc = Dc(hdc);
    if (!dc || dc->kind != DCKind::Recording) return nullptr;
    return static_cast<LogRecorder*>(dc->recorder.get());
}

} // namespace

HDC CreateRecordingDC(int width, int height) {
    auto* dc = new DeviceContext(DCKind::Recording);
    dc->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 0), std::max(height, 0));
    dc->cr = cairo_create(dc->surface);
    cairo_set_source_rgb(dc->cr, 1, 1, 1);
    cairo_paint(dc->cr);
    dc->width = width;
    dc->height = height;
    dc->recorder = std::make_unique<LogRecorder>();
    return dc;
}

const std::vector<RecordedCall>& GetRecordedCalls(HDC dc) {
    static const std::vector<RecordedCall> none;
    LogRecorder* log = Log(dc);
    return log ? log->calls : none;
}

void ClearRecordedCalls(HDC dc) {
    if (LogRecorder* log = Log(dc)) log->calls.clear();
}

cairo_surface_t* GetRecordingSurface(HDC dc) { return Log(dc) ? dc->surface : nullptr; }

} // namespace tv::win
