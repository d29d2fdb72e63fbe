#include "toolbar/uo_angle.h"

#include "runtime/draw/colors.h"

using namespace runtime;

uo_angle::uo_angle(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(32, 16);
    SetBorderStyle(BorderStyle::None);
    SetBackColor(RGB(192, 192, 192));
    ln_2.SetPoints(0, 0, 27, 0);
    ln_4.SetPoints(9, 8, 18, 8);
    ln_4.SetLineColor(10789024);
    ln_1.SetPoints(14, 12, 32, -4);
    ln_1.SetLineColor(RGB(255, 255, 255));
    ln_3.SetPoints(5, 4, 23, 4);
    ln_3.SetLineColor(10789024);
    for (Line *line : {&ln_2, &ln_4, &ln_1, &ln_3})
        line->SetEnabled(false);
}

void uo_angle::of_setenabled(bool ab_enabled)
{
    ln_1.SetLineColor(ab_enabled ? 0 : RGB(255, 255, 255));
    ln_2.SetLineColor(0);
    ln_3.SetLineColor(ab_enabled ? 0 : 10789024);
    ln_4.SetLineColor(ab_enabled ? 0 : 10789024);
}
