#include "platform/controls/controlclass.h"

#include "platform/window/cursor.h"

namespace tv::win {

void RegisterControlClass(const std::string& name, UINT style, int cursor, WindowProcFn proc) {
    WNDCLASS wc;
    if (GetClassInfo(name, &wc)) return;
    wc = WNDCLASS{};
    wc.lpszClassName = name;
    wc.style = style | CS_GLOBALCLASS;
    wc.hCursor = LoadCursor(cursor);
    wc.lpfnWndProc = proc;
    RegisterClass(wc);
}

} // namespace tv::win
