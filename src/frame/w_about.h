// The about box: the version, and one button that closes it.
#pragma once

#include "app/w_windows.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/statictext.h"

class w_about : public w_windows {
public:
    w_about();

    runtime::StaticText st_1{*this, "st_1"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::GroupBox gb_1{*this, "gb_1"};
};

extern runtime::GlobalWindow<w_about> w_about;
