// A navigation button: a picture above a caption in a frame of lines. It
// follows the pointer with the mouse capture (flat, hover and pressed
// looks) and raises ue_clicked after a press and release on it; its owner
// reads btnid in that event.
#pragma once

#include "navbar/us_point.h"
#include "runtime/ui/line.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/userobject.h"
#include "runtime/win32/mouse.h"

class uo_qq_button : public runtime::UserObject {
public:
    uo_qq_button(runtime::ControlParent &parent, const runtime::String &name);

    void wf_buttonflat();
    void wf_buttonup();
    void wf_buttondown();
    void of_paint();
    void of_text(const runtime::String &st_text);
    runtime::String of_text() const;
    void of_picture(const runtime::String &st_picture);
    void of_focuspicture(const runtime::String &st_picture);
    void of_disablepicture(const runtime::String &st_picture);
    void of_focuscolor(long lg_focuscolor);
    void of_linecolor(long lg_linecolor);
    void of_backcolor(long lg_backcolor);
    void of_enabled(bool bl_enabled);
    void of_showln2(bool ab_show);
    bool releasecapture() { return runtime::ReleaseCapture(); }

    // The picture, which sees the pointer first when it enters over it.
    struct picture_with_moves : runtime::Picture {
        using Picture::Picture;
        runtime::MouseEvent ue_mousemove{this, "ue_mousemove"};
    };
    picture_with_moves p_1{*this, "p_1"};
    runtime::Line ln_top{*this, "ln_top"};
    runtime::Line ln_bottom{*this, "ln_bottom"};
    runtime::Line ln_left{*this, "ln_left"};
    runtime::Line ln_right{*this, "ln_right"};
    runtime::StaticText st_caption{*this, "st_caption"};
    runtime::Line ln_left2{*this, "ln_left2"};
    runtime::Line ln_right2{*this, "ln_right2"};
    runtime::Line ln_top2{*this, "ln_top2"};
    runtime::Line ln_bottom2{*this, "ln_bottom2"};

    runtime::MouseEvent ue_mousemove{this, "ue_mousemove"};
    runtime::MouseEvent ue_mbuttondown{this, "ue_mbuttondown"};
    runtime::MouseEvent ue_lbuttonup{this, "ue_lbuttonup"};
    runtime::Event<> ue_clicked{this, "ue_clicked"};
    // The capture is gone, whoever ended it.
    runtime::Event<> ue_capturechanged{this, "ue_capturechanged"};

    runtime::String btnid;
    bool sh_ib_captured = false;
    bool ib_clicked = false;
    long backgroundcolor = 0;
    long fontcolor = 0;
    long linecolor = 0;
    long focuscolor = 0;
    runtime::String picture;
    runtime::String focuspicture;
    runtime::String disablepicture;
    us_point curpos;
    runtime::Control *iuo_parent = nullptr;

private:
    void moveAt(int xpos, int ypos, int width, int height, int y);
    void setLook(long topLeft, long bottomRight, long back, const runtime::String &pic);
};
