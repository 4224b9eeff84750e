#pragma once
// Texts of the dataset layer's errors. They are the framework's own texts, in
// the form the translation catalogs know them; the central error handler of the
// station recognises some by their beginning ("Field", "key", "Cannot delete
// master record wi"), so those must keep it.
namespace tv::dbconsts {

inline constexpr const char* SFieldNotFound = "Field '%s' not found";
inline constexpr const char* SFieldRequired = "Field '%s' must have a value";
inline constexpr const char* SFieldReadOnly = "Field '%s' cannot be modified";
inline constexpr const char* SFieldValueError = "Invalid value for field '%s'";
inline constexpr const char* SFieldTypeMismatch = "Type mismatch for field '%s', expecting: %s actual: %s";
inline constexpr const char* SFieldRangeError = "%s is not a valid value for field '%s'. The allowed range is %s to %s";
inline constexpr const char* SInvalidIntegerValue = "'%s' is not a valid integer value for field '%s'";
inline constexpr const char* SInvalidFloatValue = "'%s' is not a valid floating point value for field '%s'";
inline constexpr const char* SInvalidBoolValue = "'%s' is not a valid boolean value for field '%s'";
inline constexpr const char* SInvalidDateValue = "'%s' is not a valid date and time value for field '%s'";
inline constexpr const char* SInvalidValueConversion = "Could not convert value of field '%s' to %s";
inline constexpr const char* SDuplicateFieldName = "Duplicate field name '%s'";
inline constexpr const char* SFieldIndexError = "Field index out of range";
inline constexpr const char* SNoFieldDefs = "Field definitions missing";
inline constexpr const char* SDataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* SDataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* SNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* SDataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr const char* SDataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* SRecordNotFound = "Record not found";
inline constexpr const char* SBookmarkNotFound = "Bookmark not found";
inline constexpr const char* SCircularDataLink = "Circular datalinks are not allowed";
inline constexpr const char* SDataSourceChange = "DataSource cannot be changed";
inline constexpr const char* SFieldIsCalculated = "Field '%s' cannot be used here: it is calculated";
inline constexpr const char* SLookupInfoError = "Lookup information for field '%s' is incomplete";
inline constexpr const char* SFieldCountMismatch = "Number of values does not match the number of fields";
inline constexpr const char* SRecordChanged = "Record not found or changed by another user";
inline constexpr const char* SKeyViolation = "key violation.";
inline constexpr const char* SIndexNotFound = "Index '%s' not found";
inline constexpr const char* SDuplicateIndexName = "Duplicate index name '%s'";
inline constexpr const char* SNoIndexFields = "Index '%s' has no fields";
inline constexpr const char* SNoDataProvider = "Missing data provider or data packet";
inline constexpr const char* SProviderNotFound = "Provider '%s' not found";
inline constexpr const char* SNoCommandText = "Provider does not allow command text";
inline constexpr const char* SNoDataSet = "Missing DataSet property";
inline constexpr const char* SNoSQLResolver = "The source dataset of the provider cannot apply updates";
inline constexpr const char* SNoTableName = "Unable to resolve records: table name unknown";
inline constexpr const char* SNoKeyFields = "Unable to find record. No key specified";
inline constexpr const char* SNoRecordsAffected = "Record not found or changed by another user";
inline constexpr const char* SNestedTooDeep = "The update of records was interrupted by an earlier error";
inline constexpr const char* SParamNotFound = "Parameter '%s' not found";

// Filter expressions.
inline constexpr const char* SExprTermination = "Filter expression incorrectly terminated";
inline constexpr const char* SExprNameError = "Unterminated field name";
inline constexpr const char* SExprStringError = "Unterminated string constant";
inline constexpr const char* SExprInvalidChar = "Invalid filter expression character: '%s'";
inline constexpr const char* SExprNoRParen = "')' expected but %s found";
inline constexpr const char* SExprExpected = "Expression expected but %s found";
inline constexpr const char* SExprBadNullTest = "NULL only allowed with '=' and '<>'";
inline constexpr const char* SExprIncorrect = "Incorrectly formed filter expression";
inline constexpr const char* SExprNothing = "nothing";
inline constexpr const char* SExprBadCompare = "Cannot compare field '%s' with %s";

} // namespace tv::dbconsts
