#include "runtime/ui/datawindowcontrol.h"

namespace runtime {

DataWindowControl::DataWindowControl(ControlParent &parent, const String &name)
    : Control(parent, name, new DataWindow)
{
    DataWindow &d = *dw();
    d.clicked = [this](int x, int y, long row, const String &object) { clicked.Trigger(x, y, row, object); };
    d.doubleclicked = [this](int x, int y, long row, const String &object) {
        doubleclicked.Trigger(x, y, row, object);
    };
    d.rowfocuschanged = [this](long row) { rowfocuschanged.Trigger(row); };
    d.scrollvertical = [this](long position) { scrollvertical.Trigger(position); };
    d.getfocus = [this] { getfocus.Trigger(); };
    d.losefocus = [this] { losefocus.Trigger(); };
    d.rbuttondown = [this] { rbuttondown.Trigger(); };
}

void DataWindowControl::Move(int x, int y)
{
    Control::Move(x, y);
    dw()->Move(x, y);
}

void DataWindowControl::Resize(int width, int height)
{
    Control::Resize(width, height);
    dw()->Resize(width, height);
}

} // namespace runtime
