#include "toolbar/uo_toolbar_button.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/paint.h"
#include "runtime/win32/capture.h"
#include "toolbar/uo_toolbar.h"

using namespace runtime;

uo_toolbar_button::uo_toolbar_button(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    createControls();
    constructor = [this] { constructorScript(); };
    ue_mousemove = [this](unsigned long, int xpos, int ypos) { mouseMoveScript(xpos, ypos); };
    ue_lbuttondown = [this](unsigned long, int, int) { buttonDownScript(); };
    ue_lbuttonup = [this](unsigned long, int xpos, int ypos) { buttonUpScript(xpos, ypos); };
    clicked = [this] { clickedScript(); };
    BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
    BindMouse(*this, MouseMessage::LButtonDown, ue_lbuttondown);
    BindMouse(*this, MouseMessage::LButtonUp, ue_lbuttonup);
    // A modal window over the frame, the item's pop-up menu, or another
    // control that took the capture leaves the button at rest, so that the
    // next move over it takes the capture again.
    ue_capturechanged = [this] {
        ib_captured = false;
        ib_clicked = false;
        ib_mousein = false;
        of_drawbutton("Flat");
    };
    BindCaptureChanged(*this, ue_capturechanged);
    ue_paint = [this] {
        if (!Enabled())
            of_drawdisabled();
    };
    BindPaint(*this, ue_paint);
}

void uo_toolbar_button::createControls()
{
    Resize(311, 204);
    SetBorderStyle(BorderStyle::None);
    SetBackColor(RGB(192, 192, 192));

    uo_triangle.Move(215, 72);

    plb_1.Move(119, 32);
    plb_1.Resize(73, 64);
    plb_1.SetEnabled(false);
    plb_1.SetBackColor(RGB(192, 192, 192));

    struct Edge {
        Line &line;
        int x1, y1, x2, y2;
        long color;
    };
    for (const Edge &e : {Edge{ln_bottom, 9, 200, 315, 200, RGB(128, 128, 128)},
                          Edge{ln_top, 5, 0, 306, 0, RGB(255, 255, 255)},
                          Edge{ln_left, 0, 0, 0, 200, RGB(255, 255, 255)},
                          Edge{ln_right, 306, 4, 306, 200, RGB(128, 128, 128)}}) {
        e.line.SetPoints(e.x1, e.y1, e.x2, e.y2);
        e.line.SetLineThickness(4);
        e.line.SetLineColor(e.color);
        e.line.SetEnabled(false);
    }

    st_caption.Move(14, 112);
    st_caption.Resize(279, 52);
    st_caption.SetEnabled(false);
    st_caption.SetBackColor(RGB(192, 192, 192));
    st_caption.SetFont(Font{"宋体", 9, 400, kGB2312CharSet});
}

nvo_tooltips &uo_toolbar_button::inv_tooltips()
{
    static nvo_tooltips shared;
    return shared;
}

void uo_toolbar_button::constructorScript()
{
    of_buttontext(buttontext == "" ? Tag() : buttontext);
    if (!childmenu)
        uo_triangle.SetVisible(false);
    of_setsize();
    of_setposition();
    of_settooltip(tooltip);
    of_setpicture(picture_name);
    of_drawbutton("Flat");
    of_getparentwindow();
}

// ---- mouse -------------------------------------------------------------

bool uo_toolbar_button::inside(int xpos, int ypos) const
{
    return xpos >= 0 && xpos < Width() && ypos >= 0 && ypos <= Height();
}

void uo_toolbar_button::mouseMoveScript(int xpos, int ypos)
{
    if (!ib_captured) {
        SetCapture(Handle(*this));
        ib_captured = true;
        ib_mousein = true;
        if (!ib_clicked)
            of_drawbutton("Up");
        inv_tooltips().relaymsg(*this);
        return;
    }
    if (inside(xpos, ypos)) {
        if (!ib_mousein) {
            ib_mousein = true;
            of_drawbutton(ib_clicked ? "Down" : "Flat");
        }
        inv_tooltips().relaymsg(*this);
    } else {
        if (!ib_clicked) {
            ib_captured = false;
            ReleaseCapture();
        }
        if (ib_mousein) {
            of_drawbutton("Flat");
            ib_mousein = false;
        }
    }
}

