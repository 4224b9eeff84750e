#include "framework/data/fields_blob.h"

#include <cctype>

#include "core/streams.h"

namespace tv {

namespace {

Variant BytesOf(const Variant& v) {
    if (v.IsNull() || v.IsEmpty()) return Null();
    if (v.IsArray()) return Variant(VarToBytes(v));
    return Variant(VarToStr(v));
}

} // namespace

TBinaryField::TBinaryField(TComponent* owner) : TField(owner) { SetDataType(ftBytes); }

Variant TBinaryField::Normalize(const Variant& v) const { return BytesOf(v); }

std::string TBinaryField::GetText(bool displayText) const {
    if (displayText) return "(" + std::string(FieldTypeName(DataType())) + ")";
    return AsString();
}

TBytesField::TBytesField(TComponent* owner) : TBinaryField(owner) {
    SetDataType(ftBytes);
    SetSize(16);
}

TVarBytesField::TVarBytesField(TComponent* owner) : TBytesField(owner) { SetDataType(ftVarBytes); }

TBlobField::TBlobField(TComponent* owner) : TField(owner) { SetDataType(ftBlob); }

int TBlobField::BlobSize() const { return static_cast<int>(AsString().size()); }

Variant TBlobField::Normalize(const Variant& v) const { return BytesOf(v); }

void TBlobField::SetAsString(const std::string& s) {
    SetAsVariant(s.empty() ? Null() : Variant(s));
    modified_ = true;
}

void TBlobField::LoadFromStream(TStream& stream) { SetAsString(stream.ReadToEnd()); }

void TBlobField::SaveToStream(TStream& stream) const { stream.WriteString(AsString()); }

void TBlobField::LoadFromFile(const std::string& fileName) {
    TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(f);
}

void TBlobField::SaveToFile(const std::string& fileName) const {
    TFileStream f(fileName, fmCreate);
    SaveToStream(f);
}

std::string TBlobField::GetText(bool displayText) const {
    if (!displayText) return AsString();
    // A grid shows the kind of a blob, in capitals when it holds something.
    std::string kind;
    switch (DataType()) {
    case ftMemo: kind = "Memo"; break;
    case ftFmtMemo: kind = "FmtMemo"; break;
    case ftGraphic: kind = "Graphic"; break;
    default: kind = "Blob"; break;
    }
    std::string out;
    for (char c : kind) out += IsNull() ? static_cast<char>(std::tolower(static_cast<unsigned char>(c)))
                                        : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "(" + out + ")";
}

TMemoField::TMemoField(TComponent* owner) : TBlobField(owner) { SetDataType(ftMemo); }

TGraphicField::TGraphicField(TComponent* owner) : TBlobField(owner) { SetDataType(ftGraphic); }

} // namespace tv
