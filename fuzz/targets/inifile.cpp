// Ini files: read, looked up, changed and written back.
#include <cstdint>
#include <string>

#include "core/exceptions.h"
#include "core/inifiles.h"
#include "core/stringlist.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tv::TMemIniFile ini(tvfuzz::WriteScratch("file.ini", data, size));
        tv::TStringList sections, values;
        ini.ReadSections(sections);
        for (int i = 0; i < sections.Count() && i < 8; ++i) {
            ini.ReadSectionValues(sections.Strings(i), values);
            ini.ReadInteger(sections.Strings(i), "COLOR", 0);
            ini.ReadFloat(sections.Strings(i), "Version", 0);
            ini.ReadDateTime(sections.Strings(i), "Fecha", 0);
        }
        if (sections.Count() > 0) ini.DeleteKey(sections.Strings(0), values.Count() ? values.Names(0) : "x");
        ini.WriteString("Nueva", "Clave", "valor");
        ini.GetStrings(values);
        ini.SetStrings(values);
    } catch (const tv::Exception&) {
    }
    return 0;
}
