// The hand-in confirmation beside the examination: hand in, or go on with
// the clock still running. It lives no longer than its examination, which
// closes it when it ends.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/window.h"

class w_jj_enter : public runtime::Window {
public:
    w_jj_enter();

    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};
};

extern runtime::GlobalWindow<w_jj_enter> w_jj_enter;
