#include "toolbar/uo_toolbar_space.h"

using namespace runtime;

uo_toolbar_space::uo_toolbar_space(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(18, 160);
    SetBorderStyle(BorderStyle::None);
    SetBackColor(79741120);
    ln_1.SetPoints(5, 8, 5, 156);
    ln_1.SetLineColor(276856960);
    ln_1.SetEnabled(false);
    ln_2.SetPoints(9, 8, 9, 156);
    ln_2.SetLineColor(1090519039);
    ln_2.SetEnabled(false);
}
