#include "core/variant.h"

#include <atomic>
#include <bit>
#include <climits>
#include <cmath>
#include <memory>
#include <new>

#include "core/strutils.h"
#include "core/sysconsts.h"
#include "core/sysformat.h"

namespace tv {

// What copies of a variant share: a long text or an array.
struct VarShared {
    mutable std::atomic<std::size_t> refs{1};
    VarShared() = default;
    VarShared(const VarShared&) {}
};

struct VarText : VarShared {
    std::size_t size = 0;
    char* Chars() { return reinterpret_cast<char*>(this + 1); }
    const char* Chars() const { return reinterpret_cast<const char*>(this + 1); }
    static VarText* Make(std::string_view v) {
        auto* t = new (::operator new(sizeof(VarText) + v.size())) VarText;
        t->size = v.size();
        std::memcpy(t->Chars(), v.data(), v.size());
        return t;
    }
    static void Free(VarText* t) {
        t->~VarText();
        ::operator delete(t);
    }
};

// Elements are stored with the first dimension varying fastest, so that a
// redim of the last dimension only grows or shrinks the storage.
struct VarArrayData : VarShared {
    TVarType elementType = varVariant;
    std::vector<std::pair<int, int>> bounds;
    std::vector<Variant> items;
    std::string bytes; // the elements of a varByte array

