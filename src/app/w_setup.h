// The settings dialog: whether the wrong-answer book is emptied at every
// start (t_system.frist: "1" yes, "2" no).
#pragma once

#include "runtime/ui/checkbox.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/dropdownlist.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_setup : public runtime::Window {
public:
    w_setup();

    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::StaticText st_7{*this, "st_7"};
    runtime::DropDownListBox ddlb_2{*this, "ddlb_2"};
    runtime::CheckBox cbx_1{*this, "cbx_1"};
    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::StaticText st_2{*this, "st_2"};
    runtime::StaticText st_1{*this, "st_1"};
};

extern runtime::GlobalWindow<w_setup> w_setup;
