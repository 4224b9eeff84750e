#pragma once
// The enumerations and small types of the dataset layer, in the framework's
// order: code elsewhere compares states and stores field types by number.
#include <cstdint>
#include <string>

#include "core/sets.h"

namespace tv {

enum TDataSetState {
    dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue,
    dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc, dsOpening
};

enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
    ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic,
    ftFmtMemo, ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString,
    ftLargeint, ftADT, ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant,
    ftInterface, ftIDispatch, ftGuid, ftTimeStamp, ftFMTBcd
};
// "String", "Integer"... as the framework names the types in its messages.
const char* FieldTypeName(TFieldType type);
bool IsStringType(TFieldType type);   // string, fixed char, wide string, memo, formatted memo, GUID
bool IsIntegerType(TFieldType type);  // small, integer, word, auto-increment, large
bool IsNumericType(TFieldType type);  // integers, float, currency, BCD, FMTBcd
bool IsDateTimeType(TFieldType type); // date, time, date-time, time stamp
bool IsBlobType(TFieldType type);     // blob, memo, graphic, formatted memo, OLE, typed binary, Oracle LOBs

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange, deUpdateRecord,
    deUpdateState, deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl,
    deParentScroll, deConnectChange, deReconcileError, deDisabledStateChange
};
// Editors react to this event by its number.
static_assert(deDisabledStateChange == 14);

enum TGetMode { gmCurrent, gmNext, gmPrior };
enum TGetResult { grOK, grBOF, grEOF, grError };
enum TBookmarkFlag { bfCurrent, bfBOF, bfEOF, bfInserted };

enum TDataAction { daFail, daAbort, daRetry };

enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption>;

enum TProviderFlag { pfInUpdate, pfInWhere, pfInKey, pfHidden };
using TProviderFlags = TSet<TProviderFlag>;

enum TUpdateMode { upWhereAll, upWhereChanged, upWhereKeyOnly };
enum TUpdateKind { ukModify, ukInsert, ukDelete };
enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };
using TUpdateStatusSet = TSet<TUpdateStatus>;
enum TResolverResponse { rrSkip, rrAbort, rrMerge, rrApply, rrIgnore };
enum TReconcileAction { raSkip, raAbort, raMerge, raCorrect, raCancel, raRefresh };

enum TIndexOption { ixPrimary, ixUnique, ixDescending, ixCaseInsensitive, ixExpression, ixNonMaintained };
using TIndexOptions = TSet<TIndexOption>;

enum TProviderOption {
    poFetchBlobsOnDemand, poFetchDetailsOnDemand, poIncFieldProps, poCascadeDeletes, poCascadeUpdates,
    poReadOnly, poAllowMultiRecordUpdates, poDisableInserts, poDisableEdits, poDisableDeletes, poNoReset,
    poAutoRefresh, poPropogateChanges, poAllowCommandText, poRetainServerOrder, poUseQuoteChar
};
using TProviderOptions = TSet<TProviderOption>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

// A bookmark is a byte string that only its dataset can read; empty is none.
using TBookmark = std::string;

} // namespace tv
