#include "toolbar/uo_toolbar_menuseperator.h"

#include "runtime/draw/colors.h"

using namespace runtime;

uo_toolbar_menuseperator::uo_toolbar_menuseperator(ControlParent &parent, const String &name)
    : UserObject(parent, name)
{
    Resize(8201, 8);
    SetBorderStyle(BorderStyle::None);
    SetBackColor(79741120);
    ln_grey.SetPoints(0, 0, 8201, 0);
    ln_grey.SetLineColor(RGB(128, 128, 128));
    ln_grey.SetEnabled(false);
    ln_white.SetPoints(0, 4, 8201, 4);
    ln_white.SetLineColor(RGB(255, 255, 255));
    ln_white.SetEnabled(false);
}
