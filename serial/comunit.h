#pragma once
// Start-up and shutdown of the serial-port subsystem, fourth among the units:
// its text domain joins the resource-string domains and its error messages
// are translated.
namespace tv {

void InitializeComPortUnit();
void FinalizeComPortUnit();

} // namespace tv
