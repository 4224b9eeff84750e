// The Spanish texts the central handler shows for the messages it knows.
#include <gtest/gtest.h>

#include "app/data/textoserror.h"

using namespace tv::app;

TEST(TextosError, DriverConnectionTexts) {
    const std::pair<const char*, const char*> casos[] = {
        {"dbExpress Error: Your user name and password are not defined. Ask your database administrator",
         "El nombre de Usuario o la clave son incorrectas."},
        {"dbExpress Error: I/O error for file \"/srv/datos/001/tallyvo.fdb\"\nError while trying to open file",
         "No se encontró el archivo o la ruta /srv/datos/001/tallyvo.fdb"},
        {"dbExpress Error: Unable to complete network request to host \"caja9\".",
         "No se encontró el equipo servidor con nombre caja9"},
        {"dbExpress Error: Connection failed",
         "No se encontró el servidor Interbase/Firebird. Verifique Servidor en panel de control y puerto TCP 3050."},
        {"dbExpress Error: something else", "Se presento el siguiente error: dbExpress Error: something else"},
        // Only driver messages are translated, whatever they contain.
        {"Your user name and password are not defined",
         "Se presento el siguiente error: Your user name and password are not defined"},
        {"dbExpress Error: I/O error for file", "No se encontró el archivo o la ruta "},
        // A file the server's account may not open exists: it is told as a refusal.
        {"dbExpress Error: I/O error for file \"/srv/datos/general.fdb\"\nError while trying to open file\n"
         "Permission denied",
         "No hay permiso para abrir el archivo /srv/datos/general.fdb. Verifique el dueño y los permisos del archivo y "
         "de sus carpetas: con un servidor, los debe poder leer y escribir la cuenta del servidor (firebird)."},
        // A file held by another program exists: it is not reported as missing.
        {"dbExpress Error: I/O error for file \"/srv/datos/001/tallyvo.fdb\"\nDatabase already opened with engine "
         "instance, incompatible with current",
         "La base de datos /srv/datos/001/tallyvo.fdb está abierta por otro programa. Ciérrelo y vuelva a intentar."},
        // A lost connection reads in Spanish whichever prefix it comes with.
        {"SQL Server Error: Error writing data to the connection.\nsend_packet/send",
         "Se perdió la conexión con el servidor de la base de datos. Verifique que el servidor esté funcionando y "
         "repita la operación."},
        {"dbExpress Error: Error reading data from the connection.",
         "Se perdió la conexión con el servidor de la base de datos. Verifique que el servidor esté funcionando y "
         "repita la operación."},
    };
    for (const auto& [mensaje, texto] : casos) EXPECT_EQ(texto_error_general(mensaje), texto) << mensaje;
}

TEST(TextosError, KeyViolationsOnlyAtCharacters19To38) {
    EXPECT_EQ(texto_error_proveedor("SQL Server Error: violation of PRIMARY or UNIQUE KEY constraint", "QArticulos"),
              "Ya existe el registro en la tabla Articulos");
    EXPECT_EQ(texto_error_proveedor("SQL Server Error: violation of FOREIGN KEY constraint \"FK_X\"", "TPrecios"),
              "Está borrando o insertando un registro en la tabla Precios que tiene una relación con otra tabla.");
    const std::string desplazado = "SQL Server Error:  violation of PRIMARY or UNIQUE KEY";
    EXPECT_EQ(texto_error_proveedor(desplazado, "QArticulos"), desplazado);
}

TEST(TextosError, StatementsSentAsCommandsMeetTheSameTextsAndLongValuesAreNamed) {
    const std::pair<const char*, const char*> casos[] = {
        {"SQL Server Error: violation of FOREIGN KEY constraint \"FK_MOAR_ARTICULO\" on table "
         "\"MOVIMIENTO_ARTICULO\"\nForeign key references are present for the record",
         "Está borrando o insertando un registro en la tabla MOVIMIENTO_ARTICULO que tiene una relación con otra "
         "tabla."},
        {"SQL Server Error: violation of PRIMARY or UNIQUE KEY constraint \"PK_ARTICULO\" on table \"ARTICULO\"",
         "Ya existe el registro en la tabla ARTICULO"},
        {"SQL Server Error: violation of FOREIGN KEY constraint",
         "Se presento el siguiente error: SQL Server Error: violation of FOREIGN KEY constraint"},
        {"SQL Server Error: Dynamic SQL Error\nSQL error code = -303\narithmetic exception, numeric overflow, or "
         "string truncation\nstring right truncation\nexpected length 20, actual 26",
         "El texto es más largo de lo que admite la base de datos (admite 20 caracteres y tiene 26)."},
        {"SQL Server Error: arithmetic exception, numeric overflow, or string truncation\nstring right truncation",
         "El texto es más largo de lo que admite la base de datos."},
        // Elsewhere in the message the words are the message's own.
        {"Otro: violation of FOREIGN KEY", "Se presento el siguiente error: Otro: violation of FOREIGN KEY"},
    };
    for (const auto& [mensaje, texto] : casos) EXPECT_EQ(texto_error_general(mensaje), texto) << mensaje;
}

TEST(TextosError, TextBetweenTheFirstTwoQuotes) {
    EXPECT_EQ(texto_entre_comillas("a \"b\" \"c\""), "b");
    EXPECT_EQ(texto_entre_comillas("sin comillas"), "");
    EXPECT_EQ(texto_entre_comillas("abierta \"hasta el final"), "hasta el final");
}
