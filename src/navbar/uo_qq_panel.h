// A group panel of the navigation bar: the group's header and one page of
// its buttons, with arrows that page through the rest. The bar opens the
// panels in its window, places them and slides them; a panel passes header
// and button clicks on to the bar, which it finds by the bar's handle.
#pragma once

#include "navbar/nvo_qq_group.h"
#include "navbar/uo_qq_button.h"
#include "navbar/uo_qq_header.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/win32/handles.h"

#include <array>
#include <vector>

class uo_qq_pb;

class uo_qq_panel : public runtime::UserObject {
public:
    uo_qq_panel(runtime::ControlParent &parent, const runtime::String &name);

    // The number of button slots that fit the panel's height (for
    // "ButtonsCanShow"; 0 for any other question).
    long of_calc(const runtime::String &st_calctype) const;
    // Fills the slots from firstnodeonpage on and sets the arrows.
    void of_redraw();
    void of_hidespin();
    void of_resize();

    uo_qq_button uo_btn16{*this, "uo_btn16"};
    uo_qq_button uo_btn15{*this, "uo_btn15"};
    uo_qq_button uo_btn14{*this, "uo_btn14"};
    uo_qq_button uo_btn13{*this, "uo_btn13"};
    uo_qq_button uo_btn12{*this, "uo_btn12"};
    uo_qq_button uo_btn11{*this, "uo_btn11"};
    uo_qq_button uo_btn10{*this, "uo_btn10"};
    runtime::CommandButton cb_down{*this, "cb_down"};
    runtime::CommandButton cb_up{*this, "cb_up"};
    uo_qq_button uo_btn9{*this, "uo_btn9"};
    uo_qq_button uo_btn8{*this, "uo_btn8"};
    uo_qq_button uo_btn7{*this, "uo_btn7"};
    uo_qq_button uo_btn6{*this, "uo_btn6"};
    uo_qq_button uo_btn5{*this, "uo_btn5"};
    uo_qq_button uo_btn4{*this, "uo_btn4"};
    uo_qq_button uo_btn3{*this, "uo_btn3"};
    uo_qq_button uo_btn2{*this, "uo_btn2"};
    uo_qq_button uo_btn1{*this, "uo_btn1"};
    uo_qq_header uo_header{*this, "uo_header"};

    runtime::Event<> ue_header_clicked{this, "ue_header_clicked"};
    runtime::Event<runtime::String> ue_button_clicked{this, "ue_button_clicked"}; // btnid
    runtime::Event<> ue_deactivate{this, "ue_deactivate"};

    nvo_qq_group *thegroup = nullptr;
    runtime::String movetype;
    runtime::WindowHandle parenthandle = 0;
    long firstnodeonpage = 0;
    std::vector<nvo_qq_node *> nodes;
    std::array<uo_qq_button *, 16> buttons{};
    long numofnodes = 0;
    short buttonheight = 300;
    short buttonwidth = 390;

private:
    // The navigation bar among the window's controls, by its handle.
    uo_qq_pb *bar() const;
    // The group's id; a panel without a group is a null-object error.
    const runtime::String &groupid() const;
};
