// The NIT check digit by modulus 11.
#include <gtest/gtest.h>

#include "app/data/digitoverificacion.h"
#include "core/exceptions.h"

using tv::app::digito_verificacion;

TEST(DigitoVerificacion, KnownNits) {
    struct Caso {
        const char* nit;
        int dv;
    };
    const Caso casos[] = {
        {"12345", 8}, {"1", 8}, {"10", 4}, {"4", 1} /* remainder 1 stands */, {"0", 0}, {"", 0}, {"900", 4},
        // published NITs
        {"800197268", 4},  // DIAN, the tax authority
        {"890903938", 8},  // Bancolombia
        {"899999068", 1},  // Ecopetrol
        {"890904996", 1},  // Empresas Públicas de Medellín
        {"890900608", 9},  // Almacenes Éxito
        {"860034313", 7},  // Davivienda
        {"890100577", 6},  // Avianca
    };
    for (const Caso& c : casos) EXPECT_EQ(digito_verificacion(c.nit), c.dv) << c.nit;
}

TEST(DigitoVerificacion, FifteenDigitsUseEveryWeight) {
    // 1 followed by fourteen zeros: only the last weight, 71, counts: 71 mod 11 = 5, 11 - 5 = 6.
    EXPECT_EQ(digito_verificacion("100000000000000"), 6);
    EXPECT_EQ(digito_verificacion("000000000000001"), 8);
}

TEST(DigitoVerificacion, AnyCharacterThatIsNoDigitRaisesTheConversionError) {
    for (const char* nit : {"800.197.268", "800 197 268", " 900", "900-1", "80019726A", "8001'97268", "+900"}) {
        try {
            digito_verificacion(nit);
            ADD_FAILURE() << nit << " gave a digit";
        } catch (const tv::EConvertError& e) {
            EXPECT_NE(std::string(e.Message()).find("is not a valid integer value"), std::string::npos) << e.Message();
        }
    }
    EXPECT_THROW(digito_verificacion("1234567890123456"), tv::EConvertError);
}
