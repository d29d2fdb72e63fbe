#include "runtime/ui/datawindowcontrol.h"

namespace runtime {

DataWindowControl::DataWindowControl(ControlParent &parent, const String &name)
    : Control(parent, name, new DataWindow)
{
    dataWindow().clicked = [this](int xpos, int ypos, long row, const String &objectName) {
        clicked.Trigger(xpos, ypos, row, objectName);
    };
}

DataWindow &DataWindowControl::dataWindow() const { return *static_cast<DataWindow *>(widget()); }

} // namespace runtime
