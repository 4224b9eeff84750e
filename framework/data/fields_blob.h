#pragma once
// Binary and large fields: bytes, var bytes, blobs, memos and pictures. Their
// values are byte strings (memos: UTF-8 text); streams read and write them.
#include "framework/data/field.h"

namespace tv {

class TStream;

class TBinaryField : public TField {
    TV_CLASS(TBinaryField, TField)
public:
    explicit TBinaryField(TComponent* owner = nullptr);
    Variant Normalize(const Variant& v) const override;

protected:
    std::string GetText(bool displayText) const override;
};

class TBytesField : public TBinaryField {
    TV_CLASS(TBytesField, TBinaryField)
public:
    explicit TBytesField(TComponent* owner = nullptr);
};

class TVarBytesField : public TBytesField {
    TV_CLASS(TVarBytesField, TBytesField)
public:
    explicit TVarBytesField(TComponent* owner = nullptr);
};

class TBlobField : public TField {
    TV_CLASS(TBlobField, TField)
public:
    explicit TBlobField(TComponent* owner = nullptr);
    // The blob kind: ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftTypedBinary...
    TFieldType BlobType() const { return DataType(); }
    void SetBlobType(TFieldType t) { SetDataType(t); }
    int BlobSize() const;
    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }
    // Replaces the value with the stream's bytes from its position.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    Variant Normalize(const Variant& v) const override;
    void SetAsString(const std::string& s) override;

protected:
    std::string GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 10; }

private:
    bool modified_ = false;
};

class TMemoField : public TBlobField {
    TV_CLASS(TMemoField, TBlobField)
public:
    explicit TMemoField(TComponent* owner = nullptr);
    bool IsValidChar(char32_t c) const override { return c >= 32 || c == '\t' || c == '\r' || c == '\n'; }
};

class TGraphicField : public TBlobField {
    TV_CLASS(TGraphicField, TBlobField)
public:
    explicit TGraphicField(TComponent* owner = nullptr);
};

} // namespace tv
