// The prompt after more than ten wrong answers: the examination is already
// failed; hand in at once or go on.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_error_jj : public runtime::Window {
public:
    w_error_jj();

    runtime::StaticText st_2{*this, "st_2"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::Picture p_1{*this, "p_1"};
    runtime::CommandButton cb_2{*this, "cb_2"};
};

extern runtime::GlobalWindow<w_error_jj> w_error_jj;
