#pragma once
// Index definitions of a client dataset: fields, descending and
// case-insensitive fields, options.
#include <memory>
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"

namespace tv {

class TIndexDef {
public:
    TIndexDef(std::string name, std::string fields, TIndexOptions options, std::string descFields,
              std::string caseInsFields, int groupingLevel)
        : name_(std::move(name)), fields_(std::move(fields)), options_(options), descFields_(std::move(descFields)),
          caseInsFields_(std::move(caseInsFields)), groupingLevel_(groupingLevel) {}

    const std::string& Name() const { return name_; }
    const std::string& Fields() const { return fields_; }
    TIndexOptions Options() const { return options_; }
    const std::string& DescFields() const { return descFields_; }
    const std::string& CaseInsFields() const { return caseInsFields_; }
    int GroupingLevel() const { return groupingLevel_; }

private:
    std::string name_, fields_;
    TIndexOptions options_;
    std::string descFields_, caseInsFields_;
    int groupingLevel_;
};

class TIndexDefs {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TIndexDef& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    const TIndexDef& operator[](int index) const { return Items(index); }
    // Case-insensitive; -1 / null when absent.
    int IndexOf(const std::string& name) const;
    const TIndexDef* Find(const std::string& name) const;
    // The client dataset keeps its definitions current; Update is for callers
    // that refresh them before reading, as other dataset kinds need.
    void Update() {}
    // Raises EDatabaseError "Duplicate index name 'x'".
    const TIndexDef& Add(const TIndexDef& def);
    void Remove(const std::string& name);
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TIndexDef>> items_;
};

} // namespace tv
