// The vehicle-class window: the learner picks a class, and "确定" builds a
// new examination paper for it and starts the examination.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/dropdownlist.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/window.h"

class w_login_2012 : public runtime::Window {
public:
    w_login_2012();

    runtime::DropDownListBox ddlb_1{*this, "ddlb_1"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::Picture p_1{*this, "p_1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::DataWindowControl dw_2{*this, "dw_2"};

    runtime::String il_sqlnew; // the rule view's select as the window found it
    long il_newrow = 0;        // rules retrieved for the current paper
};

extern runtime::GlobalWindow<w_login_2012> w_login_2012;
