#include "platform/controls/commonnotify.h"

#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv::win {

LRESULT SendNotify(HWND from, UINT code, NMHDR& record) {
    record.hwndFrom = from;
    record.idFrom = UINT_PTR(GetDlgCtrlID(from));
    record.code = code;
    HWND parent = GetParent(from);
    return parent ? SendMessage(parent, WM_NOTIFY, record.idFrom, reinterpret_cast<LPARAM>(&record)) : 0;
}

} // namespace tv::win