    std::size_t Count() const {
        std::size_t n = 1;
        for (const auto& b : bounds) n *= static_cast<std::size_t>(b.second - b.first + 1);
        return n;
    }
};

struct VariantAccess {
    static std::int64_t Int(const Variant& v) { return v.Word(); }
    static double Dbl(const Variant& v) { return std::bit_cast<double>(v.Word()); }
    static bool Bool(const Variant& v) { return v.Word() != 0; }
    static std::string_view Str(const Variant& v) {
        if (v.rep_ != Variant::kShared) return {v.bytes_, v.rep_};
        const auto* t = reinterpret_cast<const VarText*>(v.Word());
        return {t->Chars(), t->size};
    }
    static VarArrayData* Array(const Variant& v) { return reinterpret_cast<VarArrayData*>(v.Word()); }
    static VarArrayData& MutableArray(Variant& v) {
        VarArrayData* data = Array(v);
        if (data->refs.load(std::memory_order_acquire) > 1) {
            auto* copy = new VarArrayData(*data);
            v.Release();
            v.SetWord(reinterpret_cast<std::int64_t>(copy));
            v.rep_ = Variant::kShared;
            data = copy;
        }
        return *data;
    }
    static Variant MakeArray(std::unique_ptr<VarArrayData> data) {
        Variant v;
        v.type_ = static_cast<TVarType>(varArray | data->elementType);
        v.rep_ = Variant::kShared;
        v.SetWord(reinterpret_cast<std::int64_t>(data.release()));
        return v;
    }
    static Variant Make(TVarType type) {
        Variant v;
        v.type_ = type;
        return v;
    }
    static Variant Make(TVarType type, std::int64_t word) {
        Variant v;
        v.type_ = type;
        v.SetWord(word);
        return v;
    }
};

void Variant::SetText(std::string_view v) {
    type_ = varString;
    if (v.size() <= kInlineText) {
        rep_ = static_cast<std::uint8_t>(v.size());
        if (!v.empty()) std::memcpy(bytes_, v.data(), v.size());
    } else {
        SetWord(reinterpret_cast<std::int64_t>(VarText::Make(v)));
        rep_ = kShared;
    }
}

void Variant::AddRef() const { reinterpret_cast<const VarShared*>(Word())->refs.fetch_add(1, std::memory_order_relaxed); }

void Variant::Release() {
    auto* shared = reinterpret_cast<VarShared*>(Word());
    rep_ = 0;
    if (shared->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    if (type_ & varArray) delete static_cast<VarArrayData*>(shared);
    else VarText::Free(static_cast<VarText*>(shared));
}

namespace {

using A = VariantAccess;

[[noreturn]] void CastError(TVarType from, TVarType to) {
    throw EVariantTypeCastError(Format(LoadResString(SVarTypeCouldNotConvert), VarTypeAsText(from), VarTypeAsText(to)));
}

[[noreturn]] void OverflowError(TVarType from, TVarType to) {
    throw EVariantOverflowError(Format(LoadResString(SVarTypeConvertOverflow), VarTypeAsText(from), VarTypeAsText(to)));
}

[[noreturn]] void InvalidOp() { throw EVariantInvalidOpError(LoadResString(SInvalidVarOp)); }
[[noreturn]] void BadIndex() { throw EVariantBadIndexError(LoadResString(SVarArrayBounds)); }
[[noreturn]] void NotArray() { throw EVariantNotAnArrayError(LoadResString(SVarNotArray)); }
[[noreturn]] void CreateError() { throw EVariantArrayCreateError(LoadResString(SVarArrayCreate)); }

bool IsIntegerKind(TVarType t) {
    return t == varSmallint || t == varInteger || t == varInt64 || t == varByte;
}

// The value of a scalar as a 64-bit integer, or a cast error toward `to`.
std::int64_t ToInt64(const Variant& v, TVarType to) {
    const TVarType t = v.VarType();
    if (IsIntegerKind(t) || t == varCurrency) {
        if (t == varCurrency) return Currency::FromRaw(A::Int(v)).Round();
        return A::Int(v);
    }
    switch (t) {
    case varEmpty: return 0;
    case varBoolean: return A::Bool(v) ? -1 : 0;
    case varDouble:
    case varDate: {
        const double r = std::nearbyint(A::Dbl(v));
        if (!std::isfinite(r) || r < -9223372036854775808.0 || r >= 9223372036854775808.0) OverflowError(t, to);
        return static_cast<std::int64_t>(r);
    }
    case varString: {
        std::int64_t n;
        if (TryStrToInt64(A::Str(v), n)) return n;
        double d;
        if (TryStrToFloat(A::Str(v), d)) {
            const double r = std::nearbyint(d);
            if (r < -9223372036854775808.0 || r >= 9223372036854775808.0) OverflowError(t, to);
            return static_cast<std::int64_t>(r);
        }
        CastError(t, to);
    }
    default: CastError(t, to);
    }
}

double ToDouble(const Variant& v, TVarType to) {
    const TVarType t = v.VarType();
    if (IsIntegerKind(t)) return static_cast<double>(A::Int(v));
    switch (t) {
    case varEmpty: return 0;
    case varBoolean: return A::Bool(v) ? -1 : 0;
    case varDouble:
    case varDate: return A::Dbl(v);
    case varCurrency: return Currency::FromRaw(A::Int(v)).ToDouble();
    case varString: {
        double d;
        if (TryStrToFloat(A::Str(v), d)) return d;
        if (to == varDate) {
            TDateTime dt;
            if (TryStrToDateTime(A::Str(v), dt)) return dt;
        }
        CastError(t, to);
    }
    default: CastError(t, to);
    }
}

Currency ToCurrency(const Variant& v) {
    const TVarType t = v.VarType();
    try {
        if (IsIntegerKind(t)) return Currency(static_cast<long long>(A::Int(v)));
        switch (t) {
        case varCurrency: return Currency::FromRaw(A::Int(v));
        case varString: {
            Currency c;
            if (TryStrToCurr(A::Str(v), c)) return c;
            CastError(t, varCurrency);
        }
        default: return Currency(ToDouble(v, varCurrency));
        }
    } catch (const EMathError&) {
        OverflowError(t, varCurrency);
    }
}

std::string ToText(const Variant& v) {
    const TVarType t = v.VarType();
    if (IsIntegerKind(t)) return IntToStr(A::Int(v));
    switch (t) {
    case varEmpty: return {};
    case varBoolean: return A::Bool(v) ? "True" : "False";
    case varDouble: return FloatToStr(A::Dbl(v));
    case varCurrency: return CurrToStr(Currency::FromRaw(A::Int(v)));
    case varDate: return DateTimeToStr(A::Dbl(v));
    case varString: return std::string(A::Str(v));
    default: CastError(t, varString);
    }
}

bool ToBool(const Variant& v) {
    const TVarType t = v.VarType();
    if (IsIntegerKind(t) || t == varCurrency) return A::Int(v) != 0;
    switch (t) {
    case varEmpty: return false;
    case varBoolean: return A::Bool(v);
    case varDouble:
    case varDate: return A::Dbl(v) != 0;
    case varString: {
        bool b;
        if (TryStrToBool(A::Str(v), b)) return b;
        double d;
        if (TryStrToFloat(A::Str(v), d)) return d != 0;
        CastError(t, varBoolean);
    }
    default: CastError(t, varBoolean);
    }
}

void CheckScalar(const Variant& v) {
    if (v.IsArray()) InvalidOp();
}

int Sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

// Compares two non-null scalars: -1, 0 or 1.
int CompareScalars(const Variant& a, const Variant& b) {
    TVarType ta = a.VarType(), tb = b.VarType();
    if (ta == varEmpty && tb == varEmpty) return 0;
    if (ta == varString && tb == varString) return AnsiCompareStr(A::Str(a), A::Str(b));
    // Empty takes the other side's kind; a text beside a number reads as one.
    if (ta == varEmpty || tb == varEmpty) {
        const Variant& other = ta == varEmpty ? b : a;
        const int sign = ta == varEmpty ? -1 : 1;
        if (other.VarType() == varString) return A::Str(other).empty() ? 0 : -sign;
        const double d = ToDouble(other, varDouble);
        return sign * Sign(d);
    }
    if (ta == varBoolean && tb == varBoolean) return static_cast<int>(A::Bool(a)) - static_cast<int>(A::Bool(b));
    if (IsIntegerKind(ta) && IsIntegerKind(tb)) {
        const std::int64_t x = A::Int(a), y = A::Int(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if ((ta == varCurrency || IsIntegerKind(ta)) && (tb == varCurrency || IsIntegerKind(tb))) {
        try {
            const Currency x = ToCurrency(a), y = ToCurrency(b);
            return x < y ? -1 : (x > y ? 1 : 0);
        } catch (const EVariantError&) {
            // An integer past the Currency range: compare as doubles below.
        }
    }
    const double x = ToDouble(a, tb == varString ? varDouble : (ta == varDate || tb == varDate ? varDate : varDouble));
    const double y = ToDouble(b, ta == varString ? varDouble : (ta == varDate || tb == varDate ? varDate : varDouble));
    return x < y ? -1 : (x > y ? 1 : 0);
}

Variant DefaultElement(TVarType type) {
    switch (type) {
    case varVariant: return Variant();
    case varString: return Variant(std::string());
    case varBoolean: return Variant(false);
    default: return VarAsType(Variant(0), type);
    }
}

bool ValidElementType(TVarType type) {
    switch (type) {
    case varSmallint:
    case varInteger:
    case varDouble:
    case varCurrency:
    case varDate:
    case varBoolean:
    case varVariant:
    case varByte:
    case varInt64:
    case varString: return true;
    default: return false;
    }
}

const VarArrayData& ArrayOf(const Variant& v) {
    if (!v.IsArray()) NotArray();
    return *A::Array(v);
}

std::size_t LinearIndex(const VarArrayData& data, const std::vector<int>& indices) {
    if (indices.size() != data.bounds.size()) BadIndex();
    std::size_t linear = 0, stride = 1;
    for (std::size_t d = 0; d < indices.size(); ++d) {
        const auto [lo, hi] = data.bounds[d];
        if (indices[d] < lo || indices[d] > hi) BadIndex();
        linear += static_cast<std::size_t>(indices[d] - lo) * stride;
        stride *= static_cast<std::size_t>(hi - lo + 1);
    }
    return linear;
}

} // namespace

// --- construction ---------------------------------------------------------------------

Variant::Variant(unsigned long v) : type_(varInt64) {
    if (v > static_cast<unsigned long>(INT64_MAX)) OverflowError(varInt64, varInt64);
    SetWord(static_cast<std::int64_t>(v));
}
Variant::Variant(const char* v) { SetText(v ? std::string_view(v) : std::string_view()); }

Variant Variant::MakeNull() { return VariantAccess::Make(varNull); }

// --- conversions -------------------------------------------------------------------------

std::int16_t Variant::AsSmallint() const {
    if (IsNull() || IsArray()) CastError(type_, varSmallint);
    const std::int64_t v = ToInt64(*this, varSmallint);
    if (v < INT16_MIN || v > INT16_MAX) OverflowError(type_, varSmallint);
    return static_cast<std::int16_t>(v);
}

int Variant::AsInteger() const {
    if (IsNull() || IsArray()) CastError(type_, varInteger);
    const std::int64_t v = ToInt64(*this, varInteger);
    if (v < INT_MIN || v > INT_MAX) OverflowError(type_, varInteger);
    return static_cast<int>(v);
}

std::int64_t Variant::AsInt64() const {
    if (IsNull() || IsArray()) CastError(type_, varInt64);
    return ToInt64(*this, varInt64);
}

double Variant::AsDouble() const {
    if (IsNull() || IsArray()) CastError(type_, varDouble);
    return ToDouble(*this, varDouble);
}

Currency Variant::AsCurrency() const {
    if (IsNull() || IsArray()) CastError(type_, varCurrency);
    return ToCurrency(*this);
}

TDateTime Variant::AsDateTime() const {
    if (IsNull() || IsArray()) CastError(type_, varDate);
    if (type_ == varString) {
        TDateTime dt;
        if (TryStrToDateTime(A::Str(*this), dt)) return dt;
    }
    return ToDouble(*this, varDate);
}

bool Variant::AsBoolean() const {
    if (IsNull() || IsArray()) CastError(type_, varBoolean);
    return ToBool(*this);
}

std::string Variant::AsString() const {
    if (IsNull() || IsArray()) CastError(type_, varString);
    return ToText(*this);
}

// --- elements ------------------------------------------------------------------------------

Variant Variant::operator[](int index) const { return GetElement({index}); }
void Variant::SetElement(int index, const Variant& value) { SetElement(std::vector<int>{index}, value); }

Variant Variant::GetElement(const std::vector<int>& indices) const {
    const VarArrayData& data = ArrayOf(*this);
    const std::size_t i = LinearIndex(data, indices);
    if (data.elementType == varByte) return Variant(static_cast<std::uint8_t>(data.bytes[i]));
    return data.items[i];
}

void Variant::SetElement(const std::vector<int>& indices, const Variant& value) {
    ArrayOf(*this);
    VarArrayData& data = VariantAccess::MutableArray(*this);
    const std::size_t i = LinearIndex(data, indices);
    if (data.elementType == varVariant) {
        data.items[i] = value;
    } else {
        const Variant converted = VarAsType(value, data.elementType);
        if (data.elementType == varByte) data.bytes[i] = static_cast<char>(A::Int(converted));
        else data.items[i] = converted;
    }
}

// --- comparison --------------------------------------------------------------------------------

bool operator==(const Variant& a, const Variant& b) {
    CheckScalar(a);
    CheckScalar(b);
    if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
    return CompareScalars(a, b) == 0;
}

bool operator<(const Variant& a, const Variant& b) {
    CheckScalar(a);
    CheckScalar(b);
    if (a.IsNull() || b.IsNull()) return a.IsNull() && !b.IsNull();
    return CompareScalars(a, b) < 0;
}

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
    CheckScalar(a);
    CheckScalar(b);
    if (a.IsNull() || b.IsNull())
        return a.IsNull() && b.IsNull() ? TVariantRelationship::vrEqual : TVariantRelationship::vrNotEqual;
    const int c = CompareScalars(a, b);
    return c < 0 ? TVariantRelationship::vrLessThan
                 : (c > 0 ? TVariantRelationship::vrGreaterThan : TVariantRelationship::vrEqual);
}

bool VarSameValue(const Variant& a, const Variant& b) {
    if (a.IsArray() || b.IsArray()) return false;
    if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
    if (a.IsEmpty() || b.IsEmpty()) return a.IsEmpty() && b.IsEmpty();
    try {
        return a == b;
    } catch (const EVariantError&) {
        return false;
    }
}

// --- free functions ------------------------------------------------------------------------------

Variant Null() { return Variant::MakeNull(); }
Variant Unassigned() { return Variant(); }

TVarType VarType(const Variant& v) { return v.VarType(); }
bool VarIsNull(const Variant& v) { return v.IsNull(); }
bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
bool VarIsClear(const Variant& v) { return v.IsEmpty(); }
bool VarIsArray(const Variant& v) { return v.IsArray(); }
bool VarIsStr(const Variant& v) { return v.VarType() == varString; }
bool VarIsOrdinal(const Variant& v) { return IsIntegerKind(v.VarType()) || v.VarType() == varBoolean; }
bool VarIsFloat(const Variant& v) { return v.VarType() == varDouble || v.VarType() == varCurrency; }
bool VarIsNumeric(const Variant& v) { return VarIsOrdinal(v) || VarIsFloat(v); }

std::string VarToStr(const Variant& v) { return v.IsNull() ? std::string() : v.AsString(); }

std::string VarToStrDef(const Variant& v, const std::string& def) {
    return (v.IsNull() || v.IsEmpty()) ? def : v.AsString();
}

Variant VarAsType(const Variant& v, TVarType type) {
    if (type == v.VarType() || type == varVariant) return v;
    if (v.IsArray()) CastError(v.VarType(), type);
    switch (type) {
    case varEmpty: return Variant();
    case varNull: return Null();
    case varSmallint: return Variant(v.AsSmallint());
    case varInteger: return Variant(v.AsInteger());
    case varInt64: return Variant(static_cast<long long>(v.AsInt64()));
    case varByte: {
        if (v.IsNull()) CastError(v.VarType(), varByte);
        const std::int64_t n = ToInt64(v, varByte);
        if (n < 0 || n > 255) OverflowError(v.VarType(), varByte);
        return Variant(static_cast<std::uint8_t>(n));
    }
    case varDouble: return Variant(v.AsDouble());
    case varCurrency: return Variant(v.AsCurrency());
    case varDate: return Variant(v.AsDateTime());
    case varBoolean: return Variant(v.AsBoolean());
    case varString: return Variant(v.AsString());
    default: CastError(v.VarType(), type);
    }
}

std::string VarTypeAsText(TVarType type) {
    if (type & varArray) return "Array " + VarTypeAsText(static_cast<TVarType>(type & varTypeMask));
    switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case 0x0004: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case 0x0008: return "OleStr";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varByte: return "Byte";
    case varInt64: return "Int64";
    case varString: return "String";
    default: return "$" + IntToHex(type, 4);
    }
}

Variant VarArrayCreate(const std::vector<int>& bounds, TVarType elementType) {
    if (bounds.empty() || bounds.size() % 2 != 0 || !ValidElementType(elementType)) CreateError();
    auto data = std::make_unique<VarArrayData>();
    data->elementType = elementType;
    std::size_t count = 1;
    for (std::size_t i = 0; i < bounds.size(); i += 2) {
        if (bounds[i + 1] < bounds[i] - 1) CreateError();
        data->bounds.emplace_back(bounds[i], bounds[i + 1]);
        count *= static_cast<std::size_t>(bounds[i + 1] - bounds[i] + 1);
        if (count > (std::size_t{1} << 31)) CreateError();
    }
    if (elementType == varByte) data->bytes.assign(count, '\0');
    else data->items.assign(count, DefaultElement(elementType));
    return VariantAccess::MakeArray(std::move(data));
}

Variant VarArrayOf(std::initializer_list<Variant> values) { return VarArrayOf(std::vector<Variant>(values)); }

Variant VarArrayOf(const std::vector<Variant>& values) {
    auto data = std::make_unique<VarArrayData>();
    data->elementType = varVariant;
    data->bounds.emplace_back(0, static_cast<int>(values.size()) - 1);
    data->items = values;
    return VariantAccess::MakeArray(std::move(data));
}

int VarArrayDimCount(const Variant& v) { return v.IsArray() ? static_cast<int>(A::Array(v)->bounds.size()) : 0; }

int VarArrayLowBound(const Variant& v, int dim) {
    const VarArrayData& data = ArrayOf(v);
    if (dim < 1 || dim > static_cast<int>(data.bounds.size())) BadIndex();
    return data.bounds[static_cast<std::size_t>(dim - 1)].first;
}

int VarArrayHighBound(const Variant& v, int dim) {
    const VarArrayData& data = ArrayOf(v);
    if (dim < 1 || dim > static_cast<int>(data.bounds.size())) BadIndex();
    return data.bounds[static_cast<std::size_t>(dim - 1)].second;
}

void VarArrayRedim(Variant& v, int highBound) {
    ArrayOf(v);
    VarArrayData& data = VariantAccess::MutableArray(v);
    auto& last = data.bounds.back();
    if (highBound < last.first - 1) BadIndex();
    last.second = highBound;
    const std::size_t count = data.Count();
    if (data.elementType == varByte) data.bytes.resize(count, '\0');
    else data.items.resize(count, DefaultElement(data.elementType));
}

Variant VarArrayGet(const Variant& v, const std::vector<int>& indices) { return v.GetElement(indices); }
void VarArrayPut(Variant& v, const Variant& value, const std::vector<int>& indices) { v.SetElement(indices, value); }

Variant VarFromBytes(std::string_view bytes) {
    auto data = std::make_unique<VarArrayData>();
    data->elementType = varByte;
    data->bounds.emplace_back(0, static_cast<int>(bytes.size()) - 1);
    data->bytes.assign(bytes);
    return VariantAccess::MakeArray(std::move(data));
}

std::string VarToBytes(const Variant& v) {
    if (v.VarType() == varString) return std::string(A::Str(v));
    const VarArrayData& data = ArrayOf(v);
    if (data.elementType == varByte) return data.bytes;
    std::string out;
    out.reserve(data.items.size());
    for (const Variant& e : data.items) out += static_cast<char>(VarAsType(e, varByte).AsInteger());
    return out;
}

} // namespace tv
