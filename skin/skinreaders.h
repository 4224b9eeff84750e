#pragma once
// The readers that fill a manager's tables, in the order images, textures,
// sections: from a skin folder's "Options.dat", from an internal skin, and
// from the manager's extra sections; then the hue and saturation tint.
#include <string>

#include "skin/skindata.h"

namespace tv {

class TsSkinManager;
class TCustomIniFile;

// Folder skins: `ini` holds "Options.dat"; relative picture names are taken
// from the manager's SkinPath. Unreadable numbers raise EConvertError.
void ReadFolderImages(TsSkinManager& sm, TCustomIniFile& ini);
void ReadFolderTextures(TsSkinManager& sm, TCustomIniFile& ini);
void ReadFolderSections(TsSkinManager& sm, TCustomIniFile& ini);

// Internal skins: the stored skin named SkinName; none leaves the tables as they are.
void ReadInternalImages(TsSkinManager& sm);
void ReadInternalTextures(TsSkinManager& sm);
void ReadInternalSections(TsSkinManager& sm);

// The manager's CommonSections, added after the skin's own data.
void ReadCommonImages(TsSkinManager& sm);
void ReadCommonTextures(TsSkinManager& sm);
void ReadCommonSections(TsSkinManager& sm);

// Applies the manager's HueOffset, then its Saturation, to the loaded skin.
void TintSkin(TsSkinManager& sm);

// A value "word (left, top, right, bottom) (count, mask[, border[, drawmode]])":
// a rectangle of the master bitmap; "PATTERN" and "HOTPATTERN" give textures.
TsMaskData ParseMasterRectValue(const std::string& section, const std::string& key, const std::string& value);

// A picture file of the skin: relative names are taken from the skin folder.
std::string SkinFileName(const TsSkinManager& sm, const std::string& name);

} // namespace tv
