#include "framework/data/datapacket.h"

#include "core/strutils.h"

namespace tv {

int TDataPacket::FieldIndex(const std::string& name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (SameText(fields[i].name, name)) return static_cast<int>(i);
    return -1;
}

} // namespace tv
