// A flat picture button of the frame's toolbar. It stands for one menu item:
// it shows the item's toolbar picture and caption inside four border lines,
// plus a drop-down triangle when the item has sub-items. It follows the
// pointer with the mouse capture, looks raised while the pointer is over it
// and pressed while the left button is down on it, and a click runs the
// item (or drops its sub-items down). It can also be a check button or one
// of a radio group of the toolbar.
#pragma once

#include "runtime/ui/line.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"
#include "runtime/win32/mouse.h"
#include "toolbar/nvo_tooltips.h"
#include "toolbar/uo_angle.h"

class uo_toolbar;

class uo_toolbar_button : public runtime::UserObject {
public:
    uo_toolbar_button(runtime::ControlParent &parent, const runtime::String &name);

    uo_angle uo_triangle{*this, "uo_triangle"};
    runtime::Picture plb_1{*this, "plb_1"};
    runtime::Line ln_bottom{*this, "ln_bottom"};
    runtime::Line ln_top{*this, "ln_top"};
    runtime::Line ln_left{*this, "ln_left"};
    runtime::Line ln_right{*this, "ln_right"};
    runtime::StaticText st_caption{*this, "st_caption"};

    runtime::String class_name = "uo_toolbar_button";
    runtime::String buttontext;
    runtime::String buttontype = "Normal";
    runtime::String tooltip;
    runtime::String picture_name;
    int picture_size = 16;
    runtime::String textalign = "Right";
    int radiogroup = 0;
    bool checked = false;
    runtime::Window *iw_parent = nullptr;
    uo_toolbar *iuo_parent = nullptr;
    bool ib_captured = false;
    bool ib_clicked = false;
    bool childmenu = false;
    bool ib_mousein = false;
    runtime::MenuItem *im_menuid = nullptr;
    int ii_charwidth = 28;
    int ii_minwidth = 240;
    int ii_minheight = 110;
    int ii_poffsetx = 0, ii_poffsety = 0, ii_coffsetx = 0, ii_coffsety = 0, ii_toffsetx = 0, ii_toffsety = 0;
    int ii_px = 0, ii_py = 0, ii_cx = 0, ii_cy = 0, ii_tx = 0, ii_ty = 0;

    // The one tooltip window of all toolbar buttons.
    static nvo_tooltips &inv_tooltips();

    runtime::MouseEvent ue_lbuttondown{this, "ue_lbuttondown"}; // flags, xpos, ypos
    runtime::MouseEvent ue_lbuttonup{this, "ue_lbuttonup"};     // flags, xpos, ypos
    runtime::MouseEvent ue_mousemove{this, "ue_mousemove"};     // flags, xpos, ypos
    runtime::Event<> ue_paint{this, "ue_paint"};
    runtime::Event<> clicked{this, "clicked"};
    // The capture is gone, whoever ended it.
    runtime::Event<> ue_capturechanged{this, "ue_capturechanged"};

    void of_buttontext(const runtime::String &as_text);
    void of_setstyle(const runtime::String &as_style);
    void of_settooltip(const runtime::String &as_tooltip);
    void of_setpicture(const runtime::String &as_picture);
    void of_setpicturesize(int ai_size);
    void of_setalign(const runtime::String &as_align);
    void of_setsize();
    void of_setposition();
    void of_checked();
    void of_drawbutton(const runtime::String &as_type);
    void of_getparentwindow();
    void of_enabled(bool ab_enabled);
    void of_drawdisabled();
    void of_setgroup(int ai_groupid);
    void of_setmenu(runtime::MenuItem *am_menu);
    void of_setparent(uo_toolbar *auo_parent);
    runtime::MenuItem *of_getmenu() const;
    void of_childmenu(bool ab_enabled);
    void of_enabledmenu(bool ab_enabled);
    void of_setbkcolor(long al_color);

private:
    void createControls();
    void constructorScript();
    void mouseMoveScript(int xpos, int ypos);
    void buttonDownScript();
    void buttonUpScript(int xpos, int ypos);
    void clickedScript();
    bool inside(int xpos, int ypos) const;
};
