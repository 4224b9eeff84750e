#pragma once
// The whole window system in one include, for code that talks in windows and
// messages.
#include "platform/region.h"
#include "platform/window/cursor.h"
#include "platform/window/defwindowproc.h"
#include "platform/window/desktop.h"
#include "platform/window/input.h"
#include "platform/window/mdi.h"
#include "platform/window/menu.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"
