// Mouse capture and the pointer's position, as the operating system offers
// them to a program.
//
// While a window holds the capture, every mouse message of the program goes
// to it, with positions relative to it, wherever the pointer is. The capture
// ends when it is released, when another window takes it, when the window is
// disabled or its top-level window closes, and when a modal window or a
// pop-up menu shuts it out; whatever ends it, the window that held it is
// told at once with the capture-changed message (BindCaptureChanged in
// runtime/win32/mouse.h). The pointer position is that of the last mouse
// message the program saw, in screen pixels.
#pragma once

#include "runtime/win32/handles.h"

namespace runtime {

// A point in pixels.
struct Point {
    long x = 0;
    long y = 0;
};

// Gives the capture to the window of hwnd; returns the handle of the window
// that held it before, 0 when none did (or hwnd is no window). A window that
// loses the capture this way is told.
WindowHandle SetCapture(WindowHandle hwnd);
// Ends the capture, whichever window holds it, and tells that window. True.
bool ReleaseCapture();
// The window that holds the capture, 0 when none does.
WindowHandle GetCapture();

// Marks the window of hwnd, with the windows inside it, as one that follows
// the pointer by its own mouse messages: while no window holds the capture,
// each message goes to the window under the pointer, also while a mouse
// button is held down, as the operating system delivers them.
void FollowThePointer(WindowHandle hwnd);

// The type of the Qt event by which a widget learns that it lost the capture.
int CaptureChangedEventType();

// The pointer's position on the screen: where the last mouse message of the
// program found it (before any, where the system puts it). True.
bool GetCursorPos(Point &point);
// Turns a point from screen pixels into pixels of the client area of hwnd;
// false (the point unchanged) for a handle that is no window.
bool ScreenToClient(WindowHandle hwnd, Point &point);

} // namespace runtime
