// A skin folder whose master bitmap and button picture are the input,
// named by a fixed "Options.dat" of every image syntax, loaded and painted.
#include <cstdint>
#include <string>

#include "fuzz/fuzzsupport.h"
#include "fuzz/targets/skinpaint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool options = [] {
        const std::string text =
            "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nVERSION=5\n"
            "[BUTTON]\nBORDERSMASK=!boton.bmp!3!1!1\nGLYPHMASK=@0000 0000 0036 0012 3 1\n"
            "PATTERN=~0000 0012 0030 0032 01 0\nGRADIENTDATA=255;65280;50;0;0;16711680;0;100;1;0\n"
            "[PANEL]\nPARENTCLASS=BUTTON\nBORDERSMASK=^0000 0012 0030 0032 0004 0003 0004 0003 3 1 1 0\n"
            "HOTPATTERN=#(4,4,20,20) (1,0)\nTEXTURE=BOTON.BMP\n";
        tvfuzz::WriteScratch("skins/Carpeta/Options.dat", reinterpret_cast<const std::uint8_t*>(text.data()),
                             text.size());
        return true;
    }();
    (void)options;
    tvfuzz::WriteScratch("skins/Carpeta/master.bmp", data, size);
    tvfuzz::WriteScratch("skins/Carpeta/boton.bmp", data, size);
    tvfuzz::LoadAndPaintSkin("Carpeta");
    return 0;
}
