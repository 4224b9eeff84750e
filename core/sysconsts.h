#pragma once
// The texts of conversion, formatting, variant, decimal, ini-file and registry
// errors, as resource strings so that translation reaches them.
#include "core/resourcestrings.h"

namespace tv {

TV_RESOURCESTRING(SInvalidInteger, "'%s' is not a valid integer value")
TV_RESOURCESTRING(SInvalidFloat, "'%s' is not a valid floating point value")
TV_RESOURCESTRING(SInvalidBoolean, "'%s' is not a valid boolean value")
TV_RESOURCESTRING(SInvalidDate, "'%s' is not a valid date")
TV_RESOURCESTRING(SInvalidTime, "'%s' is not a valid time")
TV_RESOURCESTRING(SInvalidDateTime, "'%s' is not a valid date and time")
TV_RESOURCESTRING(SInvalidDateTimeValue, "Invalid date/time value")
TV_RESOURCESTRING(SDateEncodeError, "Invalid argument to date encode")
TV_RESOURCESTRING(STimeEncodeError, "Invalid argument to time encode")
TV_RESOURCESTRING(SInvalidFormat, "Format '%s' invalid or incompatible with argument")
TV_RESOURCESTRING(SArgumentMissing, "No argument for format '%s'")
TV_RESOURCESTRING(SOverflow, "Floating point overflow")
TV_RESOURCESTRING(SZeroDivide, "Floating point division by zero")
TV_RESOURCESTRING(SInvalidOp, "Invalid floating point operation")
TV_RESOURCESTRING(SVarTypeCouldNotConvert, "Could not convert variant of type (%s) into type (%s)")
TV_RESOURCESTRING(SVarTypeConvertOverflow, "Overflow while converting variant of type (%s) into type (%s)")
TV_RESOURCESTRING(SInvalidVarOp, "Invalid variant operation")
TV_RESOURCESTRING(SVarArrayBounds, "Variant or safe array index out of bounds")
TV_RESOURCESTRING(SVarNotArray, "Variant is not an array")
TV_RESOURCESTRING(SVarArrayCreate, "Error creating variant or safe array")
TV_RESOURCESTRING(SBcdOverflow, "BCD overflow")
TV_RESOURCESTRING(SInvalidBcdValue, "'%s' is not a valid BCD value")
TV_RESOURCESTRING(SIniFileReadError, "Unable to read %s (%s)")
TV_RESOURCESTRING(SIniFileWriteError, "Unable to write to %s (%s)")
TV_RESOURCESTRING(SIniFileInvalidEntry, "Invalid ini entry [%s] %s")
TV_RESOURCESTRING(SRegCreateFailed, "Failed to create key %s")
TV_RESOURCESTRING(SRegGetDataFailed, "Failed to get data for '%s'")
TV_RESOURCESTRING(SRegSetDataFailed, "Failed to set data for '%s'")
TV_RESOURCESTRING(SInvalidRegType, "Invalid data type for '%s'")
TV_RESOURCESTRING(SRegReadError, "Unable to read %s (%s)")
TV_RESOURCESTRING(SRegDamaged, "The registry file %s is damaged at line %d")

} // namespace tv
