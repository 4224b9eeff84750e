#pragma once
// The program's units, registered explicitly so that the linker keeps them:
// the skinning, translation and serial-port units in their start-up order, and the
// classes the stored definitions of the data modules name.
namespace tv::app {

// Registers every unit and class; call before tv::InitializeUnits.
void registre_unidades();

} // namespace tv::app
