#pragma once
// Field definitions: what the dataset's source says its columns are. The
// dataset makes its default fields from them and binds persistent fields to
// them by name.
#include <memory>
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"

namespace tv {

class TFieldDef {
public:
    TFieldDef(std::string name, TFieldType type, int size, bool required)
        : name_(std::move(name)), dataType_(type), size_(size), required_(required) {}

    const std::string& Name() const { return name_; }
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    void SetSize(int s) { size_ = s; }
    int Precision() const { return precision_; }
    void SetPrecision(int p) { precision_ = p; }
    bool Required() const { return required_; }
    void SetRequired(bool r) { required_ = r; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    // 1-based position.
    int FieldNo() const { return fieldNo_; }
    void SetFieldNo(int n) { fieldNo_ = n; }
    // Display attributes carried with a data packet.
    const std::string& DisplayLabel() const { return displayLabel_; }
    void SetDisplayLabel(const std::string& s) { displayLabel_ = s; }
    TProviderFlags ProviderFlags() const { return providerFlags_; }
    void SetProviderFlags(TProviderFlags f) { providerFlags_ = f; }
    const std::string& Origin() const { return origin_; }
    void SetOrigin(const std::string& s) { origin_ = s; }

    bool operator==(const TFieldDef&) const = default;

private:
    std::string name_;
    TFieldType dataType_;
    int size_;
    bool required_;
    bool readOnly_ = false;
    int precision_ = 0;
    int fieldNo_ = 0;
    std::string displayLabel_, origin_;
    TProviderFlags providerFlags_{pfInUpdate, pfInWhere};
};

class TFieldDefs {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TFieldDef& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    TFieldDef& operator[](int index) const { return Items(index); }
    // Raises EDatabaseError "Duplicate field name 'x'".
    TFieldDef& Add(const std::string& name, TFieldType type, int size = 0, bool required = false);
    void Clear() { items_.clear(); }
    int IndexOf(const std::string& name) const;
    TFieldDef* Find(const std::string& name) const;

private:
    std::vector<std::unique_ptr<TFieldDef>> items_;
};

} // namespace tv
