#pragma once
// Start-up and shutdown of the skin library: its classes registered for
// stored definitions, and its process-wide values.
namespace tv {

// Counted: the first call starts the unit, the matching last call ends it.
void InitializeSkinUnit();
void FinalizeSkinUnit();

// Width of a scroll-bar arrow, read from the system metrics at start-up.
int SkinScrollArrowWidth();
// Windows of this system are all of the NT family.
constexpr bool IsNTFamily = true;

} // namespace tv
