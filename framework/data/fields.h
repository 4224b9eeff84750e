#pragma once
// TFields: the ordered list of a dataset's fields (it does not own them), and
// the factory of default fields by type.
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"

namespace tv {

class TComponent;
class TDataSet;
class TField;

class TFields {
public:
    explicit TFields(TDataSet* dataSet) : dataSet_(dataSet) {}

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EDatabaseError "Field index out of range".
    TField* Fields(int index) const;
    TField* operator[](int index) const { return Fields(index); }
    // Case-insensitive; null when absent.
    TField* FindField(const std::string& name) const;
    // Raises EDatabaseError "Field 'x' not found" (with the dataset's name).
    TField* FieldByName(const std::string& name) const;
    int IndexOf(const TField* field) const;
    // Raises EDatabaseError "Duplicate field name 'x'".
    void Add(TField* field);
    // For a name known to be new (the definitions' names are unique).
    void AddUnique(TField* field) { items_.push_back(field); }
    void Remove(TField* field);
    void Move(TField* field, int index);
    void Clear() { items_.clear(); }
    const std::vector<TField*>& Items() const { return items_; }
    std::vector<TField*>::const_iterator begin() const { return items_.begin(); }
    std::vector<TField*>::const_iterator end() const { return items_.end(); }

private:
    TDataSet* dataSet_;
    std::vector<TField*> items_;
};

// A new field of the class that serves `type` (TStringField for ftString...),
// owned by `owner`; raises EDatabaseError for types without a field class.
TField* CreateDefaultField(TFieldType type, TComponent* owner);

} // namespace tv
