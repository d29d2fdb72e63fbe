// The header of a navigation group panel: the group's caption in a raised
// frame. It follows the pointer with the mouse capture (flat, hover and
// pressed looks) and raises ue_clicked whenever the left button comes up
// over it.
#pragma once

#include "navbar/us_point.h"
#include "runtime/ui/line.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/userobject.h"
#include "runtime/win32/mouse.h"

class uo_qq_header : public runtime::UserObject {
public:
    uo_qq_header(runtime::ControlParent &parent, const runtime::String &name);

    void wf_buttonflat();
    void wf_buttonup();
    void wf_buttondown();
    void of_text(const runtime::String &st_text);
    runtime::String of_text() const;
    void of_paint();
    void of_backcolor(long lg_backcolor);
    void of_enabled(bool bl_enabled);
    bool of_enabled() const;
    void of_focuscolor(long lg_in_focuscolor);

    runtime::Line ln_top{*this, "ln_top"};
    runtime::Line ln_bottom{*this, "ln_bottom"};
    runtime::Line ln_left{*this, "ln_left"};
    runtime::Line ln_right{*this, "ln_right"};
    runtime::Line ln_bt1{*this, "ln_bt1"};
    runtime::Line ln_bt2{*this, "ln_bt2"};
    runtime::StaticText st_caption{*this, "st_caption"};

    runtime::MouseEvent ue_lbuttonup{this, "ue_lbuttonup"};
    runtime::MouseEvent ue_mbuttondown{this, "ue_mbuttondown"};
    runtime::MouseEvent ue_mousemove{this, "ue_mousemove"};
    runtime::Event<> ue_clicked{this, "ue_clicked"};
    // The capture is gone, whoever ended it.
    runtime::Event<> ue_capturechanged{this, "ue_capturechanged"};

    long in_backgcolor = 0;
    long in_focuscolor = 0;
    us_point curpos;
    // One flag for every header: some header holds the capture.
    static inline bool ib_captured = false;
};
