// The settings store's file (a root key's HKEY_CURRENT_USER.reg), in a store
// folder of this process: its keys walked, every value read by its kind, a
// value written and the store read back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include "core/exceptions.h"
#include "core/registry.h"
#include "core/stringlist.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ownStore = [] {
        return ::setenv("TALLYVO_REGISTRY_DIR", (tvfuzz::ScratchDir() + "/registry").c_str(), 1) == 0;
    }();
    (void)ownStore;
    tvfuzz::WriteScratch("registry/HKEY_CURRENT_USER.reg", data, size);
    try {
        tv::TRegistry reg;
        tv::TStringList names;
        std::deque<std::string> keys{""};
        for (int walked = 0; !keys.empty() && walked < 64; ++walked) {
            const std::string key = keys.front();
            keys.pop_front();
            if (!reg.OpenKeyReadOnly("\\" + key)) continue;
            reg.GetValueNames(names);
            for (int i = 0; i < names.Count() && i < 16; ++i) {
                const std::string name = names.Strings(i);
                tv::TRegDataInfo info;
                if (!reg.GetDataInfo(name, info)) std::abort(); // a listed value is there
                if (info.RegData == tv::TRegDataType::rdInteger) reg.ReadInteger(name);
                else reg.ReadString(name);
            }
            reg.GetKeyNames(names);
            for (int i = 0; i < names.Count(); ++i)
                keys.push_back(key.empty() ? names.Strings(i) : key + "\\" + names.Strings(i));
        }
    } catch (const tv::Exception&) {
        return 0;  // a damaged store is refused, and stays as it is
    }
    // A store that was read is written back whole with a new value, and what
    // it writes reads back.
    try {
        tv::TRegistry writer;
        if (!writer.OpenKey("\\Software\\Orvane\\Tallyvo2008", true)) std::abort();
        writer.WriteString("Directorio", "/srv/tallyvo \"ñ\"\\\n");
        writer.WriteInteger("Numero", -7);
        tv::TRegistry reader;
        if (!reader.OpenKeyReadOnly("\\SOFTWARE\\orvane\\tallyvo2008")) std::abort();
        if (reader.ReadString("directorio") != "/srv/tallyvo \"ñ\"\\\n" || reader.ReadInteger("NUMERO") != -7)
            std::abort();
    } catch (const tv::Exception& e) {
        std::fprintf(stderr, "a store written from a store read is refused: %s\n", e.Message().c_str());
        std::abort();
    }
    return 0;
}
