#include "navbar/us_point.h"

#include "runtime/draw/units.h"
#include "runtime/win32/handles.h"

using namespace runtime;

bool of_pointerleft(Control &control, us_point &curpos)
{
    if (!GetCursorPos(curpos))
        return false;
    auto *parent = dynamic_cast<Control *>(control.GetParent());
    ScreenToClient(parent ? Handle(*parent) : 0, curpos);
    const long px = PixelsToUnitsX(int(curpos.x));
    const long py = PixelsToUnitsY(int(curpos.y));
    return px < control.X() || py < control.Y() || px >= control.X() + control.Width() ||
           py > control.Y() + control.Height();
}
