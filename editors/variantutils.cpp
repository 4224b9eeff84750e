#include "editors/variantutils.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/data/dataset.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"

namespace tv {

bool VariantsEqual(const Variant& a, const Variant& b) {
    try {
        bool aa = VarIsArray(a), ba = VarIsArray(b);
        if (aa != ba) return false;
        if (aa) {
            if (VarArrayDimCount(a) != VarArrayDimCount(b) || VarArrayLowBound(a, 1) != VarArrayLowBound(b, 1) ||
                VarArrayHighBound(a, 1) != VarArrayHighBound(b, 1))
                return false;
            int low = VarArrayLowBound(a, 1), high = VarArrayHighBound(a, 1);
            if (high < low) return false;
            for (int i = low; i <= high; ++i)
                if (!(VarArrayGet(a, {i}) == VarArrayGet(b, {i}))) return false;
            return true;
        }
        if (a.IsEmpty() != b.IsEmpty()) return false;
        if (a.IsEmpty()) return true;
        return a == b;
    } catch (...) {
        return false;
    }
}

std::string VariantToTextSafe(const Variant& value) {
    if (VarIsArray(value)) return {};
    try {
        return VarToStr(value);
    } catch (...) {
        return {};
    }
}

void CollectFieldsByNames(std::vector<TField*>* list, TDataSet* dataSet, const TComponent* component,
                          const std::string& names) {
    size_t pos = 0;
    while (pos <= names.size()) {
        size_t end = names.find(';', pos);
        if (end == std::string::npos) end = names.size();
        std::string name = Trim(names.substr(pos, end - pos));
        pos = end + 1;
        if (name.empty()) {
            if (end == names.size()) break;
            continue;
        }
        TField* f = dataSet ? dataSet->FindField(name) : nullptr;
        if (!f) DatabaseError("Campo '" + name + "' no encontrado", component);
        if (list) list->push_back(f);
    }
}

std::vector<TField*> CollectFieldsByNamesArray(TDataSet* dataSet, const TComponent* component,
                                               const std::string& names) {
    std::vector<TField*> fields;
    CollectFieldsByNames(&fields, dataSet, component, names);
    return fields;
}

std::string FieldNamesOf(const std::vector<TField*>& fields) {
    std::string names;
    for (TField* f : fields) {
        if (!names.empty()) names += ';';
        names += f->FieldName();
    }
    return names;
}

bool KeyFieldsMatchValue(size_t fieldCount, const Variant& value) {
    if (fieldCount == 1) return !VarIsArray(value);
    return fieldCount > 1 && VarIsArray(value) &&
           VarArrayHighBound(value, 1) - VarArrayLowBound(value, 1) + 1 == int(fieldCount);
}

TField* ChooseShownListField(TDataSet* list, std::vector<TField*>& listFields, const std::vector<TField*>& keyFields,
                             const TField* lookupField, int index) {
    if (lookupField) {
        TField* result = list->FindField(lookupField->LookupResultField());
        if (result && std::find(listFields.begin(), listFields.end(), result) == listFields.end())
            listFields.insert(listFields.begin(), result);
        return result;
    }
    if (listFields.empty()) listFields = keyFields;
    if (listFields.empty()) return nullptr;
    return index >= 0 && index < int(listFields.size()) ? listFields[size_t(index)] : listFields[0];
}

void AssignFieldValues(TDataSet* dataSet, const std::string& names, const Variant& value) {
    if (VariantsEqual(value, Null())) {
        for (TField* f : dataSet->GetFieldList(names)) f->Clear();
        return;
    }
    dataSet->SetFieldValues(names, value);
}

} // namespace tv
