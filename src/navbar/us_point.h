// A point in pixels, as the pointer functions fill it, and the test the bar's
// buttons and headers make after a button-up: has the pointer left me?
#pragma once

#include "runtime/ui/control.h"
#include "runtime/win32/capture.h"

using us_point = runtime::Point;

// Reads the pointer into curpos, in the pixels of the control's parent, and
// tells whether it lies outside the control. False when the pointer cannot
// be read.
bool of_pointerleft(runtime::Control &control, us_point &curpos);
