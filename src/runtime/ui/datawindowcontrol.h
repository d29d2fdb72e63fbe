// A data window as a control of a window: the data window widget stands
// among the window's controls, and its scripts run like every other event
// script, through the systemerror route.
//
//     runtime::DataWindowControl dw_1{*this, "dw_1"};
//     ...
//     dw_1->SetDataObject(d_kzmn());
//     dw_1->Retrieve();
#pragma once

#include "runtime/dw/datawindow.h"
#include "runtime/ui/control.h"

namespace runtime {

class DataWindowControl : public Control {
public:
    DataWindowControl(ControlParent &parent, const String &name);

    // The data window: rows, items, Modify, Describe, Update...
    DataWindow *operator->() const { return dw(); }
    DataWindow &operator*() const { return *dw(); }

    void Move(int x, int y) override;
    void Resize(int width, int height) override;

protected:
    // Scripts show and hide the data window also directly (dw_1->SetVisible)
    // and read it back from there.
    bool defersVisibility() const override { return false; }

public:

    Event<int, int, long, String> clicked{this, "clicked"};       // xpos, ypos, row, object
    Event<int, int, long, String> doubleclicked{this, "doubleclicked"};
    Event<long> rowfocuschanged{this, "rowfocuschanged"};          // currentrow
    Event<long> scrollvertical{this, "scrollvertical"};            // scrollpos
    Event<> getfocus{this, "getfocus"};
    Event<> losefocus{this, "losefocus"};
    Event<> rbuttondown{this, "rbuttondown"};

private:
    DataWindow *dw() const { return static_cast<DataWindow *>(widget()); }
};

} // namespace runtime
