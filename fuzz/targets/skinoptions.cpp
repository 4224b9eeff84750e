// A skin's "Options.dat", in a folder with a master bitmap and a picture its
// lines may name, loaded and painted.
#include <cstdint>
#include <vector>

#include "fuzz/fuzzsupport.h"
#include "fuzz/targets/skinpaint.h"
#include "platform/gdi/objects.h"
#include "platform/picture/bitmapobject.h"
#include "platform/picture/bitmap.h"
#include "platform/picture/picturefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool pictures = [] {
        tv::win::HBITMAP b = tv::win::CreateDIBitmap(64, 32, 24);
        std::vector<tv::win::BYTE> bmp = tv::win::WriteBmp(b);
        tv::win::DeleteObject(b);
        for (const char* name : {"skins/Opciones/master.bmp", "skins/Opciones/boton.bmp"})
            tvfuzz::WriteScratch(name, bmp.data(), bmp.size());
        return true;
    }();
    (void)pictures;
    tvfuzz::WriteScratch("skins/Opciones/Options.dat", data, size);
    tvfuzz::LoadAndPaintSkin("Opciones");
    return 0;
}
