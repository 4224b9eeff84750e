#pragma once
// The virtual desktop: one per process. It owns the screen surface that every
// window paints on, the desktop window, the queue and the input state. A
// display backend shows the surface and feeds input back.
#include <cairo.h>

#include <string>

#include "platform/wintypes.h"

namespace tv::win {

// The screen surface (CAIRO_FORMAT_RGB24, screen size).
cairo_surface_t* GetDesktopSurface();
int ScreenWidth();
int ScreenHeight();
// Changes the screen size: the surface is made again, the work area follows
// and every window is repainted.
void SetScreenSize(int width, int height);

// Destroys every window (the application window is made again), clears the
// queue, timers, capture, focus and key state, forgets registered classes
// other than the system ones, restores metrics and colours, and puts the
// system clock back. Tests call it between cases.
void ResetDesktop();

// Writes the desktop, or the area of one window on it, to a PNG file. Pending
// painting is done first. Returns false when the file cannot be written.
bool SaveDesktopPng(const std::string& path);
bool SaveWindowPng(HWND wnd, const std::string& path);

} // namespace tv::win
