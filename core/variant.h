#pragma once
// Variant: a value of one of the framework's variant kinds, with its rules of
// conversion and comparison. Strings are UTF-8. Arrays hold variants (or raw
// bytes when their element type is varByte) and copy by value.
//
// A variant is 16 bytes: a dataset of many rows holds one per column and row.
// Texts of up to 13 bytes are kept inline; longer texts and arrays live in a
// counted block shared by copies (a text never changes; an array is copied
// before it is changed while shared).
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "core/exceptions.h"

namespace tv {

TV_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError)
TV_DECLARE_EXCEPTION(EVariantOverflowError, EVariantError)
TV_DECLARE_EXCEPTION(EVariantInvalidOpError, EVariantError)
TV_DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError)
TV_DECLARE_EXCEPTION(EVariantNotAnArrayError, EVariantError)
TV_DECLARE_EXCEPTION(EVariantArrayCreateError, EVariantError)

using TVarType = std::uint16_t;
inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varString = 0x0100;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;

enum class TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

struct VarArrayData;

class alignas(8) Variant {
public:
    Variant() = default;
    Variant(std::int16_t v) : type_(varSmallint) { SetWord(v); }
    Variant(int v) : type_(varInteger) { SetWord(v); }
    Variant(long v) : type_(varInt64) { SetWord(v); }
    Variant(long long v) : type_(varInt64) { SetWord(v); }
    Variant(std::uint8_t v) : type_(varByte) { SetWord(v); }
    // Unsigned counts become Int64 values.
    Variant(unsigned int v) : type_(varInt64) { SetWord(v); }
    Variant(unsigned long v);
    Variant(double v) : type_(varDouble) { SetWord(std::bit_cast<std::int64_t>(v)); }
    Variant(Currency v) : type_(varCurrency) { SetWord(v.Raw()); }
    Variant(TDateTime v) : type_(varDate) { SetWord(std::bit_cast<std::int64_t>(v.Value())); }
    Variant(bool v) : type_(varBoolean) { SetWord(v ? 1 : 0); }
    Variant(const char* v);
    Variant(std::string_view v) { SetText(v); }
    Variant(const std::string& v) { SetText(v); }
    Variant(std::string&& v) { SetText(v); }

