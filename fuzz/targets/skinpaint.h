#pragma once
// Loading a skin folder of the scratch folder into a manager, then painting
// each of its images and sections the way controls do.
#include <string>

namespace tvfuzz {

// The folder "<scratch>/skins/<name>" must hold Options.dat.
void LoadAndPaintSkin(const std::string& name);

} // namespace tvfuzz
