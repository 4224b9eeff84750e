// Amounts in words for printed documents.
#include <gtest/gtest.h>

#include "app/data/numeroletras.h"
#include "core/exceptions.h"

using tv::Currency;

namespace {
std::string Letras(Currency monto) { return tv::app::numero_a_letras(monto, "PESOS", "CENTAVOS", "M/CTE."); }
Currency Pesos(long long entero, int centesimos = 0) { return Currency::FromRaw(entero * 10000 + centesimos * 100); }
} // namespace

TEST(NumeroALetras, WordsAcrossTheRanges) {
    struct Caso {
        Currency monto;
        const char* palabras;  // before the currency name
    };
    const Caso casos[] = {
        {Pesos(1), "UN "},
        {Pesos(7), "SIETE "},
        {Pesos(10), "DIEZ "},
        {Pesos(11), "ONCE "},
        {Pesos(15), "QUINCE "},
        {Pesos(16), "DIECISEIS "},
        {Pesos(19), "DIECINUEVE "},
        {Pesos(20), "VEINTE "},
        {Pesos(21), "VEINTIUN "},
        {Pesos(29), "VEINTINUEVE "},
        {Pesos(30), "TREINTA "},
        {Pesos(31), "TREINTA Y UN "},
        {Pesos(99), "NOVENTA Y NUEVE "},
        {Pesos(100), "CIEN "},
        {Pesos(101), "CIENTO UN "},
        {Pesos(115), "CIENTO QUINCE "},
        {Pesos(500), "QUINIENTOS "},
        {Pesos(999), "NOVECIENTOS NOVENTA Y NUEVE "},
        {Pesos(1000), "UN MIL "},
        {Pesos(1100), "UN MIL CIEN "},
        {Pesos(21000), "VEINTIUN MIL "},
        {Pesos(100000), "CIEN MIL "},
        {Pesos(1000000), "UN MILLON "},
        {Pesos(2000000), "DOS MILLONES "},
        {Pesos(1234567), "UN MILLON DOSCIENTOS TREINTA Y CUATRO MIL QUINIENTOS SESENTA Y SIETE "},
        {Pesos(1000000000), "UN MIL MILLONES "},
        {Pesos(2500000000), "DOS MIL QUINIENTOS MILLONES "},
        {Pesos(1001000000), "UN MIL UN MILLONES "},
        {Pesos(999999999999), "NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS "
                              "NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE "},
    };
    for (const Caso& c : casos) EXPECT_EQ(Letras(c.monto), std::string(c.palabras) + "PESOS  M/CTE.") << c.palabras;
}

TEST(NumeroALetras, HundredthsAndTheSettingsTexts) {
    EXPECT_EQ(Letras(Pesos(0)), "PESOS  M/CTE.");
    EXPECT_EQ(Letras(Pesos(0, 50)), "PESOS 50 CENTAVOS M/CTE.");
    EXPECT_EQ(Letras(Pesos(120, 5)), "CIENTO VEINTE PESOS 5 CENTAVOS M/CTE.");
    EXPECT_EQ(tv::app::numero_a_letras(Pesos(3, 25), "DOLARES", "CENTS", "US"), "TRES DOLARES 25 CENTS US");
    // Hundredths round half to even: 0,125 is 12, 0,135 is 14.
    EXPECT_EQ(Letras(Currency::FromRaw(1250)), "PESOS 12 CENTAVOS M/CTE.");
    EXPECT_EQ(Letras(Currency::FromRaw(1350)), "PESOS 14 CENTAVOS M/CTE.");
}

TEST(NumeroALetras, HundredthsThatRoundToAHundredCarry) {
    EXPECT_EQ(Letras(Currency::FromRaw(99 * 10000 + 9960)), "CIEN PESOS  M/CTE.");
    EXPECT_EQ(Letras(Currency::FromRaw(9950)), "UN PESOS  M/CTE.");
}

TEST(NumeroALetras, NegativeAndTooLargeAmounts) {
    EXPECT_EQ(Letras(-Pesos(21, 50)), "MENOS VEINTIUN PESOS 50 CENTAVOS M/CTE.");
    EXPECT_THROW(Letras(Pesos(1000000000000)), tv::EConvertError);
    EXPECT_THROW(Letras(Currency::MaxValue()), tv::EConvertError);
    EXPECT_THROW(Letras(Currency::MinValue()), tv::EConvertError);
}
