#include "grid/gridtypes.h"

namespace tv {

const TEnumInfo TDBGridOptionInfo{"TDBGridOption",
    {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize", "dgColLines", "dgRowLines",
     "dgTabs", "dgRowSelect", "dgAlwaysShowSelection", "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect"}};
const TEnumInfo TDBGridEhOptionInfo{"TDBGridEhOption",
    {"dghFixed3D", "dghFrozen3D", "dghFooter3D", "dghData3D", "dghResizeWholeRightPart", "dghHighlightFocus",
     "dghClearSelection", "dghFitRowHeightToText", "dghAutoSortMarking", "dghMultiSortMarking", "dghEnterAsTab",
     "dghTraceColSizing", "dghIncSearch", "dghPreferIncSearch", "dghRowHighlight", "dghDblClickOptimizeColWidth",
     "dghDialogFind", "dghRecordMoving"}};
const TEnumInfo TDBGridEhAllowedOperationInfo{"TDBGridEhAllowedOperation",
    {"alopInsertEh", "alopUpdateEh", "alopDeleteEh", "alopAppendEh"}};
const TEnumInfo TDBGridEhSelectionTypeInfo{"TDBGridEhSelectionType",
    {"gstNon", "gstRecordBookmarks", "gstRectangle", "gstColumns", "gstAll"}};
const TEnumInfo TGridEhEditActionInfo{"TGridEhEditAction",
    {"geaCutEh", "geaCopyEh", "geaPasteEh", "geaDeleteEh", "geaSelectAllEh"}};
const TEnumInfo TColumnButtonStyleEhInfo{"TColumnButtonStyleEh",
    {"cbsAuto", "cbsEllipsis", "cbsNone", "cbsUpDown", "cbsDropDown"}};
const TEnumInfo TSortMarkerEhInfo{"TSortMarkerEh", {"smNoneEh", "smDownEh", "smUpEh"}};
const TEnumInfo TTextOrientationEhInfo{"TTextOrientationEh", {"tohHorizontal", "tohVertical"}};
const TEnumInfo TTextLayoutInfo{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
const TEnumInfo TScrollBarVisibleModeEhInfo{"TScrollBarVisibleModeEh",
    {"sbAlwaysShowEh", "sbNeverShowEh", "sbAutoShowEh"}};

} // namespace tv
