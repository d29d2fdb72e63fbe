#include "runtime/dw/datawindowcontrol.h"

namespace runtime {

DataWindowControl::DataWindowControl(ControlParent &parent, const String &name)
    : Control(parent, name, new DataWindow), dw_(static_cast<DataWindow *>(widget()))
{
    dw_->clicked = [this](int x, int y, long row, const String &object) { clicked.Trigger(x, y, row, object); };
    dw_->doubleclicked = [this](int x, int y, long row, const String &object) {
        doubleclicked.Trigger(x, y, row, object);
    };
    dw_->rowfocuschanged = [this](long row) { rowfocuschanged.Trigger(row); };
    dw_->scrollvertical = [this](long position) { scrollvertical.Trigger(position); };
    dw_->getfocus = [this] { getfocus.Trigger(); };
    dw_->losefocus = [this] { losefocus.Trigger(); };
    dw_->rbuttondown = [this] { rbuttondown.Trigger(); };
}

DataWindowControl::~DataWindowControl()
{
    // The widget outlives the events by a moment: it must not call them.
    dw_->clicked = nullptr;
    dw_->doubleclicked = nullptr;
    dw_->rowfocuschanged = nullptr;
    dw_->scrollvertical = nullptr;
    dw_->getfocus = nullptr;
    dw_->losefocus = nullptr;
    dw_->rbuttondown = nullptr;
}

DataWindow &DataWindowControl::dw() const { return *dw_; }

} // namespace runtime
