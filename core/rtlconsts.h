#pragma once
// The texts of the object model's errors, as resource strings.
#include "core/resourcestrings.h"

namespace tv {

TV_RESOURCESTRING(SAssignError, "Cannot assign a %s to a %s")
TV_RESOURCESTRING(SClassNotFound, "Class %s not found")
TV_RESOURCESTRING(SListIndexError, "List index out of bounds (%d)")
TV_RESOURCESTRING(SListCountError, "List count out of bounds (%d)")
TV_RESOURCESTRING(SListCapacityError, "List capacity out of bounds (%d)")
TV_RESOURCESTRING(SDuplicateString, "String list does not allow duplicates")
TV_RESOURCESTRING(SSortedListError, "Operation not allowed on sorted list")
TV_RESOURCESTRING(SDuplicateName, "A component named %s already exists")
TV_RESOURCESTRING(SInvalidName, "'%s' is not a valid component name")
TV_RESOURCESTRING(SReadError, "Stream read error")
TV_RESOURCESTRING(SWriteError, "Stream write error")
TV_RESOURCESTRING(SFCreateErrorEx, "Cannot create file \"%s\". %s")
TV_RESOURCESTRING(SFOpenErrorEx, "Cannot open file \"%s\". %s")
TV_RESOURCESTRING(SMemoryStreamError, "Out of memory while expanding memory stream")
TV_RESOURCESTRING(SUnknownProperty, "Property %s does not exist")
TV_RESOURCESTRING(SReadOnlyProperty, "Property is read-only")
TV_RESOURCESTRING(SInvalidPropertyValue, "Invalid property value")
TV_RESOURCESTRING(SInvalidPropertyPath, "Invalid property path")
TV_RESOURCESTRING(SInvalidPropertyType, "Invalid property type: %s")
TV_RESOURCESTRING(SInvalidPropertyElement, "Invalid property element: %s")
TV_RESOURCESTRING(SPropertyException, "Error reading %s%s%s: %s")
TV_RESOURCESTRING(SAncestorNotFound, "Ancestor for '%s' not found")
TV_RESOURCESTRING(SResNotFound, "Resource %s not found")
TV_RESOURCESTRING(SMethodNotFound, "Method %s not found")
TV_RESOURCESTRING(SFieldNotFound, "Class %s has no field %s")
TV_RESOURCESTRING(SFieldClassMismatch, "Field %s.%s is a %s, not a %s")
TV_RESOURCESTRING(SFieldNotCreated, "Field %s.%s: the form creates no component of that name")
TV_RESOURCESTRING(SParseError, "%s on line %d")
TV_RESOURCESTRING(SIdentifierExpected, "Identifier expected")
TV_RESOURCESTRING(SStringExpected, "String expected")
TV_RESOURCESTRING(SNumberExpected, "Number expected")
TV_RESOURCESTRING(SCharExpected, "'%s' expected")
TV_RESOURCESTRING(SInvalidBinary, "Invalid binary value")
TV_RESOURCESTRING(SInvalidString, "Invalid string constant")
TV_RESOURCESTRING(SInvalidImage, "Invalid stream format")
TV_RESOURCESTRING(SCannotCreate, "Cannot create an instance of %s")

} // namespace tv
