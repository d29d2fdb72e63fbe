// Mouse messages of a control. A class binds its own events to them:
//
//     BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
//
// flags are the mouse-key state (1 left button, 2 right, 4 shift, 8 control,
// 16 middle); xpos and ypos the pointer relative to the control in window
// units, while the control holds the mouse capture also from outside it. A
// disabled control receives none: its parent gets them instead.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

using MouseEvent = Event<unsigned long, int, int>;

enum class MouseMessage { MouseMove, LButtonDown, LButtonUp };

// Raises event for every such message of the control; the event must live as
// long as the control. Bind after the control's own children are made.
void BindMouse(Control &control, MouseMessage message, const MouseEvent &event);

} // namespace runtime
