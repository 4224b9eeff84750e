#include "editors/editoractions.h"

#include "framework/data/datasource.h"
#include "framework/ui/actions.h"

namespace tv {

bool ExecuteEditorAction(TBasicAction* action, TComponent* control, TDataSource* source) {
    for (TObject* target : {static_cast<TObject*>(control), static_cast<TObject*>(source)}) {
        if (!target || !action->HandlesTarget(target)) continue;
        action->ExecuteTarget(target);
        return true;
    }
    return false;
}

bool UpdateEditorAction(TBasicAction* action, TComponent* control, TDataSource* source) {
    for (TObject* target : {static_cast<TObject*>(control), static_cast<TObject*>(source)}) {
        if (!target || !action->HandlesTarget(target)) continue;
        action->UpdateTarget(target);
        return true;
    }
    return false;
}

} // namespace tv
