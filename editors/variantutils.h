#pragma once
// Variant comparison and text, and the fields of a ";"-separated name list,
// shared by the editors, the lookup controls and the grid.
#include <string>
#include <vector>

#include "core/variant.h"

namespace tv {

class TComponent;
class TDataSet;
class TField;

// Equal arrays (same first dimension, equal elements) or equal values; never raises.
bool VariantsEqual(const Variant& a, const Variant& b);
// The value as text; empty for arrays and values that do not convert.
std::string VariantToTextSafe(const Variant& value);
// Appends the named fields to `list` (may be null: the names are only
// checked). An unknown name raises "Campo '<name>' no encontrado", named
// after `component`; the fields before it stay in the list.
void CollectFieldsByNames(std::vector<TField*>* list, TDataSet* dataSet, const TComponent* component,
                          const std::string& names);
std::vector<TField*> CollectFieldsByNamesArray(TDataSet* dataSet, const TComponent* component,
                                               const std::string& names);
// The fields' names joined by ";".
std::string FieldNamesOf(const std::vector<TField*>& fields);
// Whether a key value fits that many key fields: one field takes a single
// value, several an array with one element each.
bool KeyFieldsMatchValue(size_t fieldCount, const Variant& value);
// The list field an editor shows: a lookup field's result field (given a
// lookup field), put first in `listFields` when they lack it; otherwise the
// one at `index` (the first when out of range), the key fields standing in for
// no list fields. Null when there is none.
TField* ChooseShownListField(TDataSet* list, std::vector<TField*>& listFields, const std::vector<TField*>& keyFields,
                             const TField* lookupField, int index);
// Null clears every named field; otherwise one value for one name, an array
// for several.
void AssignFieldValues(TDataSet* dataSet, const std::string& names, const Variant& value);

} // namespace tv
