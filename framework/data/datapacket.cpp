#include "framework/data/datapacket.h"

#include "core/strutils.h"

namespace tv {

std::vector<TPacketField>& TPacketFields::Own() {
    if (!items_)
        items_ = std::make_shared<std::vector<TPacketField>>();
    else if (items_.use_count() > 1)
        items_ = std::make_shared<std::vector<TPacketField>>(*items_);
    return *items_;
}

int TDataPacket::FieldIndex(const std::string& name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (SameText(fields[i].name, name)) return static_cast<int>(i);
    return -1;
}

} // namespace tv
