// Data window control: a data window placed in a window like any other
// control, in creation order, with its scripts run as events (a run-time
// error inside one takes the systemerror route).
//
// The control's own properties are the control's (dw_1.Move, dw_1.SetVisible);
// the data store is reached through the arrow: dw_1->Retrieve(),
// dw_1->Modify("t_1.Text='1'").
#pragma once

#include "runtime/dw/datawindow.h"
#include "runtime/ui/control.h"

namespace runtime {

class DataWindowControl : public Control {
public:
    DataWindowControl(ControlParent &parent, const String &name);

    DataWindow *operator->() const { return &dataWindow(); }
    DataWindow &dataWindow() const;

    // xpos and ypos in pixels of the control, the row under the pointer (0
    // outside the detail rows), the name of the object clicked ("" for none).
    Event<int, int, long, String> clicked{this, "clicked"};
};

} // namespace runtime
