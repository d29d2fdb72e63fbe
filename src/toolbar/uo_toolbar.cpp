#include "toolbar/uo_toolbar.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/paint.h"

using namespace runtime;

uo_toolbar::uo_toolbar(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    createControls();
    constructor = [this] {
        of_getparentwin();
        if (iw_parent)
            SetBackColor(iw_parent->BackColor());
    };
    // Disabled buttons are drawn again whenever the toolbar paints.
    ue_paint = [this] {
        for (uo_toolbar_button *b : iuo_buttons)
            if (!b->Enabled())
                b->of_drawdisabled();
    };
    BindPaint(*this, ue_paint);
}

void uo_toolbar::createControls()
{
    Resize(4091, 200);
    SetBorderStyle(BorderStyle::Box);
    SetBackColor(kButtonFace);

    uo_topline.Move(0, 0);
    uo_topline.Resize(80, 8);
    uo_bottomline.Move(0, 176);
    uo_bottomline.Resize(8000, 8);
    uo_bottomline.SetVisible(false);

    // The gripper: a broad light line, then grey, white and grey.
    struct Grip {
        Line &line;
        int x, thickness;
        long color;
    };
    for (const Grip &g : {Grip{ln_2, 14, 4, RGB(128, 128, 128)}, Grip{ln_4, 27, 4, RGB(128, 128, 128)},
                          Grip{ln_3, 23, 4, RGB(255, 255, 255)}, Grip{ln_1, 9, 8, 31910120}}) {
        g.line.SetPoints(g.x, 20, g.x, 168);
        g.line.SetLineThickness(g.thickness);
        g.line.SetLineColor(g.color);
    }
}

void uo_toolbar::of_getparentwin() { iw_parent = ParentWindow(); }

void uo_toolbar::of_setalign(const String &as_align)
{
    if (textalign == as_align)
        return;
    if (as_align == "Right" || as_align == "None") {
        textalign = as_align;
        if (as_align == "None")
            uo_bottomline.SetVisible(false);
    } else {
        textalign = "Bottom";
    }

    long x = X() + 40;
    if (!iuo_buttons.empty()) {
        buttonheight = 0;
        minwidth = 0;
        // Each button takes the spacer that its own menu item asked for; a
        // spacer of an item without a button keeps its place.
        for (const RowItem &item : row_) {
            uo_toolbar_button *b = item.button;
            if (!b)
                continue;
            b->of_setalign(textalign);
            b->SetY(Y() + 10);
            if (item.space) {
                item.space->Move(x, Y() + 10);
                item.space->SetHeight(b->Height() - 10);
                x = x + item.space->Width() + il_space;
            }
            b->SetX(x);
            x = x + b->Width() + il_space;
            if (buttonheight < b->Height())
                buttonheight = b->Height();
        }
        minwidth = x - X();
    }
    of_setsize();
    of_setposition();
}

void uo_toolbar::of_setsize()
{
    if (Width() < minwidth)
        SetWidth(minwidth);
    SetHeight(buttonheight + 25);
    if (textalign != "None")
        uo_bottomline.SetVisible(true);
    for (Line *line : {&ln_1, &ln_2, &ln_3, &ln_4})
        line->SetPoints(line->BeginX(), line->BeginY(), line->EndX(), Height() - 20);
    uo_topline.SetWidth(Width());
    uo_bottomline.SetWidth(Width());
}

void uo_toolbar::of_resize() { of_setsize(); }

void uo_toolbar::of_setposition() { uo_bottomline.SetY(Height() - 10); }

void uo_toolbar::of_draw()
{
    of_setalign(textalign);
    of_setsize();
    of_setposition();
}

void uo_toolbar::of_showbottom()
{
    of_setsize();
    of_setposition();
    uo_bottomline.SetVisible(true);
}

void uo_toolbar::of_minwidth() { SetWidth(minwidth); }

void uo_toolbar::of_hidebottom() { uo_bottomline.SetVisible(false); }

void uo_toolbar::of_setbuttonsize(int ai_size) { picture_size = ai_size == 24 ? 24 : 16; }

void uo_toolbar::of_setenabled(int ai_index, bool ab_enabled)
{
    if (ai_index < 1 || ai_index > static_cast<int>(iuo_buttons.size()))
        return;
    iuo_buttons[ai_index - 1]->of_enabled(ab_enabled);
    iuo_buttons[ai_index - 1]->of_enabledmenu(ab_enabled);
}

void uo_toolbar::of_setenabled(MenuItem *am_menu, bool ab_enabled)
{
    if (!am_menu)
        RaiseNullObject();
    if (am_menu->Enabled() == ab_enabled)
        return;
    am_menu->SetEnabled(ab_enabled);
    for (uo_toolbar_button *b : iuo_buttons)
        if (b->of_getmenu() == am_menu) {
            b->of_enabled(ab_enabled);
            break;
        }
}

bool uo_toolbar::of_getenabled(int ai_index) const
{
    if (ai_index < 1 || ai_index > static_cast<int>(iuo_buttons.size()))
        return false;
    return iuo_buttons[ai_index - 1]->Enabled();
}

bool uo_toolbar::of_getenabled(const MenuItem *am_menu) const
{
    if (!am_menu)
        RaiseNullObject();
    return am_menu->Enabled();
}
