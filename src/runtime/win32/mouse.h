// Mouse messages of a control. A class binds its own events to them:
//
//     BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
//
// flags are the mouse-key state (1 left button, 2 right, 4 shift, 8 control,
// 16 middle); xpos and ypos the pointer relative to the control in window
// units, while the control holds the mouse capture also from outside it.
// Without a capture a message goes to the control under the pointer, also
// while a button is held down. A disabled control receives none: its parent
// gets them instead.
//
// A control that takes the mouse capture learns that it has lost it, whoever
// ended it, from the capture-changed message:
//
//     BindCaptureChanged(*this, ue_capturechanged);
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

using MouseEvent = Event<unsigned long, int, int>;

enum class MouseMessage { MouseMove, LButtonDown, LButtonUp };

// Raises event for every such message of the control; the event must live as
// long as the control. Bind after the control's own children are made.
void BindMouse(Control &control, MouseMessage message, const MouseEvent &event);

// Raises event each time the control stops holding the mouse capture: when it
// releases it itself, when another control takes it, when the control is
// disabled or its window closes, and when a modal window or a pop-up menu
// shuts its window out. The event must live as long as the control.
void BindCaptureChanged(Control &control, const Event<> &event);

} // namespace runtime
