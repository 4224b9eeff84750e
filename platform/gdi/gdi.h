#pragma once
// The whole drawing interface in one include, for code that draws a lot.
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/edges.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/raster.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/surfacedc.h"
#include "platform/gdi/text.h"
#include "platform/picture/bitmap.h"
