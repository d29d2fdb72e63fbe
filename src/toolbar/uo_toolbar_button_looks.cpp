// The button's looks: at rest ("Flat", frame in the back colour), raised
// ("Up", the pointer over it) and pressed ("Down", contents shifted right and
// down); its back colour; and the greyed look of a disabled button.
#include "toolbar/uo_toolbar_button.h"

#include "runtime/ui/colors.h"

using namespace runtime;

void uo_toolbar_button::of_drawbutton(const String &as_type)
{
    long topLeft, bottomRight;
    bool pressed = false;
    if (as_type == "Down") {
        topLeft = RGB(128, 128, 128);
        bottomRight = RGB(255, 255, 255);
        pressed = true;
    } else if (as_type == "Flat" || as_type == "Up") {
        // A checked button keeps its pressed look.
        if (checked && !childmenu)
            return;
        topLeft = as_type == "Up" ? RGB(255, 255, 255) : BackColor();
        bottomRight = as_type == "Up" ? RGB(128, 128, 128) : BackColor();
    } else {
        return;
    }
    ln_top.SetLineColor(topLeft);
    ln_left.SetLineColor(topLeft);
    ln_bottom.SetLineColor(bottomRight);
    ln_right.SetLineColor(bottomRight);
    plb_1.Move(pressed ? ii_poffsetx : ii_px, pressed ? ii_poffsety : ii_py);
    st_caption.Move(pressed ? ii_coffsetx : ii_cx, pressed ? ii_coffsety : ii_cy);
    uo_triangle.Move(pressed ? ii_toffsetx : ii_tx, pressed ? ii_toffsety : ii_ty);
}

void uo_toolbar_button::of_setbkcolor(long al_color)
{
    SetBackColor(al_color);
    plb_1.SetBackColor(al_color);
    st_caption.SetBackColor(al_color);
    uo_triangle.SetBackColor(al_color);
}

void uo_toolbar_button::of_drawdisabled() {}
