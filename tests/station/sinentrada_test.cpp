// A station with no one at it: its loop waits for input that can never come.
#include "estacion.h"

#include "framework/ui/application.h"

namespace {

class SinEntrada : public estacion::EstacionTest {};

// Nothing is scripted, no timer runs and no thread can wake the loop: the
// login waits for nothing. That is said once, in the error log, and the
// program's loops end instead of saying it again and again.
TEST_F(SinEntrada, AWaitForInputThatCanNeverComeIsSaidOnceAndEndsTheProgram) {
    EXPECT_NO_THROW(tv::Application->Run());
    EXPECT_TRUE(tv::Application->Terminated());
    std::string errores = Lea("ERRORES.TXT");
    const std::string texto = "El bucle de mensajes espera una entrada que nunca llegará";
    size_t veces = 0;
    for (size_t at = errores.find(texto); at != std::string::npos; at = errores.find(texto, at + 1)) ++veces;
    EXPECT_EQ(veces, 1u) << errores;
}

} // namespace
