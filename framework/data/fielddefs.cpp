#include "framework/data/fielddefs.h"

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

TFieldDef& TFieldDefs::Add(const std::string& name, TFieldType type, int size, bool required) {
    if (IndexOf(name) >= 0) DatabaseError(Format(dbconsts::SDuplicateFieldName, name));
    items_.push_back(std::make_unique<TFieldDef>(name, type, size, required));
    items_.back()->SetFieldNo(Count());
    return *items_.back();
}

int TFieldDefs::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

TFieldDef* TFieldDefs::Find(const std::string& name) const {
    const int i = IndexOf(name);
    return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].get();
}

} // namespace tv
