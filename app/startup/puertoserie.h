#pragma once
// The serial port's place in the running program: the events of an open port
// run in the application's message loop (modal loops included), and what a
// port cannot report to a caller (an open that fails while its window is read,
// a failing event handler) reaches the central handler, Tfdm.ENoManejada.
namespace tv::app {

// Call on the main thread once the application exists, before any window is created.
void conecte_puerto_serie();
// Undoes it; ports closed afterwards report to standard error.
void desconecte_puerto_serie();

} // namespace tv::app
