#pragma once
// Actions on a data-aware control: the control takes them first, then its
// data source.
namespace tv {

class TBasicAction;
class TComponent;
class TDataSource;

bool ExecuteEditorAction(TBasicAction* action, TComponent* control, TDataSource* source);
bool UpdateEditorAction(TBasicAction* action, TComponent* control, TDataSource* source);

} // namespace tv
