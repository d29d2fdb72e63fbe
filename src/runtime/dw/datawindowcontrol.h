// The data window as a control of a window: declared among the window's
// controls like any other, its events run as scripts (a run-time error in
// one reaches the application's systemerror event).
//
//     runtime::DataWindowControl dw_1{*this, "dw_1"};
//     ...
//     dw_1.SetDataObject(d_report());
//     dw_1->InsertRow(0);                       // the data window's functions
//     dw_1.clicked = [this](int, int, long row, const String &) { ... };
#pragma once

#include "runtime/dw/datawindow.h"
#include "runtime/ui/control.h"

namespace runtime {

class DataWindowControl : public Control {
public:
    DataWindowControl(ControlParent &parent, const String &name);
    ~DataWindowControl() override;

    // The data window: rows, items, Describe/Modify, scrolling, Print.
    DataWindow &dw() const;
    DataWindow *operator->() const { return &dw(); }

    void SetDataObject(const DataObject &object) { dw().SetDataObject(object); }
    // A lowered frame around the control.
    void SetBorder(bool border) { dw().SetBorder(border); }
    // Whether the vertical scroll bar shows when the content does not fit.
    void SetVScrollBar(bool shown) { dw().SetVScrollBar(shown); }

    // xpos and ypos in pixels of the control, row 0 outside the rows,
    // the name of the presentation object under the pointer.
    Event<int, int, long, String> clicked{this, "clicked"};
    Event<int, int, long, String> doubleclicked{this, "doubleclicked"};
    Event<long> rowfocuschanged{this, "rowfocuschanged"}; // currentrow
    Event<long> scrollvertical{this, "scrollvertical"};   // scrollpos
    Event<> getfocus{this, "getfocus"};
    Event<> losefocus{this, "losefocus"};
    Event<> rbuttondown{this, "rbuttondown"};

private:
    DataWindow *dw_;
};

} // namespace runtime
