// Mouse capture and the pointer's position, as the operating system offers
// them to a program.
//
// While a window holds the capture, every mouse message of the program goes
// to it, with positions relative to it, wherever the pointer is, until it is
// released or the window is disabled or shut out by a modal window. The pointer
// position is that of the last mouse message the program saw, in screen
// pixels.
#pragma once

#include "runtime/win32/handles.h"

namespace runtime {

// A point in pixels.
struct Point {
    long x = 0;
    long y = 0;
};

// Gives the capture to the window of hwnd; returns the handle of the window
// that held it before, 0 when none did (or hwnd is no window).
WindowHandle SetCapture(WindowHandle hwnd);
// Ends the capture, whichever window holds it. True.
bool ReleaseCapture();
// The window that holds the capture, 0 when none does.
WindowHandle GetCapture();

// The pointer's position on the screen: where the last mouse message of the
// program found it (before any, where the system puts it). True.
bool GetCursorPos(Point &point);
// Turns a point from screen pixels into pixels of the client area of hwnd;
// false (the point unchanged) for a handle that is no window.
bool ScreenToClient(WindowHandle hwnd, Point &point);

} // namespace runtime
