#include "app/data/numeroletras.h"

#include <array>
#include <cstdint>

#include "core/exceptions.h"
#include "core/strutils.h"

namespace tv::app {

namespace {

constexpr std::array<const char*, 10> kCentenas{"",           "CIENTO ",      "DOSCIENTOS ",  "TRESCIENTOS ",
                                                "CUATROCIENTOS ", "QUINIENTOS ", "SEISCIENTOS ", "SETECIENTOS ",
                                                "OCHOCIENTOS ", "NOVECIENTOS "};
constexpr std::array<const char*, 10> kDecenas{"", "", "VEINT", "TREINTA ", "CUARENTA ", "CINCUENTA ",
                                               "SESENTA ", "SETENTA ", "OCHENTA ", "NOVENTA "};
constexpr std::array<const char*, 10> kUnidades{"", "UN ", "DOS ", "TRES ", "CUATRO ", "CINCO ",
                                                "SEIS ", "SIETE ", "OCHO ", "NUEVE "};
constexpr std::array<const char*, 10> kDieces{"DIEZ ", "ONCE ", "DOCE ", "TRECE ", "CATORCE ", "QUINCE ",
                                              "DIECI", "DIECI", "DIECI", "DIECI"};

// Halves go to the even neighbour.
std::int64_t DivideRedondeando(std::int64_t valor, std::int64_t divisor) {
    std::int64_t q = valor / divisor, r = valor % divisor;
    if (2 * r > divisor || (2 * r == divisor && q % 2 != 0)) ++q;
    return q;
}

std::string Grupo(int n) {
    int c = n / 100, d = n / 10 % 10, u = n % 10;
    std::string s;
    s += (c == 1 && d == 0 && u == 0) ? "CIEN " : kCentenas[c];
    if (d == 1) s += kDieces[u];
    else if (d == 2) s += u != 0 ? "VEINTI" : "VEINTE ";
    else s += kDecenas[d];
    if (d > 2 && u != 0) s += "Y ";
    if (d != 1 || u >= 6) s += kUnidades[u];
    return s;
}

} // namespace

std::string numero_a_letras(Currency monto, const std::string& moneda, const std::string& fraccion,
                            const std::string& final_texto) {
    std::int64_t raw = monto.Raw();
    bool negativo = raw < 0;
    // |INT64_MIN| does not fit; such an amount is far past the limit anyway.
    std::uint64_t abs_raw = negativo ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::int64_t entero = static_cast<std::int64_t>(abs_raw / Currency::Scale);
    std::int64_t centavos = DivideRedondeando(static_cast<std::int64_t>(abs_raw % Currency::Scale), 100);
    if (centavos == 100) {  // 0,995 and up is one more whole unit
        ++entero;
        centavos = 0;
    }
    constexpr std::int64_t kLimite = 1000000000000LL;
    if (entero >= kLimite)
        throw EConvertError("El monto es demasiado grande para escribirlo en letras.");

    int grupos[4];
    for (int g = 0; g < 4; ++g) {
        grupos[g] = static_cast<int>(entero % 1000);
        entero /= 1000;
    }
    std::string texto = negativo && (abs_raw != 0) ? "MENOS " : "";
    for (int g = 3; g >= 0; --g) {
        int n = grupos[g];
        texto += Grupo(n);
        if ((g == 1 || g == 3) && n != 0) texto += "MIL ";
        // "MIL MILLONES" needs the millions word even when the millions group is zero.
        if (g == 2 && (n != 0 || grupos[3] != 0))
            texto += (n == 1 && grupos[3] == 0) ? "MILLON " : "MILLONES ";
    }
    texto += moneda + " ";
    if (centavos > 0) texto += IntToStr(centavos) + " " + fraccion;
    texto += " " + final_texto;
    return texto;
}

} // namespace tv::app
