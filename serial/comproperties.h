#pragma once
// The names of the port's enumerations and sets as stored forms write them.
#include "core/properties.h"

namespace tv {

extern const TEnumInfo BaudRateInfo;
extern const TEnumInfo StopBitsInfo;
extern const TEnumInfo DataBitsInfo;
extern const TEnumInfo ParityBitsInfo;
extern const TEnumInfo DTRFlowControlInfo;
extern const TEnumInfo RTSFlowControlInfo;
extern const TEnumInfo FlowControlInfo;
extern const TEnumInfo ComEventInfo;
extern const TEnumInfo SyncMethodInfo;

} // namespace tv
