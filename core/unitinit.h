#pragma once
// Start-up and shutdown of the program's units as an explicit ordered list.
// Each subsystem registers an initialisation and a finalisation under a rank;
// InitializeUnits runs them by rank (then by name), FinalizeUnits runs the
// finalisations of those that ran, in reverse. The order in which static
// objects happen to be built never decides anything.
#include <functional>
#include <string>
#include <vector>

namespace tv {

// Ranks that follow the program's start-up order.
enum TUnitRank : int {
    urCore = 0,
    urSkinning = 100,
    urGrid = 200,
    urTranslation = 300,
    urSerialPort = 400,
    urOther = 1000
};

// Registers a unit; a name already registered is replaced. Either function may
// be empty. A unit registered after InitializeUnits ran is initialised at once.
void RegisterUnit(const std::string& name, int rank, std::function<void()> init, std::function<void()> finalize);
void UnregisterUnit(const std::string& name);

// Runs the initialisations not yet run, in order. When one raises, the
// exception passes on; the units initialised before it stay initialised and
// are finalised by FinalizeUnits.
void InitializeUnits();
// Runs the finalisations of the initialised units in reverse order; a failing
// finalisation does not stop the others (the first exception passes on at the end).
void FinalizeUnits();
bool UnitsInitialized();
// Names of the registered units in the order InitializeUnits runs them.
std::vector<std::string> UnitOrder();

// Registers a unit from a static object: TV_UNIT(grid, tv::urGrid, &Init, &Done);
struct TUnitRegistrar {
    TUnitRegistrar(const char* name, int rank, void (*init)(), void (*finalize)()) {
        RegisterUnit(name, rank, init ? std::function<void()>(init) : nullptr,
                     finalize ? std::function<void()>(finalize) : nullptr);
    }
};
#define TV_UNIT(Name, Rank, Init, Finalize) \
    static ::tv::TUnitRegistrar tvUnitRegistrar_##Name{#Name, Rank, Init, Finalize};

} // namespace tv