    Variant(const Variant& o) {
        std::memcpy(static_cast<void*>(this), &o, sizeof(Variant));
        if (rep_ == kShared) AddRef();
    }
    Variant(Variant&& o) noexcept {
        std::memcpy(static_cast<void*>(this), &o, sizeof(Variant));
        o.type_ = varEmpty;
        o.rep_ = 0;
    }
    // What this variant shares is let go only after the new value is taken:
    // the new value may live inside it (an element of its own array).
    Variant& operator=(const Variant& o) {
        if (rep_ == kShared) {
            Variant copy(o);
            Swap(copy);
        } else {
            std::memcpy(static_cast<void*>(this), &o, sizeof(Variant));
            if (rep_ == kShared) AddRef();
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept {
        if (rep_ == kShared) {
            Variant taken(std::move(o));
            Swap(taken);
        } else if (this != &o) {
            std::memcpy(static_cast<void*>(this), &o, sizeof(Variant));
            o.type_ = varEmpty;
            o.rep_ = 0;
        }
        return *this;
    }
    ~Variant() {
        if (rep_ == kShared) Release();
    }

    static Variant MakeNull();

    TVarType VarType() const { return type_; }
    bool IsEmpty() const { return type_ == varEmpty; }
    bool IsNull() const { return type_ == varNull; }
    bool IsArray() const { return (type_ & varArray) != 0; }

    // Conversions under the process-wide format settings. Null raises
    // EVariantTypeCastError "Could not convert variant of type (Null) into type
    // (Integer)"; Empty gives 0, false or the empty text; values out of range
    // raise EVariantOverflowError.
    std::int16_t AsSmallint() const;
    int AsInteger() const;
    std::int64_t AsInt64() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    TDateTime AsDateTime() const;
    bool AsBoolean() const;
    std::string AsString() const;

    // Elements of a one-dimensional array.
    Variant operator[](int index) const;
    void SetElement(int index, const Variant& value);
    Variant GetElement(const std::vector<int>& indices) const;
    void SetElement(const std::vector<int>& indices, const Variant& value);

    // The framework's variant comparison: Null equals only Null and orders
    // before every other value; Empty is 0 beside numbers and "" beside texts;
    // a text beside a number is read as a number. Values that cannot be
    // compared raise EVariantError.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator<(const Variant& a, const Variant& b);
    friend bool operator>(const Variant& a, const Variant& b) { return b < a; }
    friend bool operator<=(const Variant& a, const Variant& b) { return !(b < a); }
    friend bool operator>=(const Variant& a, const Variant& b) { return !(a < b); }

private:
    friend struct VariantAccess;
    static constexpr std::uint8_t kInlineText = 13;
    static constexpr std::uint8_t kShared = 0xFF;

    void Swap(Variant& o) noexcept {
        alignas(8) unsigned char t[sizeof(Variant)];
        std::memcpy(t, static_cast<void*>(this), sizeof t);
        std::memcpy(static_cast<void*>(this), &o, sizeof t);
        std::memcpy(static_cast<void*>(&o), t, sizeof t);
    }
    void SetText(std::string_view v);
    void AddRef() const;
    void Release();
    std::int64_t Word() const {
        std::int64_t w;
        std::memcpy(&w, bytes_ + 5, sizeof w);
        return w;
    }
    void SetWord(std::int64_t w) { std::memcpy(bytes_ + 5, &w, sizeof w); }

    TVarType type_ = varEmpty;
    // A text's inline length, or kShared when bytes 8-15 point to a counted
    // block (a long text or an array).
    std::uint8_t rep_ = 0;
    // The inline text, or at offset 5 (byte 8 of the variant) the value's
    // 8-byte word: an integer, a double, a boolean or the block's address.
    char bytes_[kInlineText] = {};
};
static_assert(sizeof(Variant) == 16);

Variant Null();
Variant Unassigned();

TVarType VarType(const Variant& v);
bool VarIsNull(const Variant& v);
bool VarIsEmpty(const Variant& v);
bool VarIsClear(const Variant& v);
bool VarIsArray(const Variant& v);
bool VarIsStr(const Variant& v);
bool VarIsNumeric(const Variant& v);
bool VarIsOrdinal(const Variant& v);
bool VarIsFloat(const Variant& v);
// Null and Empty give the empty text; arrays raise.
std::string VarToStr(const Variant& v);
std::string VarToStrDef(const Variant& v, const std::string& def);
Variant VarAsType(const Variant& v, TVarType type);
// "Integer", "String", "Null", "Array Variant"...
std::string VarTypeAsText(TVarType type);
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
bool VarSameValue(const Variant& a, const Variant& b);

// bounds holds low and high bound per dimension: {0, 4} is five elements.
// Raises EVariantArrayCreateError "Error creating variant or safe array".
Variant VarArrayCreate(const std::vector<int>& bounds, TVarType elementType);
Variant VarArrayOf(std::initializer_list<Variant> values);
Variant VarArrayOf(const std::vector<Variant>& values);
int VarArrayDimCount(const Variant& v);
int VarArrayLowBound(const Variant& v, int dim);
int VarArrayHighBound(const Variant& v, int dim);
// New high bound of the last dimension; existing elements are kept.
void VarArrayRedim(Variant& v, int highBound);
Variant VarArrayGet(const Variant& v, const std::vector<int>& indices);
void VarArrayPut(Variant& v, const Variant& value, const std::vector<int>& indices);

// Byte strings: a one-dimensional varByte array from 0.
Variant VarFromBytes(std::string_view bytes);
std::string VarToBytes(const Variant& v);

} // namespace tv
