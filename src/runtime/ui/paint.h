// The paint message of a control: a class binds its own event to it to draw
// over the control (with the device contexts of runtime/win32/gdi.h) once the
// control has painted itself.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

// Raises event once the control has painted, from the event loop; paints in
// between are taken together. The event must live as long as the control.
void BindPaint(Control &control, const Event<> &event);

} // namespace runtime
