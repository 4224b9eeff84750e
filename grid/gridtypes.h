#pragma once
// Option sets, kinds and event types of the data grid and its columns.
#include <cstdint>
#include <functional>
#include <string>

#include "core/properties.h"
#include "core/sets.h"
#include "core/variant.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/controls.h"
#include "framework/ui/grids/gridtypes.h"

namespace tv {

class TColumnEh;
class TCustomDBGridEh;
class TColCellParamsEh;
class TColumnDefValuesEh;
class TFont;
class TField;

enum TDBGridOption {
    dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
    dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect
};
using TDBGridOptions = TSet<TDBGridOption>;
extern const TEnumInfo TDBGridOptionInfo;

enum TDBGridEhOption {
    dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghResizeWholeRightPart, dghHighlightFocus,
    dghClearSelection, dghFitRowHeightToText, dghAutoSortMarking, dghMultiSortMarking, dghEnterAsTab,
    dghTraceColSizing, dghIncSearch, dghPreferIncSearch, dghRowHighlight, dghDblClickOptimizeColWidth,
    dghDialogFind, dghRecordMoving
};
using TDBGridEhOptions = TSet<TDBGridEhOption>;
extern const TEnumInfo TDBGridEhOptionInfo;

enum TDBGridEhAllowedOperation { alopInsertEh, alopUpdateEh, alopDeleteEh, alopAppendEh };
using TDBGridEhAllowedOperations = TSet<TDBGridEhAllowedOperation>;
extern const TEnumInfo TDBGridEhAllowedOperationInfo;

enum TDBGridEhSelectionType { gstNon, gstRecordBookmarks, gstRectangle, gstColumns, gstAll };
using TDBGridEhAllowedSelections = TSet<TDBGridEhSelectionType>;
extern const TEnumInfo TDBGridEhSelectionTypeInfo;

enum TGridEhEditAction { geaCutEh, geaCopyEh, geaPasteEh, geaDeleteEh, geaSelectAllEh };
using TGridEhEditActions = TSet<TGridEhEditAction>;
extern const TEnumInfo TGridEhEditActionInfo;

enum TColumnButtonStyleEh { cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown };
extern const TEnumInfo TColumnButtonStyleEhInfo;

enum TSortMarkerEh { smNoneEh, smDownEh, smUpEh };
extern const TEnumInfo TSortMarkerEhInfo;

enum TTextOrientationEh { tohHorizontal, tohVertical };
extern const TEnumInfo TTextOrientationEhInfo;

enum TTextLayout { tlTop, tlCenter, tlBottom };
extern const TEnumInfo TTextLayoutInfo;

enum TScrollBarVisibleModeEh { sbAlwaysShowEh, sbNeverShowEh, sbAutoShowEh };
extern const TEnumInfo TScrollBarVisibleModeEhInfo;

enum TColumnsStateEh { csDefault, csCustomized };

// Column kinds, in the order they are tested.
enum TColumnEhType { ctCommon = 0, ctPickList = 1, ctLookupField = 2, ctKeyPickList = 3, ctKeyImageList = 4,
                     ctCheckboxes = 5 };

// Assigned-value flags of a column (its title's among them).
enum TColumnEhValue {
    cvColor, cvWidth, cvFont, cvAlignment, cvReadOnly, cvTitleColor, cvTitleCaption, cvTitleAlignment,
    cvTitleFont, cvTitleButton, cvTitleEndEllipsis, cvTitleToolTips, cvTitleOrientation, cvImeMode, cvImeName,
    cvWordWrap, cvLookupDisplayFields, cvCheckboxes, cvAlwaysShowEditButton, cvEndEllipsis, cvAutoDropDown,
    cvDblClickNextVal, cvToolTips, cvDropDownSizing, cvDropDownShowTitles, cvLayout, cvHighlightRequired,
    cvBiDiMode
};
using TColumnEhValues = TSet<TColumnEhValue>;

// Per-cell draw state of the data grid.
enum TGridDrawStateEhFlag { gdsSelected, gdsFocused, gdsFixed };

using TDrawColumnEhCellEvent = std::function<void(TObject* sender, const win::RECT& rect, int dataCol,
                                                  TColumnEh* column, TGridDrawState state)>;
using TDrawDataCellEvent = std::function<void(TObject* sender, const win::RECT& rect, TField* field,
                                              TGridDrawState state)>;
using TDrawFooterCellEvent = std::function<void(TObject* sender, int dataCol, int row, TColumnEh* column,
                                                const win::RECT& rect, TGridDrawState state)>;
using TDBGridEhClickEvent = std::function<void(TColumnEh* column)>;
using TTitleEhClickEvent = std::function<void(TObject* sender, int aCol, TColumnEh* column)>;
using TCheckTitleEhBtnEvent = std::function<void(TObject* sender, int aCol, TColumnEh* column, bool& enabled)>;
using TGetCellEhParamsEvent = std::function<void(TObject* sender, TColumnEh* column, TFont* font,
                                                 TColor& background, TGridDrawState state)>;
using TGetFooterParamsEvent = std::function<void(TObject* sender, int dataCol, int row, TColumnEh* column,
                                                 TFont* font, TColor& background, TAlignment& alignment,
                                                 TGridDrawState state, std::string& text)>;
using TGetBtnParamsEvent = std::function<void(TObject* sender, TColumnEh* column, TFont* font,
                                              TColor& background, TSortMarkerEh& sortMarker, bool isDown)>;
class TBookmarkListEh;
// Moves (or, checking only, tells whether it could move) the records to stand
// before record number `target`, at tree level `level`.
using TGridMoveRecordsEventEh = std::function<bool(TObject* sender, TBookmarkListEh* bookmarks, int target,
                                                   int level, bool checkOnly)>;
using TColCellParamsEvent = std::function<void(TObject* sender, bool editMode, TColCellParamsEh* params)>;
using TColumnNotInListEvent = std::function<void(TObject* sender, const std::string& newText, bool& recheckInList)>;
using TColumnUpdateDataEvent = std::function<void(TObject* sender, std::string& text, Variant& value,
                                                  bool& useText, bool& handled)>;
using TButtonClickEventEh = std::function<void(TObject* sender, bool& handled)>;
using TButtonDownEventEh = std::function<void(TObject* sender, bool topButton, bool& autoRepeat, bool& handled)>;
using TCheckDrawRequiredStateEvent = std::function<void(TObject* sender, const std::string& text, bool& drawState)>;

// One level of a tree's indent in pixels; a node's button fills its last level.
inline constexpr int kTreeLevelWidthEh = 18;

// The grid's private message that runs a deferred relayout.
inline constexpr unsigned WM_DEFERREDLAYOUTEH = 0x0400 + 100;

} // namespace tv