void uo_toolbar_button::buttonDownScript()
{
    if (ib_clicked)
        return;
    ib_clicked = true;
    ib_captured = false;
    of_drawbutton("Down");
}

void uo_toolbar_button::buttonUpScript(int xpos, int ypos)
{
    if (!ib_clicked)
        return;
    ib_clicked = false;
    ib_captured = false;
    if (inside(xpos, ypos)) {
        if (buttontype == "Checked")
            of_checked();
        if (buttontype == "RadioButton" && !checked)
            of_checked();
        if (!childmenu)
            of_drawbutton("Flat");
        clicked.Trigger();
    } else {
        ReleaseCapture();
        of_drawbutton("Flat");
    }
}

// ---- click, check and radio ---------------------------------------------

void uo_toolbar_button::clickedScript()
{
    if (!im_menuid)
        return;
    if (buttontype == "Checked")
        im_menuid->SetChecked(checked);
    if (!childmenu) {
        im_menuid->clicked.Trigger();
    } else {
        im_menuid->PopMenu(X(), Y() + Height());
        of_drawbutton("Flat");
    }
}

void uo_toolbar_button::of_checked()
{
    if (buttontype == "Checked") {
        checked = !checked;
        of_drawbutton(checked ? "Down" : "Flat");
    } else if (buttontype == "RadioButton" && !checked) {
        checked = true;
        if (!iuo_parent)
            RaiseNullObject();
        for (uo_toolbar_button *other : iuo_parent->iuo_buttons)
            if (other->radiogroup == radiogroup && other->checked && other != this) {
                other->of_checked();
                break;
            }
    } else if (buttontype == "RadioButton") {
        checked = false;
        of_drawbutton("Flat");
    }
}

// ---- setters -------------------------------------------------------------

void uo_toolbar_button::of_buttontext(const String &as_text)
{
    st_caption.SetText(as_text);
    buttontext = as_text;
}

void uo_toolbar_button::of_setstyle(const String &as_style)
{
    buttontype = as_style == "Checked" || as_style == "RadioButton" ? as_style : String("Normal");
}

void uo_toolbar_button::of_settooltip(const String &as_tooltip)
{
    tooltip = as_tooltip;
    inv_tooltips().addtool(*this, as_tooltip, 0);
}

void uo_toolbar_button::of_setpicture(const String &as_picture)
{
    if (as_picture == "")
        return;
    picture_name = as_picture;
    plb_1.SetPictureName(as_picture);
}

void uo_toolbar_button::of_setpicturesize(int ai_size) { picture_size = ai_size == 24 ? 24 : 16; }

void uo_toolbar_button::of_setalign(const String &as_align)
{
    if (as_align == textalign)
        return;
    textalign = as_align == "None" || as_align == "Right" ? as_align : String("Bottom");
    of_setsize();
    of_setposition();
    if (checked)
        of_drawbutton("Down");
}

void uo_toolbar_button::of_getparentwindow() { iw_parent = ParentWindow(); }

void uo_toolbar_button::of_enabled(bool ab_enabled)
{
    if (ab_enabled == Enabled())
        return;
    SetEnabled(ab_enabled);
    if (ab_enabled) {
        st_caption.SetTextColor(0);
        uo_triangle.of_setenabled(true);
        SetRedraw(true);
    } else {
        st_caption.SetTextColor(RGB(128, 128, 128));
        uo_triangle.of_setenabled(false);
        of_drawdisabled();
    }
}

void uo_toolbar_button::of_setgroup(int ai_groupid) { radiogroup = ai_groupid; }
void uo_toolbar_button::of_setmenu(MenuItem *am_menu) { im_menuid = am_menu; }
void uo_toolbar_button::of_setparent(uo_toolbar *auo_parent) { iuo_parent = auo_parent; }
MenuItem *uo_toolbar_button::of_getmenu() const { return im_menuid; }

void uo_toolbar_button::of_childmenu(bool ab_enabled)
{
    childmenu = ab_enabled;
    if (ab_enabled)
        uo_triangle.SetVisible(true);
}

void uo_toolbar_button::of_enabledmenu(bool ab_enabled)
{
    if (!im_menuid)
        RaiseNullObject();
    im_menuid->SetEnabled(ab_enabled);
}
