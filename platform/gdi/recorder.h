#pragma once
// Capture of drawing calls, for metafiles (which keep a replayable display
// list) and for the recording device context (which keeps a log).
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/gdi/devicecontext.h"

namespace tv::win {

struct MetaRecord {
    std::string name;
    std::string args;
    std::function<void(HDC)> play;
};

struct Recorder {
    virtual ~Recorder() = default;
    // True when the call is only kept and must not be drawn.
    virtual bool Capture(DeviceContext* dc, MetaRecord rec) = 0;
};

// Guard placed at the top of every public drawing call: passes the call to the
// recorder (only the outermost call of a nested chain) and tells whether the
// drawing must be skipped.
struct CallRecord {
    std::string args;
    std::function<void(HDC)> play;
};

class CallScope {
public:
    CallScope(DeviceContext* dc, const char* name, std::string args, std::function<void(HDC)> play);
    // The same for the calls made for every control painted: `record()` gives
    // the CallRecord and runs only when the call is recorded, so drawing on
    // the screen formats no arguments and copies nothing for a replay.
    template <class Record, class = std::enable_if_t<std::is_invocable_r_v<CallRecord, Record>>>
    CallScope(DeviceContext* dc, const char* name, Record&& record) : dc_(dc) {
        if (dc_->recorder && dc_->callDepth == 0) {
            CallRecord r = record();
            captured_ = dc_->recorder->Capture(dc_, MetaRecord{name, std::move(r.args), std::move(r.play)});
        }
        dc_->callDepth++;
    }
    ~CallScope();
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    bool Captured() const { return captured_; }

private:
    DeviceContext* dc_;
    bool captured_ = false;
};

// Argument formatting for the records.
std::string FormatArg(int v);
std::string FormatArg(unsigned v);
std::string FormatArg(long v);
std::string FormatArg(unsigned long v);
std::string FormatArg(const std::string& s);
std::string FormatArg(const char* s);
std::string FormatArg(const RECT* r);
std::string FormatArg(const RECT& r);
std::string FormatArg(const POINT& p);
std::string FormatColor(COLORREF c);
template <class... A>
std::string Args(const A&... a) {
    std::string out;
    ((out += (out.empty() ? "" : ", ") + FormatArg(a)), ...);
    return out;
}
std::string FormatPoints(const POINT* pts, int count);

std::string DescribeObject(HGDIOBJ obj);
// Description of the current objects, for the recording device context.
std::string DescribeObjects(const DeviceContext* dc);

} // namespace tv::win
