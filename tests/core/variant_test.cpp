#include <gtest/gtest.h>

#include "formatsettings_guard.h"
#include "core/variant.h"

using namespace tv;

namespace {

class VariantTest : public FormatSettingsTest {
protected:
    void SetUp() override {
        FormatSettingsTest::SetUp();
        FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    }
};

template <class F>
std::string ErrorOf(F&& f) {
    try {
        f();
    } catch (const EVariantError& e) {
        return e.Message();
    }
    return "no error";
}

TEST_F(VariantTest, KindsAndTypes) {
    EXPECT_EQ(VarType(Variant()), varEmpty);
    EXPECT_EQ(VarType(Null()), varNull);
    EXPECT_EQ(VarType(Variant(std::int16_t{3})), varSmallint);
    EXPECT_EQ(VarType(Variant(3)), varInteger);
    EXPECT_EQ(VarType(Variant(3LL)), varInt64);
    EXPECT_EQ(VarType(Variant(std::size_t{3})), varInt64);
    EXPECT_EQ(Variant(4000000000u).AsInt64(), 4000000000LL);
    EXPECT_EQ(VarType(Variant(1.5)), varDouble);
    EXPECT_EQ(VarType(Variant(Currency(2))), varCurrency);
    EXPECT_EQ(VarType(Variant(TDateTime(45000.5))), varDate);
    EXPECT_EQ(VarType(Variant(true)), varBoolean);
    EXPECT_EQ(VarType(Variant("texto")), varString);
    EXPECT_TRUE(VarIsNull(Null()));
    EXPECT_TRUE(VarIsEmpty(Unassigned()));
    EXPECT_FALSE(VarIsNull(Variant()));
    EXPECT_EQ(VarTypeAsText(varArray | varVariant), "Array Variant");
}

TEST_F(VariantTest, ConversionsFollowTheFrameworkRules) {
    UseDotDecimals();
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_EQ(Variant("2.5").AsInteger(), 2);      // halves to even
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_EQ(Variant().AsInteger(), 0);
    EXPECT_DOUBLE_EQ(Variant("1234.5").AsDouble(), 1234.5);
    EXPECT_EQ(Variant("19.99").AsCurrency().Raw(), 199900);
    EXPECT_EQ(Variant(Currency::FromRaw(25000)).AsInteger(), 2);
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_EQ(Variant(1.5).AsString(), "1.5");
    EXPECT_EQ(Variant(Currency::FromRaw(12345)).AsString(), "1.2345");
    EXPECT_EQ(Variant(false).AsString(), "False");
    EXPECT_EQ(Variant(EncodeDate(2024, 1, 9)).AsString(), "2024/01/09");
    EXPECT_EQ(Variant("2024/01/09").AsDateTime(), EncodeDate(2024, 1, 9));
    EXPECT_EQ(VarToStr(Null()), "");
    EXPECT_EQ(VarToStrDef(Null(), "-"), "-");
    EXPECT_EQ(VarAsType(Variant("7"), varInteger).VarType(), varInteger);
    EXPECT_EQ(Variant("ñandú").AsString(), "ñandú");
    // The settings decide how texts read.
    ResetFormatSettings();
    EXPECT_DOUBLE_EQ(Variant("1,5").AsDouble(), 1.5);
}

TEST_F(VariantTest, FailedConversionsRaiseTheFrameworkTexts) {
    EXPECT_EQ(ErrorOf([] { Null().AsInteger(); }), "Could not convert variant of type (Null) into type (Integer)");
    EXPECT_EQ(ErrorOf([] { Null().AsDouble(); }), "Could not convert variant of type (Null) into type (Double)");
    EXPECT_EQ(ErrorOf([] { Null().AsString(); }), "Could not convert variant of type (Null) into type (String)");
    EXPECT_EQ(ErrorOf([] { Variant("abc").AsInteger(); }),
              "Could not convert variant of type (String) into type (Integer)");
    EXPECT_EQ(ErrorOf([] { Variant("abc").AsDateTime(); }),
              "Could not convert variant of type (String) into type (Date)");
    EXPECT_EQ(ErrorOf([] { Variant(5000000000LL).AsInteger(); }),
              "Overflow while converting variant of type (Int64) into type (Integer)");
    EXPECT_EQ(ErrorOf([] { Variant(1e300).AsCurrency(); }),
              "Overflow while converting variant of type (Double) into type (Currency)");
    EXPECT_EQ(ErrorOf([] { VarArrayOf({1, 2}).AsString(); }),
              "Could not convert variant of type (Array Variant) into type (String)");
}

TEST_F(VariantTest, ComparisonsWithNullAndMixedKinds) {
    UseDotDecimals();
    EXPECT_TRUE(Null() == Null());
    EXPECT_FALSE(Null() == Variant(0));
    EXPECT_FALSE(Null() == Variant());
    EXPECT_TRUE(Null() < Variant(-100));
    EXPECT_FALSE(Variant(-100) < Null());
    EXPECT_EQ(VarCompareValue(Null(), Variant(1)), TVariantRelationship::vrNotEqual);
    EXPECT_EQ(VarCompareValue(Null(), Null()), TVariantRelationship::vrEqual);
    EXPECT_TRUE(Variant() == Variant(0));
    EXPECT_TRUE(Variant() == Variant(""));
    EXPECT_TRUE(Variant() == Variant());
    EXPECT_TRUE(Variant(3) == Variant(3.0));
    EXPECT_TRUE(Variant(3) == Variant(Currency(3)));
    EXPECT_TRUE(Variant("10") == Variant(10));
    EXPECT_TRUE(Variant("9") < Variant(10));       // read as a number beside a number
    EXPECT_TRUE(Variant("10") < Variant("9"));     // texts compare as texts
    EXPECT_FALSE(Variant("abc") == Variant("ABC"));
    EXPECT_TRUE(Variant("árbol") < Variant("bote"));
    EXPECT_TRUE(Variant(Currency::FromRaw(1)) > Variant(0));
    EXPECT_TRUE(Variant(9007199254740993LL) > Variant(9007199254740992LL));
    EXPECT_THROW((void)(Variant("abc") == Variant(1)), EVariantTypeCastError);
    EXPECT_THROW((void)(VarArrayOf({1}) == Variant(1)), EVariantError);
    EXPECT_FALSE(VarSameValue(Variant("abc"), Variant(1)));
    EXPECT_TRUE(VarSameValue(Null(), Null()));
}

TEST_F(VariantTest, VariantArrays) {
    Variant a = VarArrayOf({1, "dos", Null()});
    EXPECT_TRUE(VarIsArray(a));
    EXPECT_EQ(VarType(a), varArray | varVariant);
    EXPECT_EQ(VarArrayDimCount(a), 1);
    EXPECT_EQ(VarArrayLowBound(a, 1), 0);
    EXPECT_EQ(VarArrayHighBound(a, 1), 2);
    EXPECT_EQ(a[1].AsString(), "dos");
    EXPECT_TRUE(VarIsNull(a[2]));

    // Arrays copy by value.
    Variant b = a;
    b.SetElement(0, 100);
    EXPECT_EQ(a[0].AsInteger(), 1);
    EXPECT_EQ(b[0].AsInteger(), 100);

    Variant m = VarArrayCreate({1, 2, 0, 2}, varInteger);
    EXPECT_EQ(VarArrayDimCount(m), 2);
    EXPECT_EQ(VarArrayGet(m, {2, 2}).AsInteger(), 0);
    VarArrayPut(m, Variant("7"), {2, 1});
    EXPECT_EQ(VarArrayGet(m, {2, 1}).VarType(), varInteger);
    EXPECT_EQ(VarArrayGet(m, {2, 1}).AsInteger(), 7);
    VarArrayRedim(m, 4);
    EXPECT_EQ(VarArrayHighBound(m, 2), 4);
    EXPECT_EQ(VarArrayGet(m, {2, 1}).AsInteger(), 7);
    EXPECT_EQ(VarArrayGet(m, {1, 4}).AsInteger(), 0);

    Variant empty = VarArrayCreate({0, -1}, varVariant);
    EXPECT_EQ(VarArrayHighBound(empty, 1), -1);

    EXPECT_EQ(ErrorOf([&] { a[3]; }), "Variant or safe array index out of bounds");
    EXPECT_EQ(ErrorOf([&] { VarArrayGet(m, {1}); }), "Variant or safe array index out of bounds");
    EXPECT_EQ(ErrorOf([&] { VarArrayLowBound(a, 2); }), "Variant or safe array index out of bounds");
    EXPECT_EQ(ErrorOf([] { Variant(5)[0]; }), "Variant is not an array");
    EXPECT_EQ(ErrorOf([] { VarArrayCreate({0}, varInteger); }), "Error creating variant or safe array");
    EXPECT_EQ(ErrorOf([] { VarArrayCreate({3, 1}, varInteger); }), "Error creating variant or safe array");
    EXPECT_EQ(ErrorOf([&] { VarArrayPut(m, Variant("x"), {1, 1}); }),
              "Could not convert variant of type (String) into type (Integer)");
}

// Short texts sit in the variant itself and long ones in a block shared by
// copies: both must behave as plain values, across the limit and when a copy
// changes, moves or outlives the original.
TEST_F(VariantTest, TextsOfEveryLengthAreValues) {
    const std::string nul("a\0b", 3);
    for (const std::string& text : {std::string(), nul, std::string(13, 'x'), std::string(14, 'y'),
                                    std::string("Artículo de prueba número 12345"), std::string(5000, 'z')}) {
        SCOPED_TRACE(text.size());
        Variant v(text);
        EXPECT_EQ(v.AsString(), text);
        EXPECT_EQ(VarToBytes(v), text);
        Variant copy = v;
        Variant moved = std::move(copy);
        EXPECT_TRUE(VarIsEmpty(copy));
        EXPECT_TRUE(moved == v);
        v = Variant(1);
        EXPECT_EQ(moved.AsString(), text); // the copy outlives what it was taken from
        Variant& same = moved;
        moved = same;
        moved = std::move(same);
        EXPECT_EQ(moved.AsString(), text);
        EXPECT_EQ(Variant(std::string(text)).AsString(), text);
    }
    EXPECT_TRUE(Variant(std::string(13, 'a')) < Variant(std::string(14, 'a')));
    EXPECT_TRUE(Variant(std::string(20, 'b')) > Variant(std::string(13, 'a')));
    EXPECT_DOUBLE_EQ(Variant(std::string(20, '7')).AsDouble(), 77777777777777777777.0);

    // An array of long texts copies by value; an element assigned over its own array survives it.
    Variant a = VarArrayOf({std::string(40, 'p'), VarArrayOf({std::string(30, 'q')})});
    Variant b = a;
    Variant inner = b[1];
    inner.SetElement(0, "corto");
    b.SetElement(1, inner);
    b.SetElement(0, "otro");
    EXPECT_EQ(a[0].AsString(), std::string(40, 'p'));
    EXPECT_EQ(a[1][0].AsString(), std::string(30, 'q'));
    EXPECT_EQ(b[1][0].AsString(), "corto");
    a = a[0];
    EXPECT_EQ(a.AsString(), std::string(40, 'p'));
}

TEST_F(VariantTest, ByteStrings) {
    const std::string bytes("\x00\xff\x10png", 6);
    Variant v = VarFromBytes(bytes);
    EXPECT_EQ(VarType(v), varArray | varByte);
    EXPECT_EQ(VarArrayHighBound(v, 1), 5);
    EXPECT_EQ(v[1].AsInteger(), 255);
    EXPECT_EQ(VarToBytes(v), bytes);
    v.SetElement(0, 65);
    EXPECT_EQ(VarToBytes(v)[0], 'A');
    EXPECT_THROW(v.SetElement(0, 300), EVariantOverflowError);
    EXPECT_EQ(VarToBytes(VarArrayOf({65, 66})), "AB");
}

} // namespace
