#include "skin/skinunit.h"

#include "core/object.h"
#include "platform/window/queue.h"
#include "platform/window/sysmetrics.h"
#include "skin/formanimation.h"
#include "skin/skinmanager.h"
#include "skin/skinpanel.h"
#include "skin/skinprovider.h"

namespace tv {

namespace {
int started = 0;
int arrowWidth = 0;
} // namespace

void InitializeSkinUnit() {
    if (started++ != 0) return;
    // The name is registered, but the skin message keeps its fixed number.
    win::RegisterWindowMessage("SM_ALPHACMD");
    arrowWidth = win::GetSystemMetrics(win::SM_CXHSCROLL);
    RegisterClasses({TsSkinManager::StaticClass(), TOutputWindow::StaticClass(), TsPanel::StaticClass(),
                     TsSkinProvider::StaticClass()});
}

void FinalizeSkinUnit() {
    if (started == 0 || --started != 0) return;
    UnRegisterClass(TsSkinManager::StaticClass());
    UnRegisterClass(TOutputWindow::StaticClass());
    UnRegisterClass(TsPanel::StaticClass());
    UnRegisterClass(TsSkinProvider::StaticClass());
}

int SkinScrollArrowWidth() { return arrowWidth; }

} // namespace tv
