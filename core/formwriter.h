#pragma once
// Writes components as stored form definitions (the text read by formreader.h).
// Only properties that are stored and differ from their default, or, for an
// inherited definition, from the ancestor, are written.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/persistent.h"

namespace tv {

class TCollection;
struct TFormObject;
struct TFormProperty;

class TWriter : public TFiler {
public:
    TWriter();
    ~TWriter() override;

    // The definition of `root` and its children. With `ancestor` (an instance
    // built from the ancestor's definitions), an inherited definition: what the
    // ancestor has is written as `inherited` and only where it differs.
    std::string WriteRootComponent(TComponent* root, TComponent* ancestor = nullptr);

    // --- values, for properties defined by DefineProperties ---
    void WriteInteger(std::int64_t value);
    void WriteFloat(double value);
    void WriteString(const std::string& value);
    void WriteIdent(const std::string& ident);
    void WriteBoolean(bool value);
    void WriteChar(char32_t c);
    void WriteSet(const std::vector<std::string>& members);
    void WriteBinary(const std::string& bytes);
    void WriteListBegin();
    void WriteListEnd();
    // The items of the collection; with an ancestor collection, even when empty.
    void WriteCollection(TCollection* collection);

    void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

    // Whether the two collections would be stored alike: same item class, same
    // count, and item by item the same stored properties.
    bool CollectionsEqual(TCollection* a, TCollection* b);

private:
    void WriteProperties(TPersistent* obj, TPersistent* ancestor, const std::string& prefix,
                         std::vector<TFormProperty>& out);
    void WriteComponent(TComponent* comp, TComponent* ancestor, TFormObject& node);
    std::string ReferenceName(TComponent* c, TComponent* root) const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::string WriteComponentText(TComponent* root, TComponent* ancestor = nullptr);
// TWriter::CollectionsEqual for callers outside a writer (the ancestor test of
// a class that stores a collection through DefineProperties).
bool CollectionsEqual(TCollection* a, TCollection* b);

} // namespace tv
